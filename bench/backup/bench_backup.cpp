// What a backup and a restore of a whole register cost beyond the line: every table and the
// logo of the simulated register in memory read into a backup folder, then the folder
// checked and written onto a fresh register. The software time is the wall clock of an
// untraced run in virtual time (the program, the in-memory line, the simulated register and
// the files); the line time is every byte of a traced run at 115200 bit/s, 11 bits a byte
// (start, 8 data, 2 stop).
//
// Last line: "backup: line time Bs, software Xs (ratio X/B); restore: line time Rs, software Ys".
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/backup_check.h"
#include "backup/backup_operation.h"
#include "backup/restore_operation.h"
#include "bench/register_rig.h"
#include "logo/ui/bmp_logo_files.h"

namespace {

using namespace kvitmark;
using Seconds = std::chrono::duration<double>;

constexpr double kSpeed = 115200;
constexpr double kBitsPerByte = 11;
constexpr int kRounds = 5;

// A user who lets the run go: yes to the question, never "Стоп".
class QuietRun final : public backup::RunObserver {
 public:
  void ItemStarted(const backup::RunItem&) override {}
  void Started(const tables::OperationStart&) override {}
  void RecordDone(const tables::RecordStep&) override {}
  tables::FailureAnswer RecordFailed(int) override { return tables::FailureAnswer::kFinish; }
  void Tell(const tables::Notice&) override {}
  bool Confirm(const base::Message&) override { return true; }
  bool StopRequested() override { return false; }
  void Finished(const tables::OperationSummary&) override {}
};

double LineSeconds(const link::LineTrace& trace) {
  size_t bytes = 0;
  for (const auto& chunk : trace.Chunks()) bytes += chunk.bytes.size();
  return static_cast<double>(bytes) * kBitsPerByte / kSpeed;
}

struct Round {
  double backup = 0;   // seconds
  double restore = 0;  // the check included
};

// One backup of a factory register into `parent`, and its restore onto a fresh one.
Round Run(const std::string& parent, bool traced, double& backupLine, double& restoreLine) {
  logo::ui::BmpLogoFiles logoFiles;
  QuietRun quiet;
  Round round;
  bench::RegisterRig source(traced);
  auto start = std::chrono::steady_clock::now();
  const auto taken = backup::BackupRegister(source.session, quiet, logoFiles,
                                            {parent, "Datecs MP-50 Junior", std::time(nullptr)});
  round.backup = Seconds(std::chrono::steady_clock::now() - start).count();
  if (taken.outcome != backup::BackupOutcome::kComplete) std::abort();
  backupLine = LineSeconds(source.trace);

  bench::RegisterRig fresh(traced);
  start = std::chrono::steady_clock::now();
  auto check = backup::CheckBackup(taken.folder, {}, logoFiles);
  if (!check.backup) std::abort();
  const auto restored = backup::RestoreRegister(fresh.session, quiet, *check.backup);
  round.restore = Seconds(std::chrono::steady_clock::now() - start).count();
  if (!restored.confirmed || restored.stopped) std::abort();
  restoreLine = LineSeconds(fresh.trace);
  return round;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path parent = fs::temp_directory_path() / ("bench_backup_" + std::to_string(getpid()));
  fs::create_directories(parent);
  double backupLine = 0;
  double restoreLine = 0;
  Run(parent.string(), true, backupLine, restoreLine);
  std::vector<double> backups;
  std::vector<double> restores;
  for (int round = 0; round < kRounds; ++round) {
    double ignored = 0;
    const Round timed = Run(parent.string(), false, ignored, ignored);
    backups.push_back(timed.backup);
    restores.push_back(timed.restore);
  }
  fs::remove_all(parent);
  const double backup = Median(backups);
  const double restore = Median(restores);
  std::printf("a whole register (21 tables and the logo), median of %d rounds\n", kRounds);
  std::printf("software share of line time: backup %.2f %%, restore %.2f %%\n",
              100 * backup / backupLine, 100 * restore / restoreLine);
  std::printf(
      "backup: line time %.1fs, software %.3fs (ratio %.4f); restore: line time %.1fs, "
      "software %.3fs\n",
      backupLine, backup, backup / backupLine, restoreLine, restore);
  return 0;
}
