#include "sim/sim_options.h"

#include <map>

#include "base/whole_number.h"

namespace kvitmark::sim {

const char* const kSimUsage =
    "usage: kvitmark-sim [options]\n"
    "A simulated Datecs MP-50 Junior on a pseudo-terminal. Prints the device path on its\n"
    "first line, serves until SIGTERM or SIGINT.\n"
    "  --register N        register number, 1 to 99 (default 1)\n"
    "  --tty PATH          serve this serial device instead of a new pseudo-terminal\n"
    "  --speed N           answer only while the line runs at N bit/s (default: at any\n"
    "                      speed); the speed --tty is set to (default 115200)\n"
    "  --link PATH         make PATH a symbolic link to the device served\n"
    "  --table T=FILE      load table T from FILE, one record text per line\n"
    "  --save              write the --table files back on exit\n"
    "  --pace              send and take each byte in the time it takes on a real line at\n"
    "                      the speed the program set (11 bits a byte)\n"
    "  --fault NAME[=N]    misbehave; N (default 1) counts replies:\n"
    "                      silent, refuse=N, corrupt-check=N, nak=N, half-reply=N,\n"
    "                      trickle-under=N, trickle-over=N, garbage-before-lf=N,\n"
    "                      double-ack=N, overlong-reply=N, hangup=N, ignore-frames=N,\n"
    "                      stale=TEXT (bytes waiting at the next port open),\n"
    "                      answer-as=N (answer to register N only)\n";

namespace {

bool ParseNumber(std::string_view text, int& value) {
  const auto number = base::WholeNumber(text);
  if (number) value = *number;
  return number.has_value();
}

bool ApplyFault(const std::string& fault, SimFaults& faults, std::string& error) {
  const auto equals = fault.find('=');
  const std::string name = fault.substr(0, equals);
  const std::string value = equals == std::string::npos ? "" : fault.substr(equals + 1);
  if (name == "silent") {
    faults.silent = true;
    return true;
  }
  if (name == "stale") {
    faults.staleBytes = value.empty() ? std::string("\x06\x0A\x55") : value;
    return true;
  }
  const std::map<std::string, int SimFaults::*> counted = {
      {"refuse", &SimFaults::refuse},
      {"corrupt-check", &SimFaults::corruptCheck},
      {"nak", &SimFaults::nak},
      {"half-reply", &SimFaults::halfReply},
      {"trickle-under", &SimFaults::trickleUnder},
      {"trickle-over", &SimFaults::trickleOver},
      {"garbage-before-lf", &SimFaults::garbageBeforeLf},
      {"double-ack", &SimFaults::doubleAck},
      {"overlong-reply", &SimFaults::overlongReply},
      {"hangup", &SimFaults::hangup},
      {"ignore-frames", &SimFaults::ignoreFrames},
      {"answer-as", &SimFaults::answerAs},
  };
  const auto found = counted.find(name);
  if (found == counted.end()) {
    error = "unknown fault: " + name;
    return false;
  }
  int count = 1;
  if (!value.empty() && (!ParseNumber(value, count) || count < 0)) {
    error = "bad count for fault " + name + ": " + value;
    return false;
  }
  faults.*(found->second) = count;
  return true;
}

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& arguments, std::string& error) {
  SimOptions options;
  error.clear();
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= arguments.size()) {
        error = option + " needs a value";
        return false;
      }
      out = arguments[++i];
      return true;
    };
    std::string text;
    if (option == "--help" || option == "-h") {
      options.help = true;
    } else if (option == "--save") {
      options.save = true;
    } else if (option == "--pace") {
      options.pace = true;
    } else if (option == "--register") {
      if (!value(text)) break;
      if (!ParseNumber(text, options.registerNumber) || options.registerNumber < 1 ||
          options.registerNumber > 99) {
        error = "register number must be 1 to 99: " + text;
      }
    } else if (option == "--speed") {
      if (!value(text)) break;
      if (!ParseNumber(text, options.speed) || options.speed <= 0) {
        error = "speed must be a whole number of bit/s above 0: " + text;
      }
      options.answerSpeed = options.speed;
    } else if (option == "--tty") {
      value(options.tty);
    } else if (option == "--link") {
      value(options.link);
    } else if (option == "--table") {
      if (!value(text)) break;
      const auto equals = text.find('=');
      int table = 0;
      if (equals == std::string::npos || equals + 1 == text.size() ||
          !ParseNumber(std::string_view(text).substr(0, equals), table)) {
        error = "--table wants T=FILE: " + text;
      } else {
        options.tableFiles.emplace_back(table, text.substr(equals + 1));
      }
    } else if (option == "--fault") {
      if (!value(text)) break;
      ApplyFault(text, options.faults, error);
    } else {
      error = "unknown option: " + option;
    }
    if (!error.empty()) break;
  }
  return options;
}

}  // namespace kvitmark::sim
