#include "cli/connection.h"

#include <filesystem>
#include <iostream>

#include "app/settings.h"
#include "base/ui/translation.h"
#include "base/whole_number.h"
#include "cli/command_report.h"
#include "link/port_failure.h"
#include "link/system_lines.h"

namespace kvitmark::cli {

namespace {

std::string Rendered(const base::Message& message) {
  return base::ui::Render(message).toStdString();
}

}  // namespace

std::optional<PortSetup> ChoosePort(const ConnectionOptions& options) {
  // The settings file is read, never created or changed.
  const app::Settings settings = app::ReadSettings(std::filesystem::current_path().string());
  if (!options.device.empty()) {
    return PortSetup{link::DeviceEndpoint(options.device), settings.ports};
  }
  if (options.port.empty()) return PortSetup{app::StoredPort(settings), settings.ports};
  // COM1 to COM9, or a further name the settings file maps.
  const auto endpoint = link::ComNumber(options.port)
                            ? link::ParseEndpoint(options.port, settings.ports)
                            : std::nullopt;
  if (!endpoint) {
    Say(Rendered(base::Message(KV_PATTERN("cli", "Неверный порт: %1")).ArgUtf8(options.port)));
    return std::nullopt;
  }
  return PortSetup{*endpoint, settings.ports};
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
  if (connection_) connection_->Close();
  if (options_.trace) std::cerr << link::FormatTrace(trace_);
}

bool Connection::Open() { return Start(false).has_value(); }

std::optional<link::ConnectOutcome> Connection::Connect() { return Start(true); }

std::optional<link::ConnectOutcome> Connection::Start(bool askRegister) {
  const auto choice = ChoosePort(options_);
  if (!choice) return std::nullopt;
  const link::Endpoint& endpoint = choice->endpoint;
  const int speed = LineSpeed(options_);
  Report().SetDevice(endpoint.Opened());

  auto factory = link::SystemLines();
  if (options_.trace) factory = link::TracedLineFactory(std::move(factory), trace_);
  link_ =
      std::make_unique<link::RegisterLink>(std::move(factory), clock_, priority_, choice->ports);
  link::ConnectResult result =
      askRegister ? link::Connect(*link_, endpoint, speed, options_.registerNumber)
                  : link::OpenRegisterPort(*link_, endpoint, speed, options_.registerNumber);
  if (!result.session) {
    const base::Message reason =
        result.outcome == link::ConnectOutcome::kBadSpeed
            ? base::Message(KV_PATTERN("cli", "Скорость %1 бит/с не поддерживается.")).Arg(speed)
            : link::PortFailureText(result, endpoint.Opened());
    Say(Rendered(base::Message(KV_PATTERN("cli", "Ошибка подключения: %1")).Arg(reason)));
    return std::nullopt;
  }
  connection_ = std::move(result.session);
  session_ =
      std::make_unique<tables::TableSession>(tables::TableSession{*link_, clock_, workspace_});
  session_->connectedRegister = options_.registerNumber;
  session_->connection = connection_.get();
  return result.outcome;
}

}  // namespace kvitmark::cli
