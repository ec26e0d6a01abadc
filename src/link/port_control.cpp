// Opening and closing the one serial port, and the end-of-exchange sequence.
#include "link/line_bytes.h"
#include "link/mode_string.h"
#include "link/register_link.h"
#include "link/result_codes.h"

namespace kvitmark::link {

RegisterLink::RegisterLink(LineFactory lineFactory, base::Clock& clock, PriorityControl& priority)
    : lineFactory_(std::move(lineFactory)), clock_(clock), priority_(priority) {}

RegisterLink::~RegisterLink() {
  if (state_.line) {
    state_.line->Close();
    UnlockLinkMemory();
  }
}

int RegisterLink::OpenPort(int port, int speed) {
  LockLinkMemory();
  state_.timeouts = CommTimeouts{};
  if (port < 1 || port > 9) return kPortOutOfRange;
  const auto speedText = SpeedText(speed);
  if (!speedText) return kSpeedNotOffered;

  const std::string modeString = BuildModeString(port, *speedText);
  auto line = lineFactory_(port);
  if (!line || !line->Open()) {
    lastErrorText_ = line ? line->ErrorText() : "no such port";
    state_.openFlag = -1;
    return kCannotOpenDevice;
  }
  // From here a failure closes the device again: nothing stays held behind a failed open.
  auto settings = ParseModeString(modeString);
  if (!settings) {
    lastErrorText_ = "bad mode string " + modeString;
    line->Close();
    state_.openFlag = -1;
    return kModeRejected;
  }
  settings->dtrEnabled = true;
  if (!line->Configure(*settings) ||
      !line->SetReadTimeout(base::Milliseconds(state_.timeouts.readTotalTimeoutConstant))) {
    lastErrorText_ = line->ErrorText();
    line->Close();
    state_.openFlag = -1;
    return kCannotConfigure;
  }
  // Adapters and ptys without modem lines refuse these; the line works regardless.
  (void)line->SetDtr(true);
  (void)line->SetRts(false);
  // Whatever the register left on the line while nobody listened is not a reply.
  (void)line->ReadByte();
  line->Purge();

  if (state_.line) state_.line->Close();  // a port opened over an open one replaces it
  state_.line = std::move(line);
  state_.modeString = modeString;
  state_.lineSettings = *settings;
  state_.openFlag = 1;
  state_.portNumber = port;
  lastErrorText_.clear();
  return state_.line->Handle();
}

int RegisterLink::ClosePort(int port) {
  UnlockLinkMemory();
  if (port != state_.portNumber || !state_.line) return kNotTheOpenPort;
  lineFailed_ = false;
  SendClosing();
  state_.openFlag = -1;
  state_.portNumber = -1;
  state_.line->Drain();
  const bool closed = state_.line->Close();
  state_.line.reset();
  return closed ? 1 : kNotTheOpenPort;
}

int RegisterLink::EndExchange() {
  lineFailed_ = false;
  return EndExchangeWithinCall();
}

int RegisterLink::EndExchangeWithinCall() {
  if (state_.openFlag == -1 || state_.portNumber == -1 || !state_.line) return kNoPortOpen;
  PriorityBracket bracket(priority_);
  SendClosing();
  PauseJustOverOneSecond();
  return 1;
}

bool RegisterLink::SetReadTimeout(uint32_t milliseconds) {
  if (!state_.line) return false;
  if (!state_.line->SetReadTimeout(base::Milliseconds(milliseconds))) return false;
  state_.timeouts = CommTimeouts{};
  state_.timeouts.readTotalTimeoutConstant = milliseconds;
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
