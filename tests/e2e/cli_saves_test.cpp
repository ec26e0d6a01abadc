// kvitmark-cli saving into files a user has set up: behind symbolic links, under two names,
// with a mode of their own, and on a disk that is full. The user reads why in Russian, with
// the path, and nothing half written is left.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "sim/sim_tables.h"

namespace kvitmark {
namespace {

using testing::CliRun;
using testing::RunningSim;
namespace fs = std::filesystem;

class CliSaves : public testing::CliFixture {
 protected:
  static CliRun Run(const std::vector<std::string>& arguments) { return RunCli(arguments); }

  // A goods table file: 14000 empty records but the first.
  void WriteGoods(const std::string& path) {
    std::string text = "1;Bread;1.00;0.000;1;1;1;1;0;1;\r\n";
    for (int row = 2; row <= 14000; ++row) text += ";;;;;;;;;;\r\n";
    Write(path, text);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(CliSaves, ReadIntoALinkedFile_WritesTheFileTheLinkLeadsToAndKeepsLinkNamesAndMode) {
  fs::create_directory(File("shop7"));
  Write(File("shop7/departments.otd"), "old\r\n");
  ::chmod(File("shop7/departments.otd").c_str(), 0640);
  fs::create_hard_link(File("shop7/departments.otd"), File("shop7/monday.otd"));
  fs::create_symlink("shop7/departments.otd", File("current.otd"));
  RunningSim sim({});
  ASSERT_TRUE(sim.Started()) << sim.ErrorOutput();

  const auto run =
      Run({"--device", sim.DevicePath(), "--speed", "115200", "read", "otd", File("current.otd")});

  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_TRUE(fs::is_symlink(File("current.otd")));
  std::string expected;
  const sim::SimTables factory = sim::FactoryTables();
  for (const auto& record : factory.at(10).records) expected += record + "\r\n";
  EXPECT_EQ(Read(File("shop7/monday.otd")), expected) << "the second name shows the new table";
  struct stat status {};
  ASSERT_EQ(::stat(File("current.otd").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(status.st_nlink, 2u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"current.otd", "shop7"}));
}

TEST_F(CliSaves, ExportOntoAFullDisk_SaysSoInRussianWithThePathAndKeepsTheLink) {
  WriteGoods(File("goods.art"));
  fs::create_symlink("/dev/full", File("card.art"));

  const auto run = Run({"sd-export", File("goods.art"), File("card.art")});

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "Ошибка работы с файлом: Ошибка записи данных в файл: " + File("card.art") +
                            ": нет места на диске\n");
  EXPECT_TRUE(fs::is_symlink(File("card.art")));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

}  // namespace
}  // namespace kvitmark
