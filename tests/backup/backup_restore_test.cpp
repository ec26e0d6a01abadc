// A whole register into a backup folder and back: what a service engineer does before and
// after a repair.
#include <filesystem>

#include "backup/backup_contents.h"
#include "backup/backup_folder.h"
#include "backup/manifest.h"
#include "backup/sha256.h"
#include "backup_fixture.h"
#include "base/cp1251.h"
#include "base/message.h"
#include "sim/sim_tables.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using base::Cp1251ToUtf8;
using base::RenderUtf8;
using tables::PageId;

// A register programmed by its shop: something in every kind of table differs from the
// factory's, payment type 1 included.
void ProgramTheShop(sim::SimTables& tables) {
  tables[0].records[4] = Cp1251("5;Хліб \"Житній\";12.50;3.250;2;3;1;0;0;4820000000017;");
  tables[0].records[13999] = Cp1251("14000;Останній;0.99;0.000;1;1;1;1;0;0;");
  tables[3].records[1] = Cp1251("2;Олена;1;");
  tables[9].records[0] = Cp1251("1;0;Гроші;1;0;");
  tables[9].records[2] = Cp1251("1;1;Кредит 30;0;1;");
  tables[10].records[19] = Cp1251("Відділ побутової хімії;");
  tables[6].records[11] = Cp1251("  Сервіс 4;");
  tables[2].records[0] = "1;1;1;60;1;0;0;0;1;0;0;0;0;";
  tables[8].records[0] = "1;0;2;1;0;0;1;1;2;4;3;";
  tables[98].records[2999] = Cp1251("3000;26000000000001;Платіж останній;5;7;1;1;Примітка;");
  tables[107].records[0] = "1;16;3;0;2;7;1;43;5;4;";
  tables[136].records[0] = "128;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;1;";
}

TEST_F(BackupTest, BackupThenRestoreOntoAFactoryFreshRegister_LeavesItsTablesEqual) {
  ProgramTheShop(simRegister.Tables());
  const sim::SimTables shop = simRegister.Tables();
  Connect();
  const auto taken = TakeBackup();
  ASSERT_EQ(taken.outcome, backup::BackupOutcome::kComplete) << RenderUtf8(taken.errors);
  EXPECT_EQ(RenderUtf8(backup::BackupReport(taken)),
            "Резервная копия ЭККА 1 сохранена: таблиц 21 и логотип.");
  EXPECT_EQ(user.items.size(), 22u);
  EXPECT_EQ(user.items.front(), "art.art");
  EXPECT_EQ(user.items.back(), "logo.bmp");
  EXPECT_TRUE(user.recorded.dialogs.empty()) << "the tables' own notices are not shown";

  // Another register, fresh from the factory, on a new connection.
  simRegister.Tables() = sim::FactoryTables();
  session.registerCopy.Clear();
  auto check = backup::CheckBackup(taken.folder, {}, logoFiles);
  ASSERT_TRUE(check.backup) << RenderUtf8(check.error);
  user.recorded.dialogs.clear();
  const auto restored = backup::RestoreRegister(session, user, *check.backup);
  ASSERT_TRUE(restored.confirmed);
  ASSERT_FALSE(restored.stopped);
  ASSERT_EQ(user.recorded.dialogs.size(), 1u) << "one question, asked before anything is sent";
  const std::string& question = user.recorded.dialogs.front();
  EXPECT_NE(question.find("Товары (art.art): 14000 записей\n"), std::string::npos) << question;
  EXPECT_NE(question.find("Типы оплат (opl.opl): 4 записи (запись 1 не записывается)"),
            std::string::npos);
  EXPECT_NE(question.find("Логотип (logo.bmp): 200 строк"), std::string::npos);

  const sim::SimTables& fresh = simRegister.Tables();
  for (const auto& [table, contents] : shop) {
    if (contents.readOnly) continue;
    for (size_t record = 0; record < contents.records.size(); ++record) {
      // Payment type 1 is never written: the fresh register keeps its own.
      const std::string expected = table == 9 && record == 0 ? sim::FactoryTables().at(9).records[0]
                                                             : contents.records[record];
      ASSERT_EQ(fresh.at(table).records[record], expected)
          << "table " << table << " record " << record + 1;
    }
  }
}

TEST_F(BackupTest, Manifest_NamesTheProgramTimeRegisterAndEveryFile) {
  setenv("TZ", "EET-2", 1);
  tzset();
  Connect();
  const auto taken = TakeBackup();
  ASSERT_EQ(taken.outcome, backup::BackupOutcome::kComplete) << RenderUtf8(taken.errors);
  EXPECT_EQ(taken.folder, folder.Path() + "/ЭККА1_2024-05-01_1430");
  const std::string json = app::ReadBytes(taken.folder + "/manifest.json");
  EXPECT_NE(json.find("\"program\": {\n    \"name\": \"Kvitmark\",\n    \"version\": \"1.0.0\""),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"created\": \"2024-05-01T14:30:00+02:00\""), std::string::npos);
  EXPECT_NE(json.find("\"type\": \"Datecs MP-50 Junior\""), std::string::npos);
  const auto manifest = backup::ParseManifest(json).manifest;
  ASSERT_TRUE(manifest);
  EXPECT_EQ(manifest->registerNumber, 1);
  EXPECT_TRUE(manifest->complete);
  ASSERT_EQ(manifest->kinds.size(), 21u);
  for (const auto& kind : manifest->kinds) {
    EXPECT_EQ(kind.file, kind.kind + "." + kind.kind);
    EXPECT_EQ(kind.sha256, backup::Sha256(app::ReadBytes(taken.folder + "/" + kind.file)));
  }
  EXPECT_EQ(manifest->kinds[0].records, 14000);
  ASSERT_TRUE(manifest->logo);
  // The logo as "Сохранить логотип в файл" keeps a picture read from the register.
  EXPECT_EQ(app::ReadBytes(taken.folder + "/logo.bmp").size(), 62u + 200u * 24u);
  unsetenv("TZ");
  tzset();
}

TEST_F(BackupTest, ARecordSkippedAtThePrompt_MarksItsTableFailedAndTheBackupGoesOn) {
  Connect();
  // A hundred refusals are ten calls of ten: operator 1 cannot be read.
  user.onItem = [this](const backup::RunItem& item) {
    if (item.file == "opr.opr") simRegister.Faults().refuse = 100;
  };
  user.recorded.promptAnswers = {tables::FailureAnswer::kSkip};
  const auto taken = TakeBackup();
  EXPECT_EQ(taken.outcome, backup::BackupOutcome::kIncomplete);
  EXPECT_EQ(user.items.size(), 22u) << "the tables after it are read too";
  ASSERT_EQ(taken.manifest.kinds.size(), 21u);
  EXPECT_EQ(taken.manifest.kinds[1].result, backup::ItemResult::kFailed);
  EXPECT_EQ(taken.manifest.kinds[1].failed, std::vector<int>{1});
  EXPECT_EQ(taken.manifest.kinds[2].result, backup::ItemResult::kDone);
  EXPECT_NE(
      RenderUtf8(backup::BackupReport(taken)).find("Операторы (opr.opr): не прочитаны записи 1"),
      std::string::npos);

  // The restore does not write a table it holds only in part.
  auto check = backup::CheckBackup(taken.folder, {"opr", "otd"}, logoFiles);
  ASSERT_TRUE(check.backup) << RenderUtf8(check.error);
  trace.Clear();
  const auto restored = backup::RestoreRegister(session, user, *check.backup);
  ASSERT_EQ(restored.steps.size(), 2u);
  EXPECT_EQ(restored.steps[0].state, backup::StepState::kLeftOut);
  for (const auto& write : WritesOnTheLine()) EXPECT_FALSE(write.starts_with("W3;")) << write;
  EXPECT_NE(user.recorded.dialogs.back().find(
                "Операторы (opr.opr): не будет записана - в копии неполная"),
            std::string::npos);
}

TEST_F(BackupTest, Stop_EndsTheBackupWithAManifestOfWhatWasDone) {
  Connect();
  user.onItem = [this](const backup::RunItem& item) {
    if (item.file == "otd.otd") user.stop = true;
  };
  const auto taken = TakeBackup();
  EXPECT_EQ(taken.outcome, backup::BackupOutcome::kStopped);
  const auto manifest =
      backup::ParseManifest(app::ReadBytes(taken.folder + "/manifest.json")).manifest;
  ASSERT_TRUE(manifest);
  EXPECT_FALSE(manifest->complete);
  ASSERT_EQ(manifest->kinds.size(), 3u) << "goods, operators and payment types were done";
  EXPECT_EQ(manifest->kinds[2].kind, "opl");
  EXPECT_FALSE(manifest->logo);
  EXPECT_FALSE(std::filesystem::exists(taken.folder + "/otd.otd"));
  // What there is can still be restored; the question says the backup is not whole.
  auto check = backup::CheckBackup(taken.folder, {}, logoFiles);
  ASSERT_TRUE(check.backup) << RenderUtf8(check.error);
  user.stop = false;
  user.recorded.confirmAnswers = {false};
  trace.Clear();
  const auto restored = backup::RestoreRegister(session, user, *check.backup);
  EXPECT_FALSE(restored.confirmed);
  EXPECT_NE(user.recorded.dialogs.back().find("Копия неполная"), std::string::npos);
  EXPECT_TRUE(WritesOnTheLine().empty()) << "no: nothing is sent";
}

TEST_F(BackupTest, Restore_WhereTheConnectionKnowsATable_WritesOnlyWhatDiffers) {
  Connect();
  const auto taken = TakeBackup();
  ASSERT_EQ(taken.outcome, backup::BackupOutcome::kComplete);
  // Operator 7 changed since the backup, through the program: the connection knows it.
  tables::ReadFromRegister(session, observer, PageId::kOperators);
  workspace.Grid(PageId::kOperators).SetCell(2, 7, Cp1251("Олена"));
  tables::WriteChangesToRegister(session, observer, PageId::kOperators);
  auto check = backup::CheckBackup(taken.folder, {"opr", "art", "logo"}, logoFiles);
  ASSERT_TRUE(check.backup) << RenderUtf8(check.error);
  trace.Clear();
  const auto restored = backup::RestoreRegister(session, user, *check.backup);
  ASSERT_TRUE(restored.confirmed);
  const std::string& question = user.recorded.dialogs.front();
  EXPECT_NE(question.find("Товары (art.art): без изменений"), std::string::npos) << question;
  EXPECT_NE(question.find("Операторы (opr.opr): изменённых записей 1 из 20"), std::string::npos);
  std::vector<std::string> tableWrites;
  for (const auto& write : WritesOnTheLine()) {
    if (!write.starts_with("W136;")) tableWrites.push_back(write);
  }
  EXPECT_EQ(tableWrites, std::vector<std::string>{Cp1251("W3;7;7;Оператор7;0;")});
  EXPECT_EQ(RenderUtf8(backup::RestoreReport(restored)),
            "Восстановление ЭККА завершено.\n"
            "Товары (art.art): без изменений\n"
            "Операторы (opr.opr): записано 1 запись\n"
            "Логотип (logo.bmp): записан");
  // The user's pages are untouched: the restore writes from the backup's own tables.
  EXPECT_EQ(Cp1251ToUtf8(workspace.Grid(PageId::kOperators).Cell(2, 7)), "Олена");
}

TEST(BackupFolder, SecondBackupInTheSameMinute_GetsAFolderOfItsOwn) {
  app::TempDirectory parent;
  const auto first = backup::MakeNewFolder(parent.Path(), "ЭККА1_2024-05-01_1430");
  const auto second = backup::MakeNewFolder(parent.Path(), "ЭККА1_2024-05-01_1430");
  EXPECT_EQ(first.path, parent.Path() + "/ЭККА1_2024-05-01_1430");
  EXPECT_EQ(second.path, parent.Path() + "/ЭККА1_2024-05-01_1430_2");
  const auto none = backup::MakeNewFolder(parent.Path() + "/missing", "x");
  EXPECT_TRUE(none.path.empty());
  EXPECT_NE(RenderUtf8(none.error).find("Не удалось создать папку"), std::string::npos);
}

struct TimeCase {
  const char* zone;
  const char* folder;
  const char* iso;
};

class BackupTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(BackupTime, FolderNameAndManifestTimeAreLocalWithTheOffset) {
  setenv("TZ", GetParam().zone, 1);
  tzset();
  EXPECT_EQ(backup::BackupFolderName(3, BackupTest::kWhen), GetParam().folder);
  EXPECT_EQ(backup::IsoLocalTime(BackupTest::kWhen), GetParam().iso);
  unsetenv("TZ");
  tzset();
}

INSTANTIATE_TEST_SUITE_P(
    Zones, BackupTime,
    ::testing::Values(TimeCase{"UTC0", "ЭККА3_2024-05-01_1230", "2024-05-01T12:30:00+00:00"},
                      TimeCase{"EET-2", "ЭККА3_2024-05-01_1430", "2024-05-01T14:30:00+02:00"},
                      TimeCase{"NST+3:30", "ЭККА3_2024-05-01_0900", "2024-05-01T09:00:00-03:30"}));

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(backup::Sha256("abc"),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(backup::Sha256(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

}  // namespace
}  // namespace kvitmark::testing
