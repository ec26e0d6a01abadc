// A backup is proved whole before anything of it is sent: each way a folder can be wrong is
// refused, naming the file.
#include <sys/stat.h>

#include <filesystem>

#include "backup/backup_contents.h"
#include "backup/manifest.h"
#include "backup/sha256.h"
#include "backup_fixture.h"
#include "base/message.h"
#include "logo/dot_picture.h"

namespace kvitmark::testing {
namespace {

using base::RenderUtf8;

// One backup of the factory register, taken once: the cases work on copies of it.
class BackupCopies : public BackupTest {
 protected:
  static void SetUpTestSuite() {
    struct Taker : BackupTest {
      void TestBody() override {}
    } taker;
    taker.Connect();
    const auto taken = taker.TakeBackup();
    ASSERT_EQ(taken.outcome, backup::BackupOutcome::kComplete);
    original_ = new app::TempDirectory;
    std::filesystem::copy(taken.folder, original_->Path(),
                          std::filesystem::copy_options::recursive);
  }
  static void TearDownTestSuite() {
    delete original_;
    original_ = nullptr;
  }
  void SetUp() override {
    copy = folder.Path() + "/copy";
    std::filesystem::copy(original_->Path(), copy, std::filesystem::copy_options::recursive);
  }

  std::string copy;
  static app::TempDirectory* original_;
};

app::TempDirectory* BackupCopies::original_ = nullptr;

// Rewrites a file of the copy and then the manifest's digest of it, as someone who knew
// what they were doing would: only the check of the file's contents can catch it then.
void Replace(const std::string& copy, const std::string& file, const std::string& bytes) {
  app::WriteBytes(copy + "/" + file, bytes);
  auto manifest = backup::ParseManifest(app::ReadBytes(copy + "/manifest.json")).manifest;
  for (auto& kind : manifest->kinds) {
    if (kind.file == file) kind.sha256 = backup::Sha256(bytes);
  }
  if (manifest->logo && manifest->logo->file == file)
    manifest->logo->sha256 = backup::Sha256(bytes);
  app::WriteBytes(copy + "/manifest.json", backup::ManifestJson(*manifest));
}

void EditManifest(const std::string& copy, const std::function<void(backup::Manifest&)>& edit) {
  auto manifest = backup::ParseManifest(app::ReadBytes(copy + "/manifest.json")).manifest;
  edit(*manifest);
  app::WriteBytes(copy + "/manifest.json", backup::ManifestJson(*manifest));
}

struct BadCase {
  const char* name;
  std::function<void(const std::string& copy, backup::LogoFiles& logoFiles)> spoil;
  std::vector<std::string> only;
  const char* told;  // part of the message
};

class BadBackup : public BackupCopies, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadBackup, IsRefusedNamingTheFile) {
  GetParam().spoil(copy, logoFiles);
  const auto check = backup::CheckBackup(copy, GetParam().only, logoFiles);
  EXPECT_FALSE(check.backup);
  EXPECT_NE(RenderUtf8(check.error).find(GetParam().told), std::string::npos)
      << RenderUtf8(check.error);
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, BadBackup,
    ::testing::Values(
        BadCase{"OneByteChanged",
                [](const std::string& copy, auto&) {
                  std::string bytes = app::ReadBytes(copy + "/opr.opr");
                  bytes[5] ^= 1;
                  app::WriteBytes(copy + "/opr.opr", bytes);
                },
                {},
                "Файл opr.opr изменён или повреждён"},
        BadCase{"LogoByteChanged",
                [](const std::string& copy, auto&) {
                  std::string bytes = app::ReadBytes(copy + "/logo.bmp");
                  bytes[100] ^= 0x10;
                  app::WriteBytes(copy + "/logo.bmp", bytes);
                },
                {"art"},  // every file is checked, whichever are asked for
                "Файл logo.bmp изменён или повреждён"},
        BadCase{"FileMissing",
                [](const std::string& copy, auto&) { std::filesystem::remove(copy + "/pko.pko"); },
                {},
                "Файла pko.pko нет"},
        BadCase{"NoManifest",
                [](const std::string& copy, auto&) {
                  std::filesystem::remove(copy + "/manifest.json");
                },
                {},
                "нет файла manifest.json"},
        BadCase{"ManifestNotJson",
                [](const std::string& copy, auto&) {
                  app::WriteBytes(copy + "/manifest.json", "{\"kinds\": [");
                },
                {},
                "manifest.json: это не JSON"},
        BadCase{"ManifestWithoutAField",
                [](const std::string& copy, auto&) {
                  std::string json = app::ReadBytes(copy + "/manifest.json");
                  json.replace(json.find("\"records\""), 9, "\"recods\"");
                  app::WriteBytes(copy + "/manifest.json", json);
                },
                {},
                "нет поля \"kinds[].records\""},
        BadCase{"FileOutsideTheFolder",
                [](const std::string& copy, auto&) {
                  EditManifest(copy, [](auto& manifest) { manifest.kinds[3].file = "../otd.otd"; });
                },
                {},
                "в файле \"../otd.otd\""},
        BadCase{"KindTwice",
                [](const std::string& copy, auto&) {
                  EditManifest(copy,
                               [](auto& manifest) { manifest.kinds.push_back(manifest.kinds[0]); });
                },
                {},
                "таблица \"art\" указана дважды"},
        BadCase{
            "TableFileThatEndsEarly",
            [](const std::string& copy, auto&) { Replace(copy, "otd.otd", "1;\r\n2;\r\n3;\r\n"); },
            {},
            "Файл otd.otd: Конец файла!"},
        BadCase{"RecordTheRegisterCannotTake",
                [](const std::string& copy, auto&) {
                  std::string goods = app::ReadBytes(copy + "/art.art");
                  goods.replace(goods.find("0.00"), 4, "12,5");
                  Replace(copy, "art.art", goods);
                },
                {},
                "Файл art.art: Строка 1, столбец \"Цена\""},
        // The goods file a write would refuse halfway: a CR inside a name.
        BadCase{"RecordTheLinkWouldNotSend",
                [](const std::string& copy, auto&) {
                  std::string goods = app::ReadBytes(copy + "/art.art");
                  const size_t secondLine = goods.find("\r\n") + 2;
                  goods.insert(goods.find(';', secondLine) + 2, "\r");  // after the name's first
                  Replace(copy, "art.art", goods);
                },
                {},
                "Файл art.art: Строка 2, столбец \"Название\": символ 0x0D не передаётся"},
        // Files that are no files of the copy: each would hang the check, or read what is not
        // the copy's.
        BadCase{"TableFileIsAPipe",
                [](const std::string& copy, auto&) {
                  std::filesystem::remove(copy + "/opr.opr");
                  ASSERT_EQ(mkfifo((copy + "/opr.opr").c_str(), 0600), 0);
                },
                {},
                "Файл opr.opr в папке копии - не обычный файл"},
        BadCase{"TableFileLinksToADevice",
                [](const std::string& copy, auto&) {
                  std::filesystem::remove(copy + "/art.art");
                  std::filesystem::create_symlink("/dev/zero", copy + "/art.art");
                },
                {},
                "Файл art.art в папке копии - символическая ссылка"},
        BadCase{"TableFileLinksOutsideTheFolder",
                [](const std::string& copy, auto&) {
                  // The same bytes, so that only where they are can tell.
                  std::filesystem::rename(copy + "/otd.otd", copy + "/../outside.otd");
                  std::filesystem::create_symlink(copy + "/../outside.otd", copy + "/otd.otd");
                },
                {},
                "Файл otd.otd в папке копии - символическая ссылка"},
        BadCase{"LogoLinksOutsideTheFolder",
                [](const std::string& copy, auto&) {
                  std::filesystem::rename(copy + "/logo.bmp", copy + "/../outside.bmp");
                  std::filesystem::create_symlink(copy + "/../outside.bmp", copy + "/logo.bmp");
                },
                {},
                "Файл logo.bmp в папке копии - символическая ссылка"},
        BadCase{"TableFileLargerThanARegisterFills",
                [](const std::string& copy, auto&) {
                  // Lines after the last record are ignored by a load: only the size tells.
                  std::string goods = app::ReadBytes(copy + "/art.art");
                  goods.resize(backup::kLargestBackupFile + 1, '\n');
                  Replace(copy, "art.art", goods);
                },
                {},
                "Файл art.art в папке копии больше, чем бывает в копии ЭККА"},
        BadCase{"ManifestLargerThanAnyBackupWrites",
                [](const std::string& copy, auto&) {
                  std::string json = app::ReadBytes(copy + "/manifest.json");
                  json.resize(backup::kLargestManifest + 1, ' ');
                  app::WriteBytes(copy + "/manifest.json", json);
                },
                {},
                "Файл manifest.json в папке копии больше, чем бывает в копии ЭККА"},
        BadCase{"LogoOfAnotherSize",
                [](const std::string& copy, backup::LogoFiles& logoFiles) {
                  logoFiles.Save(logo::DotPicture(100, 100), copy + "/small.bmp");
                  Replace(copy, "logo.bmp", app::ReadBytes(copy + "/small.bmp"));
                },
                {},
                "рисунок 100 x 100"},
        BadCase{"UnknownKindAskedFor",
                [](const std::string&, auto&) {},
                {"art", "xyz"},
                "Нет такого вида таблиц: \"xyz\""},
        BadCase{"KindTheBackupLacks",
                [](const std::string& copy, auto&) {
                  EditManifest(copy, [](auto& manifest) { manifest.kinds.pop_back(); });
                },
                {"tsp"},
                "В копии нет таблицы"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupCopies, WholeBackup_PassesWithTheItemsAskedForInTheWindowsOrder) {
  const auto check = backup::CheckBackup(copy, {"logo", "pak", "art"}, logoFiles);
  ASSERT_TRUE(check.backup) << RenderUtf8(check.error);
  std::vector<std::string> files;
  for (const auto& item : check.backup->items) files.push_back(item.file);
  EXPECT_EQ(files, (std::vector<std::string>{"art.art", "pak.pak", "logo.bmp"}));
}

}  // namespace
}  // namespace kvitmark::testing
