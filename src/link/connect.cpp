#include "link/connect.h"

#include <cerrno>

#include "link/result_codes.h"

namespace kvitmark::link {
namespace {

ConnectOutcome DeviceFailure(int openResult, int errorNumber) {
  // A connection that dropped while the line was set up is no connection, not a device
  // that refused its settings.
  if (openResult == kCannotConfigure && errorNumber != ECONNRESET) {
    return ConnectOutcome::kNotSerial;
  }
  // A far side that never took up RFC 2217 would not have taken the line settings either.
  if (errorNumber == EPROTONOSUPPORT) return ConnectOutcome::kNotSerial;
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
    // A port on the network (a device path never fails so).
    case ECONNREFUSED:
    case ETIMEDOUT:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
    case ECONNRESET:
    case EADDRNOTAVAIL:
    case EDESTADDRREQ:
      return ConnectOutcome::kNoConnection;
    default:
      return ConnectOutcome::kCannotOpen;
  }
}

}  // namespace

bool PortOpen(ConnectOutcome outcome) {
  return outcome == ConnectOutcome::kRegisterAnswered || outcome == ConnectOutcome::kNoRegister ||
         outcome == ConnectOutcome::kPortOpened;
}

ConnectResult OpenRegisterPort(RegisterLink& link, const Endpoint& endpoint, int speed,
                               int registerNumber) {
  ConnectResult result;
  const int opened = link.Open(endpoint, speed);
  if (opened >= 0) {
    result.outcome = ConnectOutcome::kPortOpened;
    result.handle = opened;
    result.session = std::make_unique<Session>(link, endpoint, speed, registerNumber);
  } else if (opened == kPortOutOfRange) {
    result.outcome = ConnectOutcome::kPortOutOfRange;
  } else if (opened == kSpeedNotOffered) {
    result.outcome = ConnectOutcome::kBadSpeed;
  } else {
    result.outcome = DeviceFailure(opened, link.LastErrorNumber());
    result.error = link.LastError();
    result.errorNumber = link.LastErrorNumber();
  }
  return result;
}

ConnectResult Connect(RegisterLink& link, const Endpoint& endpoint, int speed, int registerNumber,
                      const std::function<void(const ConnectResult&)>& portOpened) {
  ConnectResult result = OpenRegisterPort(link, endpoint, speed, registerNumber);
  if (result.outcome != ConnectOutcome::kPortOpened) return result;
  if (portOpened) portOpened(result);
  result.outcome = link.CheckPresence(registerNumber) < 0 ? ConnectOutcome::kNoRegister
                                                          : ConnectOutcome::kRegisterAnswered;
  return result;
}

}  // namespace kvitmark::link
