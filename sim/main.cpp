// kvitmark-sim: a simulated register on a pseudo-terminal, for training, demos and tests.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "sim/pty_server.h"
#include "sim/sim_options.h"
#include "sim/sim_register.h"
#include "sim/table_files.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: poll() must return and see the flag
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kvitmark::sim;
  std::string error;
  const SimOptions options =
      ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!error.empty()) {
    std::fprintf(stderr, "kvitmark-sim: %s\n%s", error.c_str(), kSimUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kSimUsage, stdout);
    return 0;
  }

  SimTables tables = FactoryTables();
  for (const auto& [number, path] : options.tableFiles) {
    const auto table = tables.find(number);
    if (table == tables.end()) {
      std::fprintf(stderr, "kvitmark-sim: the register has no table %d\n", number);
      return 2;
    }
    if (!LoadTableFile(path, table->second, error)) {
      std::fprintf(stderr, "kvitmark-sim: %s\n", error.c_str());
      return 2;
    }
  }

  SimRegister simRegister(options.registerNumber, std::move(tables));
  simRegister.Faults() = options.faults;
  simRegister.AnswerOnlyAt(options.answerSpeed);
  PtyServer server(simRegister);
  server.PaceLikeALine(options.pace);
  const bool opened = options.tty.empty() ? server.OpenPseudoTerminal(error)
                                          : server.OpenDevice(options.tty, options.speed, error);
  if (!opened) {
    std::fprintf(stderr, "kvitmark-sim: %s\n", error.c_str());
    return 1;
  }
  if (!options.link.empty()) {
    unlink(options.link.c_str());
    if (symlink(server.DevicePath().c_str(), options.link.c_str()) != 0) {
      std::perror(("kvitmark-sim: " + options.link).c_str());
      return 1;
    }
  }
  std::printf("%s\n", server.DevicePath().c_str());
  std::fflush(stdout);

  InstallStopHandlers();
  server.Run(stopRequested);

  int status = 0;
  if (options.save) {
    for (const auto& [number, path] : options.tableFiles) {
      if (!SaveTableFile(path, simRegister.Tables().at(number), error)) {
        std::fprintf(stderr, "kvitmark-sim: %s\n", error.c_str());
        status = 1;
      }
    }
  }
  if (!options.link.empty()) unlink(options.link.c_str());
  if (simRegister.HungUp()) std::fprintf(stderr, "kvitmark-sim: hung up as asked\n");
  return status;
}
