#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "temp_directory.h"

namespace kvitmark::app {
namespace {

const std::array<std::string, 12> kDefaultReportFiles = {
    "RepArt.dat",    "RepOtd.dat",  "RepGrp.dat",  "RepOperat.dat", "RepNalog.dat", "RepOpl.dat",
    "RepOperac.dat", "RepAdm1.dat", "RepAdm2.dat", "RepAdm3.dat",   "RepNum.dat",   "RepReg.dat"};

// The [Reports] section of a file that names its folder itself.
const std::string kReportsSection =
    "[Reports]\r\nArt=RepArt.dat\r\nOtd=RepOtd.dat\r\nGrp=RepGrp.dat\r\n"
    "Operat=RepOperat.dat\r\nNalog=RepNalog.dat\r\nOpl=RepOpl.dat\r\nOperac=RepOperac.dat\r\n"
    "EKL=EKL.dat\r\nAdm1=RepAdm1.dat\r\nAdm2=RepAdm2.dat\r\nAdm3=RepAdm3.dat\r\n"
    "Numoper=RepNum.dat\r\nRegist=RepReg.dat\r\nDirectory=/srv/reports\r\n";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir.Path().empty()); }

  std::string IniPath() const { return dir.File("Tabulon.ini"); }
  void WriteIni(const std::string& bytes) const { WriteBytes(IniPath(), bytes); }
  std::string IniBytes() const { return ReadBytes(IniPath()); }

  TempDirectory dir;
};

void ExpectDefaultChoices(const Settings& settings, const std::string& folder) {
  EXPECT_EQ(settings.portIndex, 0);
  EXPECT_EQ(settings.speedIndex, 0);
  EXPECT_EQ(settings.typeIndex, 0);
  EXPECT_EQ(settings.reportFiles, kDefaultReportFiles);
  EXPECT_EQ(settings.eklFile, "EKL.dat");
  EXPECT_EQ(settings.reportFolder, folder);
  EXPECT_TRUE(settings.ports.empty());
}

TEST_F(SettingsTest, NoFile_CreatesItWithSeventeenKeysAndShowsTheDefaults) {
  const Settings settings = LoadSettings(dir.Path());

  EXPECT_EQ(IniBytes(),
            "[Communication]\r\n"
            "Speed=4800\r\n"
            "SerialPort=COM1\r\n"
            "[TypeECR]\r\n"
            "ECR=0\r\n"
            "[Reports]\r\n"
            "Art=RepArt.dat\r\n"
            "Otd=RepOtd.dat\r\n"
            "Grp=RepGrp.dat\r\n"
            "Operat=RepOperat.dat\r\n"
            "Nalog=RepNalog.dat\r\n"
            "Opl=RepOpl.dat\r\n"
            "Operac=RepOperac.dat\r\n"
            "EKL=EKL.dat\r\n"
            "Adm1=RepAdm1.dat\r\n"
            "Adm2=RepAdm2.dat\r\n"
            "Adm3=RepAdm3.dat\r\n"
            "Numoper=RepNum.dat\r\n"
            "Regist=RepReg.dat\r\n"
            "Directory=" +
                dir.Path() + "\r\n");
  ExpectDefaultChoices(settings, dir.Path() + "/");
  EXPECT_EQ(kPortEntries[settings.portIndex], "COM1");
  EXPECT_EQ(kSpeedEntries[settings.speedIndex], "4800");
  EXPECT_EQ(kTypeEntries[settings.typeIndex], "Datecs MP-50 Junior");
  EXPECT_EQ(dir.Names(), std::set<std::string>{"Tabulon.ini"});
}

TEST_F(SettingsTest, CreatedFile_IsNotWrittenAgainOnTheNextActivation) {
  LoadSettings(dir.Path());
  const std::string created = IniBytes();
  const ino_t inode = Inode(IniPath());
  ExpectDefaultChoices(LoadSettings(dir.Path()), dir.Path() + "/");
  EXPECT_EQ(IniBytes(), created);
  EXPECT_EQ(Inode(IniPath()), inode);
}

TEST_F(SettingsTest, RepairedFileBehindASymbolicLink_KeepsTheLinkModeAndSecondName) {
  // Settings kept with the user's other files: a link to them, and a second (hard) name.
  std::filesystem::create_directory(dir.File("dotfiles"));
  WriteBytes(dir.File("dotfiles/kvitmark.ini"),
             "[Communication]\r\nSpeed=57600\r\nSerialPort=COM2\r\n[TypeECR]\r\nECR=0\r\n" +
                 kReportsSection);
  ASSERT_EQ(::chmod(dir.File("dotfiles/kvitmark.ini").c_str(), 0600), 0);
  std::filesystem::create_hard_link(dir.File("dotfiles/kvitmark.ini"), dir.File("backup.ini"));
  std::filesystem::create_symlink("dotfiles/kvitmark.ini", IniPath());

  const Settings settings = LoadSettings(dir.Path());

  EXPECT_EQ(settings.speedIndex, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(IniPath()));
  EXPECT_EQ(ReadBytes(dir.File("backup.ini")),
            "[Communication]\r\nSpeed=4800\r\nSerialPort=COM2\r\n[TypeECR]\r\nECR=0\r\n" +
                kReportsSection);
  struct stat status {};
  ASSERT_EQ(::stat(IniPath().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(status.st_nlink, 2u);
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"Tabulon.ini", "backup.ini", "dotfiles"}));
}

TEST_F(SettingsTest, DirectoryGivenWithTrailingSlashes_IsStoredWithout) {
  const Settings settings = LoadSettings(dir.Path() + "//");
  EXPECT_NE(IniBytes().find("\r\nDirectory=" + dir.Path() + "\r\n"), std::string::npos)
      << IniBytes();
  EXPECT_EQ(settings.reportFolder, dir.Path() + "/");
}

struct RewriteCase {
  const char* name;
  std::string before;  // the Communication and TypeECR lines
  std::string after;   // empty: the file must not be written at all
  int portIndex;
  int speedIndex;
  int typeIndex = 0;
  std::string portDevice = "";  // a port stored by its device's name
};

void PrintTo(const RewriteCase& c, std::ostream* out) { *out << c.name; }

class SettingsRewrite : public SettingsTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(SettingsRewrite, SelectsTheEntryAndRewritesOnlyAValueNotOffered) {
  const RewriteCase& c = GetParam();
  WriteIni(c.before + kReportsSection);
  const ino_t inode = Inode(IniPath());

  const Settings settings = LoadSettings(dir.Path());

  EXPECT_EQ(settings.portIndex, c.portIndex);
  EXPECT_EQ(settings.speedIndex, c.speedIndex);
  EXPECT_EQ(settings.typeIndex, c.typeIndex);
  EXPECT_EQ(settings.portDevice, c.portDevice);
  if (c.after.empty()) {
    EXPECT_EQ(IniBytes(), c.before + kReportsSection);
    EXPECT_EQ(Inode(IniPath()), inode) << "the file was written";
  } else {
    EXPECT_EQ(IniBytes(), c.after + kReportsSection);
  }
  EXPECT_EQ(settings.reportFolder, "/srv/reports/");
  EXPECT_EQ(dir.Names(), std::set<std::string>{"Tabulon.ini"});
}

const std::string kGoodType = "[TypeECR]\r\nECR=0\r\n";
const std::string kStableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10KZP4J-if00-port0";

std::string Communication(const std::string& speedLine, const std::string& portLine) {
  return "[Communication]\r\n" + speedLine + "\r\n" + portLine + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Speed, SettingsRewrite,
    ::testing::Values(
        RewriteCase{"Offered", Communication("Speed=115200", "SerialPort=COM1") + kGoodType, "", 0,
                    7},
        RewriteCase{"OfferedWithBlanks",
                    Communication("  speed = 9600 ", "SerialPort=COM1") + kGoodType, "", 0, 1},
        RewriteCase{"NotOffered57600", Communication("Speed=57600", "SerialPort=COM2") + kGoodType,
                    Communication("Speed=4800", "SerialPort=COM2") + kGoodType, 1, 0},
        RewriteCase{"Empty", Communication("Speed=", "SerialPort=COM2") + kGoodType,
                    Communication("Speed=4800", "SerialPort=COM2") + kGoodType, 1, 0},
        RewriteCase{"KeyMissing", "[Communication]\r\nSerialPort=COM2\r\n" + kGoodType, "", 1, 0},
        RewriteCase{"SectionMissing", kGoodType, "", 0, 0},
        RewriteCase{"LfLineEnds", "[Communication]\nSpeed=57600\nSerialPort=COM2\n" + kGoodType,
                    "[Communication]\nSpeed=4800\nSerialPort=COM2\n" + kGoodType, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Port, SettingsRewrite,
    ::testing::Values(
        RewriteCase{"LowerCaseCom3", Communication("Speed=9600", "SerialPort=com3") + kGoodType, "",
                    2, 1},
        RewriteCase{"Com9", Communication("Speed=9600", "SerialPort=COM9") + kGoodType, "", 8, 1},
        RewriteCase{"Com10", Communication("Speed=9600", "SerialPort=COM10") + kGoodType,
                    Communication("Speed=9600", "SerialPort=COM1") + kGoodType, 0, 1},
        RewriteCase{"DevicePath",
                    Communication("Speed=9600", "SerialPort=/dev/ttyUSB0") + kGoodType, "", 0, 1, 0,
                    "/dev/ttyUSB0"},
        RewriteCase{"StableDeviceNameKeptWhole",
                    Communication("Speed=9600", "SerialPort=" + kStableName) + kGoodType, "", 0, 1,
                    0, kStableName},
        RewriteCase{"NotADevicePath",
                    Communication("Speed=9600", "SerialPort=/tmp/ttyUSB0") + kGoodType,
                    Communication("Speed=9600", "SerialPort=COM1") + kGoodType, 0, 1},
        RewriteCase{"KeyMissing", "[Communication]\r\nSpeed=9600\r\n" + kGoodType, "", 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string kGoodCommunication = Communication("Speed=19200", "SerialPort=COM4");

INSTANTIATE_TEST_SUITE_P(
    Type, SettingsRewrite,
    ::testing::Values(RewriteCase{"Zero", kGoodCommunication + kGoodType, "", 3, 3},
                      RewriteCase{"SignedZeroWithBlanks",
                                  kGoodCommunication + "[TypeECR]\r\nECR = +0 \r\n", "", 3, 3},
                      RewriteCase{"LeadingZerosCutToNine",
                                  kGoodCommunication + "[TypeECR]\r\nECR=0000000001\r\n", "", 3, 3},
                      RewriteCase{"BeyondTheOneEntry",
                                  kGoodCommunication + "[TypeECR]\r\nECR=1\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"NineDigitsNotCut",
                                  kGoodCommunication + "[TypeECR]\r\nECR=000000001\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"Negative", kGoodCommunication + "[TypeECR]\r\nECR=-1\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"NotANumber", kGoodCommunication + "[TypeECR]\r\nECR=x\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"Fraction", kGoodCommunication + "[TypeECR]\r\nECR=0.5\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"Empty", kGoodCommunication + "[TypeECR]\r\nECR=\r\n",
                                  kGoodCommunication + kGoodType, 3, 3},
                      RewriteCase{"SectionMissing", kGoodCommunication, "", 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    All, SettingsRewrite,
    ::testing::Values(RewriteCase{
        "ThreeBadValuesRewrittenTogether",
        "; hand-edited\r\n[Communication]\r\nSpeed=57600\r\n\r\nSerialPort=LPT1\r\n[TypeECR]\r\n"
        "ECR=2\r\n; end\r\n",
        "; hand-edited\r\n[Communication]\r\nSpeed=4800\r\n\r\nSerialPort=COM1\r\n[TypeECR]\r\n"
        "ECR=0\r\n; end\r\n",
        0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FolderCase {
  const char* name;
  std::string directoryLine;  // empty: no Directory key
  std::string expected;       // "." stands for the directory the settings are loaded from
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class SettingsFolder : public SettingsTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(SettingsFolder, EndsWithASlash) {
  const FolderCase& c = GetParam();
  WriteIni("[Reports]\r\n" + c.directoryLine);
  const std::string before = IniBytes();
  const Settings settings = LoadSettings(dir.Path());
  EXPECT_EQ(settings.reportFolder, c.expected == "." ? dir.Path() + "/" : c.expected);
  EXPECT_EQ(IniBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Directory, SettingsFolder,
    ::testing::Values(FolderCase{"WithoutSlash", "Directory=/srv/reports\r\n", "/srv/reports/"},
                      FolderCase{"WithSlash", "Directory=/srv/reports/\r\n", "/srv/reports/"},
                      FolderCase{"Root", "Directory=/\r\n", "/"},
                      FolderCase{"KeyInAnyCase", "DIRECTORY = /srv/reports \r\n", "/srv/reports/"},
                      FolderCase{"CodePageBytes", "Directory=/srv/\xCE\xF2\xF7\xE5\xF2\xFB\r\n",
                                 "/srv/\xCE\xF2\xF7\xE5\xF2\xFB/"},
                      FolderCase{"EmptyTakenAsItIs", "Directory=\r\n", "/"},
                      FolderCase{"KeyMissing", "", "."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, LongReportValues_AreCutTo499Characters) {
  const std::string long600(600, 'n');
  const std::string exactly499(499, 'e');
  WriteIni("[Reports]\r\nArt=" + long600 + "\r\nRegist=" + exactly499 + "\r\nEKL=" + long600 +
           "\r\nDirectory=/" + long600 + "\r\n");
  const Settings settings = LoadSettings(dir.Path());
  EXPECT_EQ(settings.reportFiles[0], long600.substr(0, 499));
  EXPECT_EQ(settings.reportFiles[11], exactly499);
  EXPECT_EQ(settings.eklFile, long600.substr(0, 499));
  EXPECT_EQ(settings.reportFolder, '/' + long600.substr(0, 498) + '/');
}

TEST_F(SettingsTest, HandEditedFile_CommentsBlanksLfAndSpacesAreRead) {
  const std::string file =
      "; settings of the service PC\n"
      "\n"
      "[communication]\n"
      "   Speed   =   38400   \n"
      ";SerialPort=COM7\n"
      "\tSerialPort\t=\tCom5\n"
      "\n"
      "[ TypeECR ]\n"
      "ECR = 0\n"
      "[REPORTS]\n"
      "art = goods turnover.txt \n"
      "; Otd is left at its default\n"
      "NUMOPER=\xCD\xEE\xEC\xE5\xF0\xE0.dat\n"
      "Directory = /home/service/reports";
  WriteIni(file);

  const Settings settings = LoadSettings(dir.Path());

  EXPECT_EQ(settings.speedIndex, 5);
  EXPECT_EQ(settings.portIndex, 4);
  EXPECT_EQ(settings.typeIndex, 0);
  EXPECT_EQ(settings.reportFiles[0], "goods turnover.txt");
  EXPECT_EQ(settings.reportFiles[1], "RepOtd.dat");
  EXPECT_EQ(settings.reportFiles[10], "\xCD\xEE\xEC\xE5\xF0\xE0.dat");
  EXPECT_EQ(settings.reportFolder, "/home/service/reports/");
  EXPECT_EQ(IniBytes(), file);
}

TEST_F(SettingsTest, PortsSection_NamesDevicesForWellFormedComNames) {
  WriteIni(
      "[Communication]\r\nSpeed=9600\r\nSerialPort=COM2\r\n"
      "[ports]\r\n"
      "com1=/dev/ttyUSB0\r\n"
      "Com9 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0 \r\n"
      "COM0=/dev/ttyUSB1\r\n"
      "COM10=/dev/ttyUSB2\r\n"
      "COMx=/dev/ttyUSB3\r\n"
      "COM2=\r\n"
      "COM3\r\n"
      "COM1=/dev/ttyUSB4\r\n");
  const Settings settings = LoadSettings(dir.Path());
  const link::PortMap expected = {{1, "/dev/ttyUSB0"},
                                  {9, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
                                  {10, "/dev/ttyUSB2"}};
  EXPECT_EQ(settings.ports, expected);
}

TEST_F(SettingsTest, NetworkPorts_StoredUnderTheNextFreeNameFromCom10AndChosenByIt) {
  const std::string start = Communication("Speed=9600", "SerialPort=COM12") +
                            "[Ports]\r\nCOM10=/dev/ttyUSB0\r\n" + kGoodType;
  WriteIni(start);
  // COM12 is no port until the file maps it: then the choice is kept.
  EXPECT_EQ(app::StoredPort(LoadSettings(dir.Path())), link::Endpoint::Com(1, {}));
  WriteIni(start);

  EXPECT_EQ(app::AddNetworkPort(dir.Path(), "rfc2217://10.0.0.7:4001"), "COM11");
  EXPECT_EQ(app::AddNetworkPort(dir.Path(), "tcp://10.0.0.8:4002"), "COM12");
  EXPECT_EQ(app::AddNetworkPort(dir.Path(), "rfc2217://10.0.0.7:4001"), "COM11")
      << "a port already stored is not stored twice";
  EXPECT_EQ(IniBytes(), Communication("Speed=9600", "SerialPort=COM12") +
                            "[Ports]\r\nCOM10=/dev/ttyUSB0\r\nCOM11=rfc2217://10.0.0.7:4001\r\n"
                            "COM12=tcp://10.0.0.8:4002\r\n" +
                            kGoodType);
  const Settings settings = LoadSettings(dir.Path());
  EXPECT_EQ(app::StoredPort(settings), link::Endpoint::Com(12, {{12, "tcp://10.0.0.8:4002"}}));
  EXPECT_NE(IniBytes().find("SerialPort=COM12"), std::string::npos) << "the choice was rewritten";
}

TEST_F(SettingsTest, PortsSection_SurvivesARewriteUntouched) {
  const std::string ports = "[Ports]\r\nCOM1=/dev/ttyUSB0\r\n; the adapter on the left\r\n";
  WriteIni(Communication("Speed=57600", "SerialPort=COM1") + ports + kGoodType);
  const Settings settings = LoadSettings(dir.Path());
  EXPECT_EQ(IniBytes(), Communication("Speed=4800", "SerialPort=COM1") + ports + kGoodType);
  EXPECT_EQ(settings.ports, (link::PortMap{{1, "/dev/ttyUSB0"}}));
}

TEST_F(SettingsTest, DirectoryMissing_DefaultsWithoutCreatingAnything) {
  const std::string absent = dir.File("absent/deeper");
  const Settings settings = LoadSettings(absent);
  ExpectDefaultChoices(settings, absent + "/");
  EXPECT_TRUE(dir.Names().empty());
}

TEST_F(SettingsTest, SettingsPathIsADirectory_DefaultsAndItStaysADirectory) {
  ASSERT_EQ(::mkdir(IniPath().c_str(), 0755), 0);
  const Settings settings = LoadSettings(dir.Path());
  ExpectDefaultChoices(settings, dir.Path() + "/");
  EXPECT_TRUE(std::filesystem::is_directory(IniPath()));
  EXPECT_EQ(dir.Names(), std::set<std::string>{"Tabulon.ini"});
}

}  // namespace
}  // namespace kvitmark::app
