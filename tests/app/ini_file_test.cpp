#include "app/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ostream>
#include <string>

#include "temp_directory.h"

namespace kvitmark::app {
namespace {

constexpr std::size_t kNoLimit = 1000;

struct GetCase {
  const char* name;
  std::string bytes;
  const char* section;
  const char* key;
  std::string expected;
  std::size_t maxLength = kNoLimit;
};

void PrintTo(const GetCase& c, std::ostream* out) { *out << c.name; }

class IniGet : public ::testing::TestWithParam<GetCase> {};

TEST_P(IniGet, FindsTheValueOrTheDefault) {
  const GetCase& c = GetParam();
  EXPECT_EQ(IniFile::FromBytes(c.bytes).Get(c.section, c.key, "default", c.maxLength), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniGet,
    ::testing::Values(
        GetCase{"NamesInAnyCase", "[Communication]\r\nSpeed=9600\r\n", "COMMUNICATION", "speed",
                "9600"},
        GetCase{"MissingKey", "[A]\r\nx=1\r\n", "A", "k", "default"},
        GetCase{"MissingSection", "[B]\r\nk=1\r\n", "A", "k", "default"},
        GetCase{"EmptyFile", "", "A", "k", "default"},
        GetCase{"KeyOfTheNextSection", "[A]\r\nx=1\r\n[B]\r\nk=2\r\n", "A", "k", "default"},
        GetCase{"KeyBeforeAnySection", "k=1\r\n[A]\r\n", "A", "k", "default"},
        GetCase{"LfLineEnds", "[A]\nx=1\nk=2\n", "A", "k", "2"},
        GetCase{"LastLineWithoutLineEnd", "[A]\r\nk=2", "A", "k", "2"},
        GetCase{"BlanksAroundEverything", "  [ A ]  \r\n \t k  =  two words \t\r\n", "A", "k",
                "two words"},
        GetCase{"CommentsAndBlankLines",
                "; top\r\n\r\n[A]\r\n;k=commented\r\n\r\n  ; k=2\r\nk=3\r\n", "A", "k", "3"},
        GetCase{"OnlyACommentedKey", "[A]\r\n;k=1\r\n", "A", "k", "default"},
        GetCase{"EmptyValueIsNotTheDefault", "[A]\r\nk=\r\n", "A", "k", ""},
        GetCase{"LineWithoutEquals", "[A]\r\nk\r\n", "A", "k", "default"},
        GetCase{"FirstOfTwoKeys", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        GetCase{"FirstOfTwoSections", "[A]\r\nx=1\r\n[a]\r\nk=2\r\n", "A", "k", "default"},
        GetCase{"EqualsSignsInTheValue", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        GetCase{"UnclosedSectionBracket", "[A\r\nk=1\r\n", "A", "k", "1"},
        GetCase{"CodePageBytesKept", "[A]\r\nk=\xD2\xEE\xE2\xE0\xF0\xA0\r\n", "A", "k",
                "\xD2\xEE\xE2\xE0\xF0\xA0"},
        GetCase{"LongValueCut", "[A]\r\nk=0123456789\r\n", "A", "k", "012345678", 9},
        GetCase{"ValueAtTheLimitWhole", "[A]\r\nk=012345678\r\n", "A", "k", "012345678", 9},
        GetCase{"LongDefaultCut", "", "A", "k", "def", 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct SetCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;
  std::string value;
  std::string after;
};

void PrintTo(const SetCase& c, std::ostream* out) { *out << c.name; }

class IniSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(IniSet, ChangesOnlyWhatItMust) {
  const SetCase& c = GetParam();
  IniFile file = IniFile::FromBytes(c.before);
  ASSERT_TRUE(file.Set(c.section, c.key, c.value));
  EXPECT_EQ(file.Bytes(), c.after);
  EXPECT_EQ(file.Get(c.section, c.key, "default", kNoLimit), c.value);
  // The lines after a new one have moved: every key still reads as the new bytes hold it.
  const IniFile reread = IniFile::FromBytes(c.after);
  for (const char* section : {"A", "B"}) {
    for (const char* key : {"k", "x", "y", "other"}) {
      EXPECT_EQ(file.Get(section, key, "default", kNoLimit),
                reread.Get(section, key, "default", kNoLimit))
          << section << "/" << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniSet,
    ::testing::Values(SetCase{"ExistingKeyReplacedInPlace",
                              "; top\r\n[A]\r\nk=1\r\nother=2\r\n\r\n[B]\r\nk=3\r\n", "a", "K",
                              "42", "; top\r\n[A]\r\nk=42\r\nother=2\r\n\r\n[B]\r\nk=3\r\n"},
                      SetCase{"ReplacementKeepsBlanksAndLineEnd", "[A]\n  k = 1  \nx=2\n", "A", "k",
                              "22", "[A]\n  k = 22  \nx=2\n"},
                      SetCase{"EmptyValueFilledAfterEquals", "[A]\r\nk=   \r\n", "A", "k", "5",
                              "[A]\r\nk=5   \r\n"},
                      SetCase{"ValueEmptied", "[A]\r\nk=5\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
                      SetCase{"LineWithoutEqualsGetsOne", "[A]\r\nk\r\n", "A", "k", "5",
                              "[A]\r\nk=5\r\n"},
                      SetCase{"NewKeyDirectlyAfterTheSectionsLastKey",
                              "[A]\r\nx=1\r\n\r\n; about B\r\n[B]\r\ny=2\r\n", "A", "k", "5",
                              "[A]\r\nx=1\r\nk=5\r\n\r\n; about B\r\n[B]\r\ny=2\r\n"},
                      SetCase{"NewKeyInAnEmptySection", "[A]\r\n\r\n[B]\r\n", "A", "k", "5",
                              "[A]\r\nk=5\r\n\r\n[B]\r\n"},
                      SetCase{"NewKeyAfterALastLineWithoutLineEnd", "[A]\r\nx=1", "A", "k", "5",
                              "[A]\r\nx=1\r\nk=5\r\n"},
                      SetCase{"NewKeyInAnLfFileWrittenWithCrLf", "[A]\nx=1\n[B]\n", "A", "k", "5",
                              "[A]\nx=1\nk=5\r\n[B]\n"},
                      SetCase{"NewSectionAtTheEnd", "[A]\r\nx=1\r\n\r\n", "B", "k", "5",
                              "[A]\r\nx=1\r\n\r\n[B]\r\nk=5\r\n"},
                      SetCase{"NewSectionAfterALastLineWithoutLineEnd", "[A]\r\nx=1", "B", "k", "5",
                              "[A]\r\nx=1\r\n[B]\r\nk=5\r\n"},
                      SetCase{"FirstSectionInAnEmptyFile", "", "B", "k", "5", "[B]\r\nk=5\r\n"},
                      SetCase{"FirstOfTwoSectionsTakesANewKey", "[A]\r\nx=1\r\n[A]\r\nk=1\r\n", "A",
                              "k", "5", "[A]\r\nx=1\r\nk=5\r\n[A]\r\nk=1\r\n"},
                      SetCase{"CodePageBytesStored", "[A]\r\n", "A", "k", "\xCE\xF2\xF7\xE5\xF2 1",
                              "[A]\r\nk=\xCE\xF2\xF7\xE5\xF2 1\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedSet {
  const char* name;
  std::string section;
  std::string key;
  std::string value;
};

void PrintTo(const RefusedSet& c, std::ostream* out) { *out << c.name; }

class IniSetRefused : public ::testing::TestWithParam<RefusedSet> {};

TEST_P(IniSetRefused, LeavesTheFileAsItWas) {
  const RefusedSet& c = GetParam();
  const std::string before = "[A]\r\nk=1\r\n";
  IniFile file = IniFile::FromBytes(before);
  EXPECT_FALSE(file.Set(c.section, c.key, c.value));
  EXPECT_EQ(file.Bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(TextTheFileCannotGiveBack, IniSetRefused,
                         ::testing::Values(RefusedSet{"EmptySection", "", "k", "v"},
                                           RefusedSet{"BracketInSection", "A]", "k", "v"},
                                           RefusedSet{"BlankBeforeSection", " A", "k", "v"},
                                           RefusedSet{"LineBreakInSection", "A\n", "k", "v"},
                                           RefusedSet{"EmptyKey", "A", "", "v"},
                                           RefusedSet{"EqualsInKey", "A", "k=", "v"},
                                           RefusedSet{"KeyLooksLikeAComment", "A", ";k", "v"},
                                           RefusedSet{"KeyLooksLikeASection", "A", "[k", "v"},
                                           RefusedSet{"BlankAfterKey", "A", "k ", "v"},
                                           RefusedSet{"LineBreakInValue", "A", "k", "a\r\nb=2"},
                                           RefusedSet{"BlankBeforeValue", "A", "k", " v"},
                                           RefusedSet{"BlankAfterValue", "A", "k", "v\t"}),
                         [](const auto& info) { return std::string(info.param.name); });

class IniFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir.Path().empty()); }
  TempDirectory dir;
};

TEST_F(IniFileOnDisk, MissingFile_ReadsEmptyAndSaveCreatesIt) {
  IniFile file = IniFile::Open(dir.File("a.ini"));
  EXPECT_EQ(file.Source(), IniSource::kMissing);
  EXPECT_EQ(file.Get("A", "k", "default", kNoLimit), "default");
  ASSERT_TRUE(file.Set("A", "k", "1"));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadBytes(dir.File("a.ini")), "[A]\r\nk=1\r\n");
  EXPECT_EQ(dir.Names(), std::set<std::string>{"a.ini"});
}

TEST_F(IniFileOnDisk, Save_ReplacesTheFileWholeAndLeavesNothingBeside) {
  WriteBytes(dir.File("a.ini"), "; kept\n[A]\nk=1\n");
  IniFile file = IniFile::Open(dir.File("a.ini"));
  EXPECT_EQ(file.Source(), IniSource::kRead);
  ASSERT_TRUE(file.Set("A", "k", "2"));
  ASSERT_TRUE(file.Set("B", "x", "3"));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadBytes(dir.File("a.ini")), "; kept\n[A]\nk=2\n[B]\r\nx=3\r\n");
  EXPECT_EQ(dir.Names(), std::set<std::string>{"a.ini"});
}

TEST_F(IniFileOnDisk, Save_KeepsTheFilesPermissions) {
  WriteBytes(dir.File("a.ini"), "[A]\r\nk=1\r\n");
  ASSERT_EQ(::chmod(dir.File("a.ini").c_str(), 0640), 0);
  IniFile file = IniFile::Open(dir.File("a.ini"));
  ASSERT_TRUE(file.Set("A", "k", "2"));
  ASSERT_TRUE(file.Save());
  struct stat status {};
  ASSERT_EQ(::stat(dir.File("a.ini").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(IniFileOnDisk, Save_DirectoryMissing_FailsAndCreatesNothing) {
  IniFile file = IniFile::Open(dir.File("absent/a.ini"));
  EXPECT_EQ(file.Source(), IniSource::kMissing);
  ASSERT_TRUE(file.Set("A", "k", "1"));
  EXPECT_FALSE(file.Save());
  EXPECT_TRUE(dir.Names().empty());
}

TEST_F(IniFileOnDisk, UnreadablePath_ReadsEmptyAndIsNeverReplaced) {
  ASSERT_EQ(::mkdir(dir.File("a.ini").c_str(), 0755), 0);
  IniFile file = IniFile::Open(dir.File("a.ini"));
  EXPECT_EQ(file.Source(), IniSource::kUnreadable);
  EXPECT_EQ(file.Get("A", "k", "default", kNoLimit), "default");
  ASSERT_TRUE(file.Set("A", "k", "1"));
  EXPECT_FALSE(file.Save());
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("a.ini")));
  EXPECT_EQ(dir.Names(), std::set<std::string>{"a.ini"});
}

TEST_F(IniFileOnDisk, HugeFile_IsUnreadableAndKeptAsItIs) {
  const std::string huge = "[A]\r\nk=" + std::string(std::size_t{2} << 20, 'x') + "\r\n";
  WriteBytes(dir.File("a.ini"), huge);
  IniFile file = IniFile::Open(dir.File("a.ini"));
  EXPECT_EQ(file.Source(), IniSource::kUnreadable);
  ASSERT_TRUE(file.Set("A", "k", "1"));
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(ReadBytes(dir.File("a.ini")), huge);
}

TEST(IniFileInMemory, Save_HasNoFileToWriteAndFails) {
  IniFile file = IniFile::FromBytes("[A]\r\nk=1\r\n");
  ASSERT_TRUE(file.Set("A", "k", "2"));
  EXPECT_FALSE(file.Save());
}

}  // namespace
}  // namespace kvitmark::app
