#pragma once

// Programs of ours run as a user runs them, as child processes: started with posix_spawn,
// stopped by their process id, never with sleeps.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace kvitmark::testing {

// Reads what is there on `fd` within `waitMs`; false at end of file or when nothing came.
inline bool ReadSome(int fd, int waitMs, std::string& into) {
  pollfd ready{fd, POLLIN, 0};
  if (poll(&ready, 1, waitMs) <= 0) return false;
  char buffer[1024];
  const ssize_t got = read(fd, buffer, sizeof buffer);
  if (got <= 0) return false;
  into.append(buffer, static_cast<size_t>(got));
  return true;
}

// How long a program may take to start or to stop before the test gives up on it.
inline constexpr int kStartStopLimitMs = 10000;

// A program of ours as a child process, its standard output and error on pipes of ours and
// its standard input from `input` (a file; /dev/null unless given), started in `folder` (the
// test's own unless given).
class ChildProcess {
 public:
  ChildProcess(const char* program, const std::vector<std::string>& options,
               const std::string& input = "/dev/null", const std::string& folder = "") {
    if (program == nullptr || *program == 0) {
      spawnError_ = "the program to test was not named";
      return;
    }
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    if (pipe2(err, O_CLOEXEC) != 0) {
      close(out[0]);
      close(out[1]);
      return;
    }
    std::vector<std::string> arguments = {program};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const int spawned = posix_spawn(&pid_, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
    if (spawned != 0) {
      pid_ = -1;
      spawnError_ = std::string("cannot start ") + program;
    }
  }

  ~ChildProcess() {
    if (pid_ > 0) Stop();
    if (out_ >= 0) close(out_);
    if (err_ >= 0) close(err_);
  }

  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Spawned() const { return pid_ > 0; }

  // The first line it prints, without its LF; empty when it ended or said nothing in time.
  std::string FirstLine() {
    std::string text;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartStopLimitMs);
    while (text.find('\n') == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || !ReadSome(out_, static_cast<int>(left.count()), text)) return "";
    }
    return text.substr(0, text.find('\n'));
  }

  // Asks it to stop (SIGTERM) and waits for it: its exit status, or -1 when it did not exit by
  // itself in time (it is killed then) or was ended by a signal.
  int Stop() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    return Wait();
  }

  // Waits for it to end by itself; one that does not end in time is killed. A command that
  // works for long (a whole register, in a sanitizer build) is given a longer limit.
  int Wait(int limitMs = kStartStopLimitMs) {
    if (pid_ <= 0) return -1;
    // <sys/pidfd.h> of this glibc lacks C linkage, hence the bare system call.
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (pidFd >= 0) {
      pollfd ended{pidFd, POLLIN, 0};
      if (poll(&ended, 1, limitMs) <= 0) kill(pid_, SIGKILL);
      close(pidFd);
    }
    int status = 0;
    const pid_t waited = waitpid(pid_, &status, 0);
    pid_ = -1;
    while (ReadSome(err_, 0, errorOutput_)) {
    }
    if (waited <= 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
  }

  // What it wrote to its standard error (complete once it has ended).
  std::string ErrorOutput() const { return spawnError_ + errorOutput_; }
  // Everything it wrote to its standard output, up to its end (or a silence of `limitMs`).
  std::string AllOutput(int limitMs = kStartStopLimitMs) {
    std::string text;
    while (ReadSome(out_, limitMs, text)) {
    }
    return text;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  std::string spawnError_;
  std::string errorOutput_;
};

// A simulator that serves a pseudo-terminal.
class RunningSim {
 public:
  explicit RunningSim(const std::vector<std::string>& options)
      : process_(KVITMARK_SIM_PATH, options) {
    if (process_.Spawned()) devicePath_ = process_.FirstLine();
    // One that does not serve is stopped at once, so that what it said is there to show.
    if (devicePath_.empty()) process_.Stop();
  }

  bool Started() const { return !devicePath_.empty(); }
  const std::string& DevicePath() const { return devicePath_; }
  int Stop() { return process_.Stop(); }
  int Wait() { return process_.Wait(); }
  std::string ErrorOutput() const { return process_.ErrorOutput(); }

 private:
  ChildProcess process_;
  std::string devicePath_;
};

}  // namespace kvitmark::testing
