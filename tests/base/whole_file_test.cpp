// Saves where the callers' own tests do not reach: files of another owner, folders and files
// the user may not write (as another user when the tests run as root), a second name on a
// full disk, a link to a file not yet there, a link another user planted in a shared folder.
// Whatever fails, the old file stays whole and no temporary file is left behind.
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

TEST_F(WholeFileTest, LinkToAFileNotYetThere_MakesThatFile) {
  fs::create_symlink("made.ini", File("Tabulon.ini"));
  ASSERT_TRUE(SaveWholeFile(File("Tabulon.ini"), "[Reports]\r\n").Saved());
  EXPECT_TRUE(fs::is_symlink(File("Tabulon.ini")));
  EXPECT_EQ(ReadBytes(File("made.ini")), "[Reports]\r\n");
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

TEST_F(WholeFileTest, AnotherUsersFile_KeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  WriteBytes(File("shared.art"), "old\r\n");
  ASSERT_EQ(::chown(File("shared.art").c_str(), kNobody, kNobody), 0);
  ASSERT_TRUE(SaveWholeFile(File("shared.art"), "new\r\n").Saved());
  EXPECT_EQ(Status(File("shared.art")).st_uid, kNobody);
  EXPECT_EQ(Status(File("shared.art")).st_gid, kNobody);
  EXPECT_EQ(ReadBytes(File("shared.art")), "new\r\n");
}

struct PermissionCase {
  const char* name;
  mode_t folderMode;
  mode_t fileMode;
  int errorNumber;
  const char* afterwards;
};

class Permissions : public WholeFileTest, public ::testing::WithParamInterface<PermissionCase> {};

TEST_P(Permissions, WhatTheUserMayNotWriteStaysWholeAndTheOwnerStays) {
  fs::create_directory(File("shop"));
  const std::string path = File("shop/goods.art");
  WriteBytes(path, "old\r\n");
  ::chmod(path.c_str(), GetParam().fileMode);
  ::chmod(File("shop").c_str(), GetParam().folderMode);
  const uid_t owner = Status(path).st_uid;

  const int error = SavedAsSomeoneElse([&] { return SaveWholeFile(path, "new\r\n"); });

  ::chmod(File("shop").c_str(), 0777);
  EXPECT_EQ(error, GetParam().errorNumber);
  EXPECT_EQ(ReadBytes(path), GetParam().afterwards);
  EXPECT_EQ(Status(path).st_uid, owner);
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
                             PermissionCase{"ReadOnlyFolderWritableFile", 0555, 0666, 0, "new\r\n"},
                             // Another user's file this one may write: the owner cannot be
                             // given back to a replacement, so it is rewritten in place.
                             PermissionCase{"AnotherUsersWritableFile", 0777, 0666, 0, "new\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LinkCase {
  const char* name;
  mode_t folderMode;
  bool folderOfAnotherUser;
  bool linkOfAnotherUser;
  bool followed;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class LinkInAFolder : public WholeFileTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkInAFolder, IsFollowedOnlyWhenNoOtherUserCouldHavePlantedIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a link to another user";
  const LinkCase& c = GetParam();
  WriteBytes(File("goods.art"), "old\r\n");
  fs::create_directory(File("shared"));
  const std::string link = File("shared/report.txt");
  fs::create_symlink(File("goods.art"), link);
  ASSERT_EQ(::lchown(link.c_str(), c.linkOfAnotherUser ? kNobody : ::geteuid(), 0), 0);
  ASSERT_EQ(::chown(File("shared").c_str(), c.folderOfAnotherUser ? kNobody : ::geteuid(), 0), 0);
  ASSERT_EQ(::chmod(File("shared").c_str(), c.folderMode), 0);

  const SaveResult result = SaveWholeFile(link, "new\r\n");

  EXPECT_EQ(result.Saved(), c.followed);
  if (!c.followed) {
    EXPECT_EQ(result.errorNumber, kUntrustedLink);
    EXPECT_EQ(result.outcome, SaveOutcome::kCannotCreate);
  }
  EXPECT_EQ(ReadBytes(File("goods.art")), c.followed ? "new\r\n" : "old\r\n");
  EXPECT_EQ(fs::read_symlink(link), File("goods.art"));
  EXPECT_EQ(std::distance(fs::directory_iterator(File("shared")), fs::directory_iterator()), 1)
      << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkInAFolder,
    ::testing::Values(
        // What the system refuses to follow itself: another user's link in the sticky /tmp.
        LinkCase{"StickyForEveryone_AnotherUsersLink", 01777, false, true, false},
        LinkCase{"WritableForEveryone_AnotherUsersLink", 0777, false, true, false},
        LinkCase{"WritableForTheGroup_AnotherUsersLink", 0775, false, true, false},
        LinkCase{"StickyForEveryone_OwnLink", 01777, false, false, true},
        LinkCase{"StickyForEveryone_TheFolderOwnersLink", 01777, true, true, true},
        // The user's own folder: a link to a table file is saved through as ever.
        LinkCase{"OwnFolder_AnotherUsersLink", 0755, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::base
