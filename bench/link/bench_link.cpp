// How much of a record exchange is the program's own time, and how much the line's.
//
// Reads and writes goods records through RegisterLink over two lines: the simulated register in
// memory (virtual time, so only the software counts) and kvitmark-sim on a pseudo-terminal (real
// time: the link, the kernel's tty layer, the simulator process and the scheduler in between). A
// pseudo-terminal moves bytes at memory speed, so in both cases the wall-clock time per record is
// software time. It is set against the time the record's bytes would take on a real line at
// 115200 bit/s, 11 bits a byte (start, 8 data, 2 stop). The time is taken in an untraced run and
// the bytes are counted in a traced run of the same records, so that the trace's own cost never
// reaches the figures.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/cp1251.h"
#include "link/line_trace.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/system_lines.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"

extern char** environ;

namespace {

using kvitmark::base::Cp1251;
using kvitmark::link::LineFactory;
using kvitmark::link::LineTrace;
using kvitmark::link::RegisterLink;

constexpr int kRecords = 2000;  // read, then written, goods records 1..kRecords
constexpr int kRegister = 1;
constexpr int kGoodsTable = 0;
constexpr int kSpeed = 115200;
constexpr double kBitsPerByte = 11.0;

// What one kind of exchange cost: time in a run without trace, bytes in a run with it.
struct Figures {
  double seconds = 0;
  uint64_t sent = 0;
  uint64_t received = 0;
  int failures = 0;

  uint64_t Bytes() const { return sent + received; }
  double LineSeconds() const { return static_cast<double>(Bytes()) * kBitsPerByte / kSpeed; }
};

struct PathFigures {
  Figures reads;
  Figures writes;
};

std::string GoodsRecord(int n) {
  static const std::string name = Cp1251("Товар");
  return std::to_string(n) + ";" + name + std::to_string(n) + ";0.00;0.000;1;1;1;1;0;0;";
}

bool ReadAll(RegisterLink& link) {
  bool allRead = true;
  std::string text;
  for (int n = 1; n <= kRecords; ++n) {
    if (link.ReadRecord(kRegister, kGoodsTable, n, text, 0) < 0) allRead = false;
  }
  return allRead;
}

bool WriteAll(RegisterLink& link) {
  bool allWritten = true;
  for (int n = 1; n <= kRecords; ++n) {
    if (link.WriteRecord(kRegister, kGoodsTable, n, GoodsRecord(n), 0) < 0) allWritten = false;
  }
  return allWritten;
}

// Reads every record, then writes every record, through a link on `factory`'s COM1; with
// `trace`, counts the bytes of each phase, else times it.
bool RunRecords(const LineFactory& factory, kvitmark::base::Clock& clock, LineTrace* trace,
                PathFigures& figures) {
  kvitmark::link::NicePriority priority;
  RegisterLink link(trace ? kvitmark::link::TracedLineFactory(factory, *trace) : factory, clock,
                    priority);
  if (link.OpenPort(1, kSpeed) < 0) {
    std::fprintf(stderr, "bench_link: cannot open the port: %s\n",
                 kvitmark::base::RenderUtf8(link.LastError()).c_str());
    return false;
  }
  const struct {
    std::function<bool(RegisterLink&)> run;
    Figures& figures;
  } phases[] = {{ReadAll, figures.reads}, {WriteAll, figures.writes}};
  for (const auto& phase : phases) {
    if (trace) trace->Clear();
    const auto start = std::chrono::steady_clock::now();
    const bool complete = phase.run(link);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!complete) ++phase.figures.failures;
    if (trace) {
      phase.figures.sent = trace->AllSent().size();
      phase.figures.received = trace->AllReceived().size();
    } else {
      phase.figures.seconds = elapsed.count();
    }
  }
  link.ClosePort(1);
  return true;
}

bool MemoryPath(PathFigures& figures) {
  // A fresh register for each run, so that both runs exchange the same bytes.
  for (const bool traced : {false, true}) {
    kvitmark::base::VirtualClock clock;
    kvitmark::sim::SimRegister simRegister(kRegister, kvitmark::sim::FactoryTables());
    kvitmark::sim::MemoryWire wire(simRegister, clock);
    LineTrace trace;
    if (!RunRecords(wire.Factory(), clock, traced ? &trace : nullptr, figures)) return false;
  }
  return true;
}

// kvitmark-sim as a child process, stopped by its process id.
class SimProcess {
 public:
  SimProcess() {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char program[] = KVITMARK_SIM_PATH;
    char* argv[] = {program, nullptr};
    if (posix_spawn(&pid_, program, &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // The first line is the device it serves.
    std::string line;
    for (char c; pid_ > 0 && line.find('\n') == std::string::npos;) {
      pollfd ready{out[0], POLLIN, 0};
      if (poll(&ready, 1, 10000) <= 0 || read(out[0], &c, 1) != 1) break;
      line.push_back(c);
    }
    close(out[0]);
    if (line.ends_with('\n')) devicePath_ = line.substr(0, line.size() - 1);
  }

  ~SimProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "bench_link: kvitmark-sim did not end cleanly (status %d)\n", status);
    }
  }

  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& DevicePath() const { return devicePath_; }

 private:
  pid_t pid_ = -1;
  std::string devicePath_;
};

bool PtyPath(PathFigures& figures, std::string& devicePath) {
  for (const bool traced : {false, true}) {
    SimProcess sim;
    if (sim.DevicePath().empty()) {
      std::fprintf(stderr, "bench_link: kvitmark-sim (%s) did not start\n", KVITMARK_SIM_PATH);
      return false;
    }
    devicePath = sim.DevicePath();
    kvitmark::base::RealClock clock;
    LineTrace trace;
    const auto factory = [devicePath](const kvitmark::link::Endpoint&) {
      return kvitmark::link::LineFor(kvitmark::link::DeviceEndpoint(devicePath));
    };
    if (!RunRecords(factory, clock, traced ? &trace : nullptr, figures)) {
      return false;
    }
  }
  return true;
}

void PrintPhase(const char* path, const char* kind, const Figures& figures) {
  std::printf(
      "%-6s %-6s %8.1f us/record software, %6.1f bytes/record (%5.1f sent, %5.1f received),"
      " %6.3f ms/record on the line%s\n",
      path, kind, figures.seconds / kRecords * 1e6, static_cast<double>(figures.Bytes()) / kRecords,
      static_cast<double>(figures.sent) / kRecords,
      static_cast<double>(figures.received) / kRecords, figures.LineSeconds() / kRecords * 1e3,
      figures.failures ? "  SOME RECORDS FAILED" : "");
}

// Software time per record over line time per record, reads and writes together.
double Ratio(const PathFigures& figures) {
  return (figures.reads.seconds + figures.writes.seconds) /
         (figures.reads.LineSeconds() + figures.writes.LineSeconds());
}

}  // namespace

int main() {
  std::printf("%d reads and %d writes of goods records, register %d, %d bit/s, %.0f bits a byte\n",
              kRecords, kRecords, kRegister, kSpeed, kBitsPerByte);
  PathFigures memory;
  PathFigures pty;
  std::string devicePath;
  if (!MemoryPath(memory) || !PtyPath(pty, devicePath)) return 1;

  PrintPhase("memory", "read", memory.reads);
  PrintPhase("memory", "write", memory.writes);
  PrintPhase("pty", "read", pty.reads);
  PrintPhase("pty", "write", pty.writes);
  std::printf("pty: kvitmark-sim on %s\n", devicePath.c_str());
  const bool failed =
      memory.reads.failures || memory.writes.failures || pty.reads.failures || pty.writes.failures;
  if (failed) {
    std::fprintf(stderr, "bench_link: some exchanges failed; the figures mean nothing\n");
    return 1;
  }
  std::printf("line-time ratio: memory %.4f pty %.4f\n", Ratio(memory), Ratio(pty));
  return 0;
}
