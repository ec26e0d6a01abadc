#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/clock.h"
#include "cli/cli_options.h"
#include "cli/terminal_observer.h"
#include "link/connect.h"
#include "link/endpoint.h"
#include "link/line_trace.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/session.h"
#include "tables/operations.h"
#include "tables/workspace.h"

namespace kvitmark::cli {

// An open port to the register with everything an operation needs around it: the pages'
// data (the Junior layout), the terminal observer and the sessions (the link's and the
// tables').
class Connection {
 public:
  explicit Connection(const ConnectionOptions& options);
  ~Connection();

  // Opens the port; false (with the reason on standard error) when it cannot.
  bool Open();
  // Opens the port and asks the register whether it is there: kRegisterAnswered or
  // kNoRegister; nothing (with the reason on standard error) when the port did not open.
  std::optional<link::ConnectOutcome> Connect();
  tables::TableSession& Session() { return *session_; }
  tables::Workspace& Workspace() { return workspace_; }
  TerminalObserver& Observer() { return observer_; }

 private:
  std::optional<link::ConnectOutcome> Start(bool askRegister);

  ConnectionOptions options_;
  base::RealClock clock_;
  link::NicePriority priority_;
  link::LineTrace trace_;
  tables::Workspace workspace_;
  TerminalObserver observer_;
  std::unique_ptr<link::RegisterLink> link_;
  std::unique_ptr<link::Session> connection_;
  std::unique_ptr<tables::TableSession> session_;
};

// The port the options name (--device is a device by its own name), else the one Tabulon.ini
// stores, with the devices behind the COM names; nothing (the reason on standard error) for a
// name that is no port.
struct PortSetup {
  link::Endpoint endpoint;
  link::PortMap ports;
};
std::optional<PortSetup> ChoosePort(const ConnectionOptions& options);

// The line speed the options give, else the one Tabulon.ini stores (read, never written).
int LineSpeed(const ConnectionOptions& options);

// A fresh copy of the window's pages as the program has them after start-up.
void PreparePages(tables::Workspace& workspace);

}  // namespace kvitmark::cli
