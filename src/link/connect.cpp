#include "link/connect.h"

#include <cerrno>

#include "link/result_codes.h"

namespace kvitmark::link {
namespace {

ConnectOutcome DeviceFailure(int openResult, int errorNumber) {
  if (openResult == kCannotConfigure) return ConnectOutcome::kNotSerial;
  switch (errorNumber) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return ConnectOutcome::kPortMissing;
    case EBUSY:
      return ConnectOutcome::kPortBusy;
    case EACCES:
    case EPERM:
      return ConnectOutcome::kNoPermission;
    default:
      return ConnectOutcome::kCannotOpen;
  }
}

}  // namespace

bool PortOpen(ConnectOutcome outcome) {
  return outcome == ConnectOutcome::kRegisterAnswered || outcome == ConnectOutcome::kNoRegister ||
         outcome == ConnectOutcome::kPortOpened;
}

ConnectResult OpenRegisterPort(RegisterLink& link, int port, int speed) {
  ConnectResult result;
  const int opened = link.OpenPort(port, speed);
  if (opened >= 0) {
    result.outcome = ConnectOutcome::kPortOpened;
    result.handle = opened;
  } else if (opened == kPortOutOfRange) {
    result.outcome = ConnectOutcome::kPortOutOfRange;
  } else if (opened == kSpeedNotOffered) {
    result.outcome = ConnectOutcome::kBadSpeed;
  } else {
    result.outcome = DeviceFailure(opened, link.LastErrorNumber());
    result.errorText = link.LastErrorText();
  }
  return result;
}

ConnectResult Connect(RegisterLink& link, int port, int speed, int registerNumber,
                      const std::function<void(const ConnectResult&)>& portOpened) {
  ConnectResult result = OpenRegisterPort(link, port, speed);
  if (result.outcome != ConnectOutcome::kPortOpened) return result;
  if (portOpened) portOpened(result);
  result.outcome = link.CheckPresence(registerNumber) < 0 ? ConnectOutcome::kNoRegister
                                                          : ConnectOutcome::kRegisterAnswered;
  return result;
}

}  // namespace kvitmark::link
