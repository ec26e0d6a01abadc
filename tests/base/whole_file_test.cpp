// Saves as a user's files meet them: behind symbolic links, with second names (hard links),
// with their own modes and owners, on a full disk, in a folder or file the user may not
// write. Whatever fails, the old file stays whole and no temporary file is left behind.
#include "base/whole_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "app/temp_directory.h"
#include "base/system_error_text.h"
#include "sdcard/rlimit_guard.h"

namespace kvitmark::base {
namespace {

using app::ReadBytes;
using app::WriteBytes;
namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

struct stat Status(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

bool IsLink(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Runs `save` in a child process as a user who owns nothing here (when the test runs as
// root, which permissions do not stop); the child's exit status is the save's errno.
int SavedAsSomeoneElse(const std::function<SaveResult()>& save) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      ::_exit(255);
    }
    const SaveResult result = save();
    const bool reasonFits = result.errorNumber > 0 && result.errorNumber < 254;
    ::_exit(result.Saved() ? 0 : reasonFits ? result.errorNumber : 254);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    // Others may look in, for the saves made as another user.
    ::chmod(folder.Path().c_str(), 0777);
  }

  std::string File(const std::string& name) const { return folder.File(name); }

  app::TempDirectory folder;
};

TEST_F(WholeFileTest, ThroughSymbolicLinks_TheFileGetsTheBytesAndEveryLinkStays) {
  fs::create_directory(File("tables"));
  WriteBytes(File("tables/goods.art"), "old\r\n");
  fs::create_symlink("tables/goods.art", File("current.art"));  // relative to its folder
  fs::create_symlink(File("current.art"), File("shop7.art"));   // a link to a link

  ASSERT_TRUE(SaveWholeFile(File("shop7.art"), "new\r\n").Saved());

  EXPECT_TRUE(IsLink(File("shop7.art")));
  EXPECT_TRUE(IsLink(File("current.art")));
  EXPECT_EQ(ReadBytes(File("tables/goods.art")), "new\r\n");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"current.art", "shop7.art", "tables"}));
}

TEST_F(WholeFileTest, LinkToAFileNotYetThere_MakesThatFile) {
  fs::create_symlink("made.ini", File("Tabulon.ini"));
  ASSERT_TRUE(SaveWholeFile(File("Tabulon.ini"), "[Reports]\r\n").Saved());
  EXPECT_TRUE(IsLink(File("Tabulon.ini")));
  EXPECT_EQ(ReadBytes(File("made.ini")), "[Reports]\r\n");
}

TEST_F(WholeFileTest, HardLinkedFile_IsRewrittenInPlaceAndBothNamesShowIt) {
  WriteBytes(File("goods.art"), "a much longer old content\r\n");
  fs::create_hard_link(File("goods.art"), File("backup.art"));
  const ino_t inode = Status(File("goods.art")).st_ino;

  ASSERT_TRUE(SaveWholeFile(File("goods.art"), "new\r\n").Saved());

  EXPECT_EQ(Status(File("goods.art")).st_ino, inode);
  EXPECT_EQ(Status(File("goods.art")).st_nlink, 2u);
  EXPECT_EQ(ReadBytes(File("backup.art")), "new\r\n") << "the old tail is cut off";
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"backup.art", "goods.art"}));
}

TEST_F(WholeFileTest, HardLinkedFileOnAFullDisk_StaysWhole) {
  WriteBytes(File("goods.art"), "old\r\n");
  fs::create_hard_link(File("goods.art"), File("backup.art"));
  SaveResult result;
  {
    sdcard::testing::FileSizeLimit limit(4096);
    result = SaveWholeFile(File("goods.art"), std::string(64 * 1024, 'x'));
  }
  EXPECT_EQ(result.outcome, SaveOutcome::kWriteFailed);
  EXPECT_EQ(ReadBytes(File("backup.art")), "old\r\n");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"backup.art", "goods.art"}));
}

TEST_F(WholeFileTest, ReplacedFile_KeepsItsModeAndANewOneFollowsTheUmask) {
  WriteBytes(File("prices.art"), "old\r\n");
  ::chmod(File("prices.art").c_str(), 0604);
  ASSERT_TRUE(SaveWholeFile(File("prices.art"), "new\r\n").Saved());
  EXPECT_EQ(Status(File("prices.art")).st_mode & 07777, 0604u);

  const mode_t mask = ::umask(022);
  ASSERT_TRUE(SaveWholeFile(File("fresh.art"), "new\r\n").Saved());
  ::umask(mask);
  EXPECT_EQ(Status(File("fresh.art")).st_mode & 07777, 0644u);
}

TEST_F(WholeFileTest, AnotherUsersFile_KeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  WriteBytes(File("shared.art"), "old\r\n");
  ASSERT_EQ(::chown(File("shared.art").c_str(), kNobody, kNobody), 0);
  ASSERT_TRUE(SaveWholeFile(File("shared.art"), "new\r\n").Saved());
  EXPECT_EQ(Status(File("shared.art")).st_uid, kNobody);
  EXPECT_EQ(Status(File("shared.art")).st_gid, kNobody);
  EXPECT_EQ(ReadBytes(File("shared.art")), "new\r\n");
}

TEST_F(WholeFileTest, FileWhoseOwnerTheUserCannotGiveBack_IsRewrittenInPlace) {
  // A file of another user that this one may write, in a folder anyone may write to.
  WriteBytes(File("shared.art"), "old\r\n");
  ::chmod(File("shared.art").c_str(), 0666);
  const struct stat before = Status(File("shared.art"));
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  EXPECT_EQ(SavedAsSomeoneElse([&] { return SaveWholeFile(File("shared.art"), "new\r\n"); }), 0);
  const struct stat after = Status(File("shared.art"));
  EXPECT_EQ(ReadBytes(File("shared.art")), "new\r\n");
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"shared.art"}));
}

struct PermissionCase {
  const char* name;
  mode_t folderMode;
  mode_t fileMode;
  int errorNumber;
  const char* afterwards;
};

class Permissions : public WholeFileTest, public ::testing::WithParamInterface<PermissionCase> {};

TEST_P(Permissions, WhatTheUserMayNotWriteStaysWhole) {
  fs::create_directory(File("shop"));
  const std::string path = File("shop/goods.art");
  WriteBytes(path, "old\r\n");
  ::chmod(path.c_str(), GetParam().fileMode);
  ::chmod(File("shop").c_str(), GetParam().folderMode);

  const int error = SavedAsSomeoneElse([&] { return SaveWholeFile(path, "new\r\n"); });

  ::chmod(File("shop").c_str(), 0777);
  EXPECT_EQ(error, GetParam().errorNumber);
  EXPECT_EQ(ReadBytes(path), GetParam().afterwards);
  EXPECT_EQ(std::distance(fs::directory_iterator(File("shop")), fs::directory_iterator()), 1)
      << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Cases, Permissions,
                         ::testing::Values(
                             // The folder takes no new file, the file takes no new bytes.
                             PermissionCase{"ReadOnlyFolderAndFile", 0555, 0444, EACCES, "old\r\n"},
                             // Write-protected, although the folder would take a replacement.
                             PermissionCase{"WriteProtectedFile", 0777, 0444, EACCES, "old\r\n"},
                             // The file may be written, its folder not: rewritten in place, from a
                             // complete copy made elsewhere.
                             PermissionCase{"ReadOnlyFolderWritableFile", 0555, 0666, 0,
                                            "new\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WholeFileTest, FullDisk_LeavesTheOldFileWholeAndNoTemporary) {
  WriteBytes(File("goods.art"), "old\r\n");
  SaveResult result;
  {
    sdcard::testing::FileSizeLimit limit(4096);
    result = SaveWholeFile(File("goods.art"), [](std::ostream& out) {
      for (int line = 0; line < 14000; ++line) out << "1;Товар1;0.00;0.000;1;1;1;1;0;0;\r\n";
      return static_cast<bool>(out);
    });
  }
  EXPECT_EQ(result.outcome, SaveOutcome::kWriteFailed);
  EXPECT_EQ(result.errorNumber, EFBIG);
  EXPECT_EQ(ReadBytes(File("goods.art")), "old\r\n");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"goods.art"}));
}

TEST_F(WholeFileTest, LinkToAFullDevice_SaysTheDiskIsFullAndTheLinkStays) {
  fs::create_symlink("/dev/full", File("card.art"));
  const SaveResult result = SaveWholeFile(File("card.art"), std::string(100000, 'x'));
  EXPECT_EQ(result.outcome, SaveOutcome::kWriteFailed);
  EXPECT_EQ(SystemErrorText(result.errorNumber, File("card.art")),
            File("card.art") + ": нет места на диске");
  EXPECT_TRUE(IsLink(File("card.art")));
  EXPECT_TRUE(fs::is_character_file("/dev/full")) << "a device is written, never replaced";
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"card.art"}));
}

TEST_F(WholeFileTest, FolderInTheFilesPlaceOrNoFolder_CannotCreate) {
  fs::create_directory(File("goods.art"));
  EXPECT_EQ(SaveWholeFile(File("goods.art"), "x").errorNumber, EISDIR);
  const SaveResult missing = SaveWholeFile(File("none/goods.art"), "x");
  EXPECT_EQ(missing.outcome, SaveOutcome::kCannotCreate);
  EXPECT_EQ(missing.errorNumber, ENOENT);
}

TEST_F(WholeFileTest, WriterThatGivesUpOrIsDropped_ChangesNothing) {
  WriteBytes(File("RepArt.dat"), "old\r\n");
  {
    WholeFileWriter writer(File("RepArt.dat"));
    ASSERT_TRUE(writer.Ready());
    writer.Out() << "1;half\r\n" << std::flush;
    EXPECT_EQ(folder.Names().size(), 2u) << "the new lines wait beside the old file";
  }
  EXPECT_EQ(ReadBytes(File("RepArt.dat")), "old\r\n");
  EXPECT_EQ(SaveWholeFile(File("RepArt.dat"),
                          [](std::ostream& out) {
                            out << "partial";
                            return false;
                          })
                .outcome,
            SaveOutcome::kWriteFailed);
  EXPECT_EQ(ReadBytes(File("RepArt.dat")), "old\r\n");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"RepArt.dat"}));
}

}  // namespace
}  // namespace kvitmark::base
