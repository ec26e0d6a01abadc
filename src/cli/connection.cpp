#include "cli/connection.h"

#include <filesystem>
#include <iostream>

#include "app/settings.h"
#include "base/ui/translation.h"
#include "base/whole_number.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"
#include "link/port_failure.h"
#include "link/port_map.h"

namespace kvitmark::cli {

std::optional<PortSetup> ChoosePort(const ConnectionOptions& options) {
  // The settings file is read, never created or changed.
  const app::Settings settings = app::ReadSettings(std::filesystem::current_path().string());
  PortSetup setup{{}, {settings.ports, ""}};
  if (!options.device.empty()) {
    setup.port = link::NamedDevice(options.device);
  } else if (options.port.empty()) {
    setup.port = app::StoredPort(settings);
  } else {
    // COM1 to COM9, or a further name the settings file maps.
    const auto number = app::ComNumber(options.port);
    if (!number || (*number > link::kLinkPorts && settings.ports.count(*number) == 0)) {
      Say(Text(KV_PATTERN("cli", "Неверный порт: %1"), {options.port}));
      return std::nullopt;
    }
    setup.port = link::MappedPort(*number, settings.ports);
  }
  setup.devices.Pick(setup.port);
  return setup;
}

int LineSpeed(const ConnectionOptions& options) {
  if (options.speed) return *options.speed;
  const app::Settings settings = app::ReadSettings(std::filesystem::current_path().string());
  // The stored speed is taken as C's atoi always read it: whatever number it starts with,
  // 0 for none; a speed the link does not offer is refused when the port opens.
  return base::WholeNumber(settings.storedSpeed, {.plusSign = true, .trailingText = true})
      .value_or(0);
}

void PreparePages(tables::Workspace& workspace) {
  tables::PrepareGrids(workspace);
  tables::ApplyTypeLayout(workspace, 0);
  workspace.typeIndex = 0;
}

Connection::Connection(const ConnectionOptions& options)
    : options_(options), observer_(options.onError, options.assumeYes) {
  PreparePages(workspace_);
}

Connection::~Connection() {
  if (link_ && link_->OpenPortNumber() > 0) link_->ClosePort(link_->OpenPortNumber());
  if (options_.trace) std::cerr << link::FormatTrace(trace_);
}

bool Connection::Open() { return Start(false).has_value(); }

std::optional<link::ConnectOutcome> Connection::Connect() { return Start(true); }

std::optional<link::ConnectOutcome> Connection::Start(bool askRegister) {
  const auto choice = ChoosePort(options_);
  if (!choice) return std::nullopt;
  port_ = choice->port.number;
  devices_ = choice->devices;
  speed_ = LineSpeed(options_);
  Report().SetDevice(devices_.PathFor(port_));

  auto factory = link::LineFactoryFor(devices_);
  if (options_.trace) factory = link::TracedLineFactory(std::move(factory), trace_);
  link_ = std::make_unique<link::RegisterLink>(std::move(factory), clock_, priority_);
  const auto portOpened = [this](const link::ConnectResult&) {
    session_ =
        std::make_unique<tables::TableSession>(tables::TableSession{*link_, clock_, workspace_});
    session_->connectedRegister = options_.registerNumber;
    session_->openedPort = port_;
    session_->openedSpeed = speed_;
  };
  link::ConnectResult result;
  if (askRegister) {
    result = link::Connect(*link_, port_, speed_, options_.registerNumber, portOpened);
  } else {
    result = link::OpenRegisterPort(*link_, port_, speed_);
    if (result.outcome == link::ConnectOutcome::kPortOpened) portOpened(result);
  }
  if (!link::PortOpen(result.outcome)) {
    std::string reason;
    if (result.outcome == link::ConnectOutcome::kBadSpeed) {
      reason =
          Text(KV_PATTERN("cli", "Скорость %1 бит/с не поддерживается."), {std::to_string(speed_)});
    } else {
      reason = base::ui::FromCoreUtf8(link::PortFailureText(result, devices_.PathFor(port_)))
                   .toStdString();
    }
    Say(Text(KV_PATTERN("cli", "Ошибка подключения: %1"), {reason}));
    return std::nullopt;
  }
  return result.outcome;
}

}  // namespace kvitmark::cli
