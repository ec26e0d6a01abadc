#include "cli/connection.h"

#include <filesystem>
#include <iostream>

#include "app/settings.h"
#include "base/cp1251.h"
#include "base/whole_number.h"
#include "cli/command_report.h"
#include "link/port_failure.h"
#include "link/port_map.h"

namespace kvitmark::cli {

PortChoice ChoosePort(const ConnectionOptions& options) {
  // The settings file is read, never created or changed.
  const app::Settings settings = app::ReadSettings(std::filesystem::current_path().string());
  const std::string portName = options.port.empty() ? settings.storedPort : options.port;
  PortChoice choice{0, settings.ports};
  if (!options.device.empty()) {
    // A device named on the command line stands in for COM1.
    choice.port = 1;
    choice.ports[1] = options.device;
    return choice;
  }
  const auto portEntry = app::PortEntry(portName);
  if (!portEntry) {
    Say(base::Cp1251ToUtf8(base::Cp1251("Неверный порт: ")) + portName);
    return choice;
  }
  choice.port = *portEntry + 1;
  return choice;
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
  const PortChoice choice = ChoosePort(options_);
  if (choice.port == 0) return std::nullopt;
  port_ = choice.port;
  const link::PortMap& ports = choice.ports;
  speed_ = LineSpeed(options_);
  Report().SetDevice(link::DevicePathForPort(port_, ports));

  auto factory = link::PosixLineFactory(ports);
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
      reason = "Скорость " + std::to_string(speed_) + " бит/с не поддерживается.";
    } else {
      reason = link::PortFailureText(result, link::DevicePathForPort(port_, ports));
    }
    Say(base::Cp1251ToUtf8(base::Cp1251("Ошибка подключения: ")) + reason);
    return std::nullopt;
  }
  return result.outcome;
}

}  // namespace kvitmark::cli
