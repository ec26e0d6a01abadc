// Opening and closing the one serial port, and the end-of-exchange sequence.
#include <cerrno>

#include "link/line_bytes.h"
#include "link/mode_string.h"
#include "link/register_link.h"
#include "link/result_codes.h"

namespace kvitmark::link {

RegisterLink::RegisterLink(LineFactory lineFactory, base::Clock& clock, PriorityControl& priority,
                           PortMap ports)
    : lineFactory_(std::move(lineFactory)),
      clock_(clock),
      priority_(priority),
      ports_(std::move(ports)) {}

RegisterLink::~RegisterLink() {
  if (line_) {
    line_->Close();
    UnlockLinkMemory();
  }
}

int RegisterLink::OpenPort(int port, int speed) {
  LockLinkMemory();
  readTimeout_ = kUsualReadTimeout;
  if (port < 1 || port > kLinkPorts) return kPortOutOfRange;
  return OpenLine(Endpoint::Com(port, ports_), speed);
}

int RegisterLink::Open(const Endpoint& endpoint, int speed) {
  LockLinkMemory();
  readTimeout_ = kUsualReadTimeout;
  if (endpoint.Opened().empty()) return kPortOutOfRange;
  return OpenLine(endpoint, speed);
}

int RegisterLink::OpenLine(const Endpoint& endpoint, int speed) {
  const auto speedText = SpeedText(speed);
  if (!speedText) return kSpeedNotOffered;

  const std::string modeString = BuildModeString(endpoint.Name(), *speedText);
  auto line = lineFactory_(endpoint);
  if (!line) {
    lastError_ = base::Message::DataUtf8("no such port");
    lastErrorNumber_ = ENODEV;
    return kCannotOpenDevice;
  }
  if (!line->Open()) return OpenFailed(*line, kCannotOpenDevice);
  // Built just above from an offered speed, the text after the name always describes a line.
  LineSettings settings =
      *ParseLineParameters(std::string_view(modeString).substr(endpoint.Name().size() + 1));
  settings.dtrEnabled = true;
  if (!line->Configure(settings) || !line->SetReadTimeout(base::Milliseconds(readTimeout_))) {
    // Nothing stays held behind a failed open.
    const int result = OpenFailed(*line, kCannotConfigure);
    line->Close();
    return result;
  }
  // Adapters and ptys without modem lines refuse these; the line works regardless.
  (void)line->SetDtr(true);
  (void)line->SetRts(false);
  // Whatever the register left on the line while nobody listened is not a reply.
  (void)line->ReadByte();
  line->Purge();

  if (line_) line_->Close();  // a port opened over an open one replaces it
  line_ = std::move(line);
  modeString_ = modeString;
  openEndpoint_ = endpoint;
  lastError_ = {};
  lastErrorNumber_ = 0;
  return line_->Handle();
}

int RegisterLink::OpenFailed(const SerialLine& line, int result) {
  // A port that was open before stays open.
  lastError_ = line.Error();
  lastErrorNumber_ = line.ErrorNumber();
  return result;
}

int RegisterLink::ClosePort(int port) {
  UnlockLinkMemory();
  if (port < 1 || port != OpenPortNumber()) return kNotTheOpenPort;
  return Close();
}

int RegisterLink::Close() {
  UnlockLinkMemory();
  if (!line_) return kNotTheOpenPort;
  lineFailed_ = false;
  SendClosing();
  line_->Drain();
  const bool closed = line_->Close();
  line_.reset();
  return closed ? 1 : kNotTheOpenPort;
}

int RegisterLink::EndExchange() {
  lineFailed_ = false;
  return EndExchangeWithinCall();
}

int RegisterLink::EndExchangeWithinCall() {
  if (!line_) return kNoPortOpen;
  PriorityBracket bracket(priority_);
  SendClosing();
  PauseJustOverOneSecond();
  return 1;
}

bool RegisterLink::SetReadTimeout(uint32_t milliseconds) {
  if (!line_) return false;
  if (!line_->SetReadTimeout(base::Milliseconds(milliseconds))) return false;
  readTimeout_ = milliseconds;
  return true;
}

void RegisterLink::PauseJustOverOneSecond() {
  // The register needs a full second of quiet after a closing sequence; "just over"
  // so that a coarse clock cannot make it shorter.
  const auto start = clock_.Now();
  constexpr base::Milliseconds kPause{1001};
  for (auto elapsed = clock_.Now() - start; elapsed < kPause; elapsed = clock_.Now() - start) {
    clock_.Sleep(kPause - elapsed);
  }
}

}  // namespace kvitmark::link
