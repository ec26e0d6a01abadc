// The settings as kvitmark-cli reads them: what the file holds, and the file left alone.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "app/settings.h"
#include "temp_directory.h"

namespace kvitmark::app {
namespace {

struct ReadCase {
  const char* name;
  std::optional<std::string> file;  // nothing: there is no file
  std::string storedPort;
  std::string storedSpeed;
  int portIndex;
  int speedIndex;
  link::PortMap ports;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReadSettingsCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettingsCases, GivesWhatTheFileHoldsAndNeverWritesIt) {
  const ReadCase& c = GetParam();
  TempDirectory dir;
  ASSERT_FALSE(dir.Path().empty());
  if (c.file) WriteBytes(dir.File("Tabulon.ini"), *c.file);
  const ino_t inode = Inode(dir.File("Tabulon.ini"));

  const Settings settings = ReadSettings(dir.Path() + "/");

  EXPECT_EQ(settings.storedPort, c.storedPort);
  EXPECT_EQ(settings.storedSpeed, c.storedSpeed);
  EXPECT_EQ(settings.portIndex, c.portIndex);
  EXPECT_EQ(settings.speedIndex, c.speedIndex);
  EXPECT_EQ(settings.ports, c.ports);
  EXPECT_EQ(settings.reportFolder, dir.Path() + "/");
  if (c.file) {
    EXPECT_EQ(ReadBytes(dir.File("Tabulon.ini")), *c.file);
    EXPECT_EQ(Inode(dir.File("Tabulon.ini")), inode) << "the file was written";
  } else {
    EXPECT_TRUE(dir.Names().empty()) << "a file was created";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadSettingsCases,
    ::testing::Values(ReadCase{"NoFile", std::nullopt, "COM1", "4800", 0, 0, {}},
                      ReadCase{"NotOffered",
                               "[Communication]\r\nSpeed=57600\r\nSerialPort=com12\r\n"
                               "[TypeECR]\r\nECR=7\r\n"
                               "[Ports]\r\nCOM2=/dev/ttyUSB0\r\nCOM10=/dev/ttyUSB1\r\n",
                               "com12",
                               "57600",
                               0,
                               0,
                               {{2, "/dev/ttyUSB0"}, {10, "/dev/ttyUSB1"}}},
                      ReadCase{"Offered",
                               "[Communication]\r\nSpeed=19200\r\nSerialPort=com3\r\n",
                               "com3",
                               "19200",
                               2,
                               3,
                               {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::app
