#pragma once

#include "base/message.h"
#include "link/endpoint.h"
#include "link/register_link.h"

namespace kvitmark::link {

// A connection as a front end holds it: the line the link has open, the endpoint and speed it
// was opened with, and the register it talks to. A line that failed is reopened from here,
// so it is always what was connected, whatever the front end shows by then.
class Session {
 public:
  // Over the line `link` has just opened on `endpoint` at `speed`.
  Session(RegisterLink& link, Endpoint endpoint, int speed, int registerNumber)
      : link_(link),
        endpoint_(std::move(endpoint)),
        speed_(speed),
        registerNumber_(registerNumber) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  RegisterLink& Link() const { return link_; }
  const Endpoint& Where() const { return endpoint_; }
  int Speed() const { return speed_; }
  int RegisterNumber() const { return registerNumber_; }
  // A search finds the register on a line it opened for several numbers.
  void SetRegisterNumber(int registerNumber) { registerNumber_ = registerNumber; }

  // Whether the link still has this session's line open.
  bool IsOpen() const;
  // Closes the line and opens the same endpoint at the same speed: the link's result of the
  // opening.
  int Reopen();
  // Sends the closing sequence and closes the line, when it is still this session's.
  void Close();

 private:
  RegisterLink& link_;
  Endpoint endpoint_;
  int speed_;
  int registerNumber_;
};

// Where a session is, in one line: "COM3 · 9600 бит/с · ЭККА 2". A device is named by the
// stable name it was opened through, a network register by its address.
base::Message SessionLine(const Session& session);

}  // namespace kvitmark::link
