#include "cli/connection.h"

#include <filesystem>
#include <iostream>

#include "app/ini_file.h"
#include "app/settings.h"
#include "base/cp1251.h"
#include "link/port_map.h"
#include "link/result_codes.h"

namespace kvitmark::cli {
namespace {

// COMn → n, or 0 when the text names no port 1 to 9.
int PortNumber(const std::string& name) {
  if (name.size() != 4 || !app::EqualIgnoringCase(name.substr(0, 3), "COM")) return 0;
  const char digit = name[3];
  return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

}  // namespace

void PreparePages(tables::Workspace& workspace) {
  tables::PrepareGrids(workspace);
  tables::ApplyTypeLayout(workspace, 0);
  workspace.typeIndex = 0;
}

Connection::Connection(const ConnectionOptions& options) : options_(options) {
  PreparePages(workspace_);
  host_ = std::make_unique<TerminalHost>(workspace_, options.onError, options.assumeYes);
}

Connection::~Connection() {
  if (link_ && link_->OpenPortNumber() > 0) link_->ClosePort(link_->OpenPortNumber());
  if (options_.trace) std::cerr << link::FormatTrace(trace_);
}

bool Connection::Open() {
  // The settings file is read, never created or changed.
  const auto ini = app::IniFile::Open(
      (std::filesystem::current_path() / std::string(app::kSettingsFileName)).string());
  std::string portName = options_.port;
  if (portName.empty()) portName = ini.Get("Communication", "SerialPort", "COM1", 9);
  link::PortMap ports;
  for (int port = 1; port <= 9; ++port) {
    const std::string device = ini.Get("Ports", "COM" + std::to_string(port), "", 499);
    if (!device.empty()) ports[port] = device;
  }
  port_ = PortNumber(portName);
  if (!options_.device.empty()) {
    port_ = 1;
    ports[1] = options_.device;
  }
  if (port_ == 0) {
    std::cerr << base::Cp1251ToUtf8(base::Cp1251("Неверный порт: ")) << portName << '\n';
    return false;
  }
  if (options_.speed) {
    speed_ = *options_.speed;
  } else {
    speed_ = std::atoi(ini.Get("Communication", "Speed", "4800", 9).c_str());
  }

  auto factory = link::PosixLineFactory(ports);
  if (options_.trace) factory = link::TracedLineFactory(std::move(factory), trace_);
  link_ = std::make_unique<link::RegisterLink>(std::move(factory), clock_, priority_);
  const int handle = link_->OpenPort(port_, speed_);
  if (handle < 0) {
    std::string reason;
    if (handle == link::kSpeedNotOffered) {
      reason = "Скорость " + std::to_string(speed_) + " бит/с не поддерживается.";
    } else {
      reason = link_->LastErrorText();
    }
    std::cerr << base::Cp1251ToUtf8(base::Cp1251("Ошибка подключения: ")) << reason << '\n';
    return false;
  }
  session_ = std::make_unique<tables::TableSession>(
      tables::TableSession{*link_, clock_, workspace_, *host_});
  session_->connectedRegister = options_.registerNumber;
  session_->openedPort = port_;
  session_->openedSpeed = speed_;
  session_->portHandle = handle;
  return true;
}

}  // namespace kvitmark::cli
