// What loading and saving a table file costs beyond moving its bytes: a full goods file
// (14000 lines) loaded into and saved from the core page, against reading and writing the
// same bytes line by line through one buffered stream.
//
// Also the settings file as the window reads it at every activation, grown to the largest
// size it is read at (1 MiB of short keys).
//
// Last line: "files ratio: load X.X save Y.Y" (table file time / plain stream time).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "files/table_files.h"
#include "sim/sim_tables.h"
#include "tables/workspace.h"

namespace {

using Seconds = std::chrono::duration<double>;

template <typename Work>
double Time(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return Seconds(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

constexpr int kRounds = 9;

}  // namespace

int main() {
  namespace fs = std::filesystem;
  using namespace kvitmark;
  using tables::PageId;
  const fs::path folder = fs::temp_directory_path() / ("bench_files_" + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string goodsPath = (folder / "goods.art").string();
  const std::string savedPath = (folder / "saved.art").string();
  const std::string plainPath = (folder / "plain.art").string();

  const sim::SimTables tables = sim::FactoryTables();
  std::vector<std::string> lines;
  for (const auto& record : tables.at(0).records) lines.push_back(record + "\r\n");
  for (size_t n = 0; n < lines.size(); n += 3) {
    lines[n] = std::to_string(n + 1) + ";" + std::string(24, 'G') + ";123.45;10.000;1;2;1;0;0;" +
               "4820000000017;\r\n";
  }
  {
    std::ofstream out(goodsPath, std::ios::binary);
    for (const auto& line : lines) out << line;
  }
  const auto bytes = fs::file_size(goodsPath);

  std::vector<double> loadRatios, saveRatios, loads, saves, plainReads, plainWrites;
  for (int round = 0; round < kRounds; ++round) {
    tables::Workspace workspace;
    tables::PrepareGrids(workspace);
    tables::ApplyTypeLayout(workspace, 0);
    workspace.typeIndex = 0;
    // The page's storage, as a user has it.
    files::LoadTableFile(workspace, PageId::kGoods, goodsPath);

    const double load = Time([&] {
      if (!files::LoadTableFile(workspace, PageId::kGoods, goodsPath).done) std::abort();
    });
    const double plainRead = Time([&] {
      std::ifstream in(goodsPath, std::ios::binary);
      std::string line;
      size_t total = 0;
      while (std::getline(in, line)) total += line.size() + 1;
      if (total != bytes) std::abort();
    });
    const double save = Time([&] {
      if (!files::SaveTableFile(workspace, PageId::kGoods, savedPath).done) std::abort();
    });
    const double plainWrite = Time([&] {
      std::ofstream out(plainPath, std::ios::binary | std::ios::trunc);
      for (const auto& line : lines)
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
      out.close();
      if (!out) std::abort();
    });
    loads.push_back(load);
    plainReads.push_back(plainRead);
    plainWrites.push_back(plainWrite);
    saves.push_back(save);
    loadRatios.push_back(load / plainRead);
    saveRatios.push_back(save / plainWrite);
  }
  if (fs::file_size(savedPath) != bytes) std::printf("warning: saved file differs in size\n");

  {
    // The ports the window looks up one by one are in the section the bulk of the file is in.
    std::string settings =
        "[Communication]\r\nSpeed=9600\r\nSerialPort=COM2\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n";
    for (int key = 0; settings.size() < (std::size_t{1} << 20) - 16; ++key) {
      settings += "Note" + std::to_string(key) + "=" + std::to_string(key) + "\r\n";
    }
    std::ofstream((folder / app::kSettingsFileName).string(), std::ios::binary) << settings;
  }
  std::vector<double> settingsReads;
  for (int round = 0; round < kRounds; ++round) {
    settingsReads.push_back(Time([&] {
      if (app::ReadSettings(folder.string()).ports.size() != 1) std::abort();
    }));
  }
  fs::remove_all(folder);
  std::printf("settings: a 1 MiB %s read in %.2f ms (median of %d)\n",
              std::string(app::kSettingsFileName).c_str(), Median(settingsReads) * 1e3, kRounds);

  std::printf(
      "goods file: %ju bytes, 14000 lines; load %.2f ms, save %.2f ms, plain read %.2f ms, plain "
      "write %.2f ms (median of %d)\n",
      static_cast<uintmax_t>(bytes), Median(loads) * 1e3, Median(saves) * 1e3,
      Median(plainReads) * 1e3, Median(plainWrites) * 1e3, kRounds);
  std::printf("files ratio: load %.1f save %.1f\n", Median(loadRatios), Median(saveRatios));
  return 0;
}
