#pragma once

#include <functional>
#include <memory>

#include "base/message.h"
#include "link/endpoint.h"
#include "link/register_link.h"
#include "link/session.h"

// Connecting: opening an endpoint and asking the register whether it is there. The window
// and kvitmark-cli show the outcome each in their own way; what went wrong is decided here
// once, and what is connected is the session they both hold.
namespace kvitmark::link {

enum class ConnectOutcome {
  kRegisterAnswered,  // the port is open and the register answered
  kNoRegister,        // the port is open, but no register with that number answered
  kPortOpened,        // the port is open; the register was not asked
  kPortOutOfRange,    // not COM1 to COM9, nor a further COM name the settings map
  kBadSpeed,          // a speed the link does not offer
  kPortMissing,       // no such device
  kPortBusy,          // another program (or another open) holds the device
  kNoPermission,      // the user may not open the device
  kNotSerial,         // the device refused the line settings
  kNoConnection,      // a port on the network: no connection (refused, unreachable, no answer)
  kCannotOpen,        // the device could not be opened for another reason
};

struct ConnectResult {
  ConnectOutcome outcome = ConnectOutcome::kCannotOpen;
  int handle = -1;      // the open port's, while it is open
  base::Message error;  // why the device did not open, in the system's words
  int errorNumber = 0;  // the system's error number behind them, 0 when it gave none
  // The open line, for the outcomes that leave it open.
  std::unique_ptr<Session> session;
};

// True for the outcomes that leave the port open.
bool PortOpen(ConnectOutcome outcome);

// Opens `endpoint` at `speed` for register `registerNumber`, without asking the register:
// kPortOpened with its session, or why not.
ConnectResult OpenRegisterPort(RegisterLink& link, const Endpoint& endpoint, int speed,
                               int registerNumber);

// Opens `endpoint` and asks register `registerNumber` whether it is there. `portOpened` is
// told as soon as the port is open, before the asking, which takes seconds, so that a window
// can say so meanwhile. The port stays open (and the session with it) when no register
// answered.
ConnectResult Connect(RegisterLink& link, const Endpoint& endpoint, int speed, int registerNumber,
                      const std::function<void(const ConnectResult&)>& portOpened = nullptr);

}  // namespace kvitmark::link
