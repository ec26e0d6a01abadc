// What the backup and the goods sheets tell the user, in either language: the program's words
// translated with the counts agreeing, the user's data as it was typed.
#include <QtTest>

#include "backup/restore_operation.h"
#include "base/cp1251.h"
#include "base/message.h"
#include "base/ui/translation.h"
#include "sheets/goods_csv_import.h"

using namespace kvitmark;

namespace {

base::MessageList SheetProblems(const std::string& utf8) {
  base::MessageList problems;
  for (const auto& problem : sheets::ReadGoodsCsv(utf8).problems) problems.push_back(problem.text);
  return problems;
}

backup::RestoreStep LogoStep(int rows) {
  backup::RestoreStep step;
  step.item = {std::nullopt, "logo", "logo.bmp", true, {}};
  for (int row = 1; row <= rows; ++row) step.records.push_back(row);
  step.tableRecords = rows;
  return step;
}

base::MessageList LogoPlan(int rows) { return backup::PlanLines({LogoStep(rows)}); }

// A restore cut short in the logo: some of its rows did not go through.
base::MessageList StoppedInTheLogo() {
  backup::RestoreResult result;
  result.confirmed = true;
  result.stopped = true;
  result.steps.push_back({LogoStep(200), backup::StepState::kPartly, {3, 4, 5, 9}});
  return backup::RestoreReport(result);
}

}  // namespace

Q_DECLARE_METATYPE(base::MessageList)

class BackupSheetsTextTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { base::ui::UseLanguage(base::Language::kRussian); }

  void rendered_data() {
    QTest::addColumn<base::MessageList>("messages");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("ukrainian");
    // "Ряд" is a word of the catalogue's, "Цена" a column caption: here both are the file's.
    QTest::newRow("a cell that reads like the program's word")
        << SheetProblems("Код;Название;Цена\r\n1;Сир;Ряд\r\n")
        << QString::fromUtf8("строка 2, столбец 3 (Цена): \"Ряд\" - не число")
        << QString::fromUtf8("рядок 2, стовпець 3 (Цена): \"Ряд\" - не число");
    QTest::newRow("one row") << LogoPlan(1) << QString::fromUtf8("Логотип (logo.bmp): 1 строка")
                             << QString::fromUtf8("Логотип (logo.bmp): 1 рядок");
    QTest::newRow("few rows") << LogoPlan(22) << QString::fromUtf8("Логотип (logo.bmp): 22 строки")
                              << QString::fromUtf8("Логотип (logo.bmp): 22 рядки");
    QTest::newRow("many rows") << LogoPlan(200)
                               << QString::fromUtf8("Логотип (logo.bmp): 200 строк")
                               << QString::fromUtf8("Логотип (logo.bmp): 200 рядків");
    QTest::newRow("a report of lines")
        << StoppedInTheLogo()
        << QString::fromUtf8(
               "Восстановление ЭККА прервано.\nЛоготип (logo.bmp): не записаны строки 3–5, 9")
        << QString::fromUtf8(
               "Відновлення ЕККА перервано.\nЛоготип (logo.bmp): не записано рядки 3–5, 9");
  }

  void rendered() {
    QFETCH(base::MessageList, messages);
    QFETCH(QString, russian);
    QFETCH(QString, ukrainian);
    QCOMPARE(base::RenderCp1251(messages), base::Cp1251(russian.toStdString()));
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    QCOMPARE(base::ui::Render(messages), ukrainian);
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(base::ui::Render(messages), russian);
  }
};

QTEST_MAIN(BackupSheetsTextTest)
#include "backup_sheets_text_test.moc"
