// kvitmark-cli backup, restore and the goods sheets, as a shell script runs them against
// kvitmark-sim on a pseudo-terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "cli_fixture.h"
#include "sim/sim_tables.h"

namespace kvitmark {
namespace {

using base::Cp1251;
using testing::CliRun;
namespace fs = std::filesystem;

constexpr int kWholeRegisterMs = 100000;

class CliBackupTest : public testing::CliFixture {
 protected:
  // A whole register takes its time in a sanitizer build, and says nothing on standard output
  // until it is done.
  CliRun Cli(const std::vector<std::string>& arguments) {
    return RunOnSim(arguments, "/dev/null", kWholeRegisterMs);
  }

  static std::string Lines(const std::vector<std::string>& records) {
    std::string text;
    for (const auto& record : records) text += record + "\r\n";
    return text;
  }

  // A backup of the running register; its folder.
  std::string TakeBackup() {
    fs::create_directories(folder / "backups");
    const CliRun run = Cli({"backup", File("backups")});
    EXPECT_EQ(run.status, 0) << run.errors;
    std::string path = run.output.substr(0, run.output.find('\n'));
    EXPECT_TRUE(fs::exists(path + "/manifest.json")) << run.output;
    return path;
  }

  const sim::SimTables factory = sim::FactoryTables();
};

TEST_F(CliBackupTest, BackupThenRestoreOntoAFreshRegister_ItsTablesMatchRecordForRecord) {
  // The shop's register, programmed away from the factory's tables.
  std::vector<std::string> goods = factory.at(0).records;
  goods[0] = Cp1251("1;Хліб;12.50;3.000;2;3;1;0;0;4820000000017;");
  goods[13999] = Cp1251("14000;Останній;0.99;0.000;1;1;1;1;0;0;");
  std::vector<std::string> operators = factory.at(3).records;
  operators[6] = Cp1251("7;Олена;1;");
  std::vector<std::string> service = {"1;0;2;1;0;0;1;1;2;4;3;"};
  Write(File("shop0"), Lines(goods));
  Write(File("shop3"), Lines(operators));
  Write(File("shop8"), Lines(service));
  StartSim({"--table", "0=" + File("shop0"), "--table", "3=" + File("shop3"), "--table",
            "8=" + File("shop8")});
  const std::string backup = TakeBackup();
  sim->Stop();

  // A register fresh from the factory, whose tables are saved when it stops.
  for (const char* table : {"fresh0", "fresh3", "fresh8"}) Write(File(table), "");
  StartSim({"--table", "0=" + File("fresh0"), "--table", "3=" + File("fresh3"), "--table",
            "8=" + File("fresh8"), "--save"});
  const CliRun run = Cli({"restore", backup, "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("Восстановление ЭККА завершено."), std::string::npos) << run.errors;
  ASSERT_EQ(sim->Stop(), 0);
  EXPECT_EQ(Read(File("fresh0")), Lines(goods));
  EXPECT_EQ(Read(File("fresh3")), Lines(operators));
  EXPECT_EQ(Read(File("fresh8")), Lines(service));
}

TEST_F(CliBackupTest, Restore_OneByteChanged_IsRefusedWithNothingSent) {
  StartSim();
  const std::string backup = TakeBackup();
  std::string departments = Read(backup + "/otd.otd");
  departments[3] = 'X';
  Write(backup + "/otd.otd", departments);
  const CliRun run = Cli({"--trace", "restore", backup, "--yes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("Файл otd.otd изменён или повреждён"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("Ничего не записано в ЭККА."), std::string::npos);
  EXPECT_EQ(run.errors.find("> "), std::string::npos) << "not a byte on the line";
}

// A manifest that is no file of the backup folder: a pipe the check would wait on for ever, a
// device it would read without end, a file elsewhere. Each is refused at once, named, and
// nothing is sent.
TEST_F(CliBackupTest, Restore_ManifestThatIsNoFileOfTheFolder_IsRefusedWithNothingSent) {
  struct Case {
    const char* name;
    std::function<void(const std::string& manifest)> make;
    const char* told;
  };
  Write(File("elsewhere.json"), "{}");
  const std::vector<Case> cases = {
      {"pipe", [](const std::string& manifest) { ASSERT_EQ(mkfifo(manifest.c_str(), 0600), 0); },
       "Файл manifest.json в папке копии - не обычный файл"},
      {"device", [](const std::string& manifest) { fs::create_symlink("/dev/zero", manifest); },
       "Файл manifest.json в папке копии - символическая ссылка"},
      {"elsewhere",
       [this](const std::string& manifest) {
         fs::create_symlink(File("elsewhere.json"), manifest);
       },
       "Файл manifest.json в папке копии - символическая ссылка"},
  };
  for (const Case& c : cases) {
    const std::string backup = File(c.name);
    fs::create_directories(backup);
    c.make(backup + "/manifest.json");
    const CliRun run = RunOnSim({"--trace", "restore", backup, "--yes"});
    EXPECT_EQ(run.status, 1) << c.name;
    EXPECT_NE(run.errors.find(c.told), std::string::npos) << c.name << '\n' << run.errors;
    EXPECT_NE(run.errors.find("Ничего не записано в ЭККА."), std::string::npos) << c.name;
    EXPECT_EQ(run.errors.find("> "), std::string::npos) << c.name << ": not a byte on the line";
  }
}

TEST_F(CliBackupTest, RestoreDryRun_TellsWhatWouldBeWrittenAndOpensNothing) {
  StartSim();
  const std::string backup = TakeBackup();
  sim->Stop();
  sim.reset();
  const CliRun run = Cli({"restore", backup, "--only", "opl,pak,logo", "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output,
            "Типы оплат (opl.opl): 4 записи (запись 1 не записывается)\n"
            "Параметры кассы (pak.pak): 1 запись\n"
            "Логотип (logo.bmp): 200 строк\n"
            "205 records would be written\n");
  EXPECT_EQ(Cli({"restore", backup, "--only", "zzz", "--dry-run"}).status, 1);
}

TEST_F(CliBackupTest, Backup_NeverWritesIntoAnEarlierOne) {
  StartSim();
  const std::string first = TakeBackup();
  const std::string manifest = Read(first + "/manifest.json");
  const std::string second = TakeBackup();
  EXPECT_NE(first, second);
  EXPECT_EQ(Read(first + "/manifest.json"), manifest);
}

TEST_F(CliBackupTest, CsvFromExcelOnRussianWindows_BecomesTheGoodsFileTheWindowSaves) {
  // Excel's "CSV (разделители — точка с запятой)": code page 1251, ";", decimal commas, the
  // columns in the user's order.
  Write(File("goods.csv"), Cp1251("Название;Код;Цена;Количество;Штрих-код\r\n"
                                  "\"Сок \"\"Садочок\"\"; 1 л\";12;38,5;1,25;4820000000017\r\n"
                                  "Хліб житній;7;12,50;;\r\n"));
  // The ";" in the first name is not allowed in a register record.
  CliRun run = Cli({"csv-import", File("goods.csv"), File("goods.art")});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(File("goods.art")));

  Write(File("goods.csv"), Cp1251("Название;Код;Цена;Количество;Штрих-код\r\n"
                                  "\"Сок \"\"Садочок\"\", 1 л\";12;38,5;1,25;4820000000017\r\n"
                                  "Хліб житній;7;12,50;;\r\n"));
  run = Cli({"csv-import", File("goods.csv"), File("goods.art")});
  ASSERT_EQ(run.status, 0) << run.errors;
  std::string expected = Cp1251("12;Сок \"Садочок\", 1 л;38.50;1.250;;;;;;4820000000017;\r\n") +
                         Cp1251("7;Хліб житній;12.50;;;;;;;;\r\n");
  for (int n = 3; n <= 14000; ++n) expected += ";;;;;;;;;;\r\n";
  EXPECT_EQ(Read(File("goods.art")), expected);

  run = Cli({"csv-export", File("goods.art"), File("again.csv")});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(File("again.csv")),
            "\xEF\xBB\xBF№;Код;Название;Цена;Количество;Отдел;Группа;Налог;Тип;КНЛ;Штрих-код\r\n"
            "1;12;\"Сок \"\"Садочок\"\", 1 л\";38,50;1,250;;;;;;4820000000017\r\n"
            "2;7;Хліб житній;12,50;;;;;;;\r\n");
}

TEST_F(CliBackupTest, CsvImport_ThreeBadLines_AllReportedAndNothingWritten) {
  Write(File("bad.csv"),
        "\xEF\xBB\xBF№;Название;Цена\r\n"
        "1;Хліб;12,50\r\n"
        "2;Молоко;дорого\r\n"
        "3;Кефір;1.5\r\n"
        "0;Сир;100\r\n"
        "3;Масло;80\r\n");
  Write(File("goods.art"), "the earlier file\r\n");
  const CliRun run = Cli({"csv-import", File("bad.csv"), File("goods.art")});
  EXPECT_EQ(run.status, 1);
  for (const char* problem : {"строка 3, столбец 3 (Цена): \"дорого\" - не число",
                              "строка 5, столбец 1 (№): \"0\" - не номер записи от 1 до 14000",
                              "строка 6: запись 3 уже задана в строке 4"}) {
    EXPECT_NE(run.errors.find(problem), std::string::npos) << problem << '\n' << run.errors;
  }
  EXPECT_NE(run.errors.find("Ошибок: 3."), std::string::npos) << run.errors;
  EXPECT_EQ(Read(File("goods.art")), "the earlier file\r\n");
}

}  // namespace
}  // namespace kvitmark
