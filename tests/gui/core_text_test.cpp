// The core's messages reach the window in Ukrainian with their pieces where the translation
// puts them and the user's data as typed, and stay the same Russian bytes.
#include <QtTest>
#include <cerrno>
#include <vector>

#include "base/cp1251.h"
#include "base/message.h"
#include "base/system_error_text.h"
#include "base/text_pattern.h"
#include "base/ui/translation.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/planning_observer.h"
#include "tables/workspace.h"

using namespace kvitmark;

namespace {

const base::CountedPattern kChanges = {
    KV_PATTERN("tables", "Таблица \"%2\": будет записана %1 изменённая запись. Продолжить ?"),
    KV_PATTERN("tables", "Таблица \"%2\": будут записаны %1 изменённые записи. Продолжить ?"),
    KV_PATTERN("tables", "Таблица \"%2\": будет записано %1 изменённых записей. Продолжить ?")};

// What a write of the goods page says about a price cell the user filled with a word that is
// also the page's name.
base::Message PriceCellNotANumber() {
  tables::Workspace workspace;
  tables::PrepareGrids(workspace);
  workspace.Grid(tables::PageId::kGoods).SetCell(3, 1, base::Cp1251("Товары"));
  tables::PlanningObserver told;
  tables::PlanWrite(workspace, {}, tables::PageId::kGoods, tables::WriteScope::kAll, told);
  return told.told;
}

base::Message TooLongMessage(int row, long long length, long long limit) {
  return base::Message(KV_PATTERN("tables",
                                  "%1: запись длиной %2, а в запрос помещается %3. "
                                  "Таблица в ЭККА не записана."))
      .Arg(base::Message(KV_PATTERN("tables", "Строка %1")).Arg(row))
      .Arg(base::Message::Counted(
          length, {KV_PATTERN("tables", "%1 символ"), KV_PATTERN("tables", "%1 символа"),
                   KV_PATTERN("tables", "%1 символов")}))
      .Arg(base::Message::Counted(limit, {KV_PATTERN("tables", "не более %1 символа"),
                                          KV_PATTERN("tables", "не более %1 символов"),
                                          KV_PATTERN("tables", "не более %1 символов")}));
}

struct MessageCase {
  const char* name;
  base::MessageList lines;  // one message, or several shown together
  const char* russian;
  const char* ukrainian;
};

const std::vector<MessageCase>& MessageCases() {
  static const std::vector<MessageCase> cases = {
      // The user's cell is data: it reads as typed, though the catalogue knows the word.
      {"a cell that reads like a page's name",
       {PriceCellNotANumber()},
       "Строка 1, столбец \"Цена\": \"Товары\" - не число. Таблица в ЭККА не записана.",
       "Рядок 1, стовпець \"Ціна\": \"Товары\" - не число. Таблицю в ЕККА не записано."},
      {"a path and the system's words",
       {base::SystemErrorText(ENOENT, "/media/Ґанок/Товары.art")},
       "/media/Ґанок/Товары.art: нет такого файла или папки",
       "/media/Ґанок/Товары.art: немає такого файлу або теки"},
      // The count is %1 but stands after the table's name, which is a marked text itself.
      {"counted, pieces out of order",
       {base::Message::Counted(23, kChanges).Arg(KV_PATTERN("tables", "Отделы"))},
       "Таблица \"Отделы\": будут записаны 23 изменённые записи. Продолжить ?",
       "Таблиця \"Відділи\": буде записано 23 змінені записи. Продовжити?"},
      {"nested counted phrases",
       {TooLongMessage(7, 41, 32)},
       "Строка 7: запись длиной 41 символ, а в запрос помещается не более 32 символов. Таблица "
       "в ЭККА не записана.",
       "Рядок 7: запис довжиною 41 символ, а в запит уміщується не більше 32 символів. "
       "Таблицю в ЕККА не записано."},
      {"messages shown together",
       {tables::support::NotConnectedText(), tables::support::StoppedText()},
       "ЭККА не подключен\nОперация прервана",
       "ЕККА не підключено\nОперацію перервано"},
      // A clear that gave up records: the word agrees with the count in either language.
      {"a clear that left 1 record",
       {tables::support::SkippedRecordsText(1)},
       "Операция завершена, но 1 запись не удалось записать в ЭККА: она осталась прежней.",
       "Операцію завершено, але 1 запис не вдалося записати в ЕККА: він лишився без змін."},
      {"a clear that left 3 records",
       {tables::support::SkippedRecordsText(3)},
       "Операция завершена, но 3 записи не удалось записать в ЭККА: они остались прежними.",
       "Операцію завершено, але 3 записи не вдалося записати в ЕККА: вони лишилися без змін."},
      {"a clear that left 12 records",
       {tables::support::SkippedRecordsText(12)},
       "Операция завершена, но 12 записей не удалось записать в ЭККА: они остались прежними.",
       "Операцію завершено, але 12 записів не вдалося записати в ЕККА: вони лишилися без змін."},
  };
  return cases;
}

QString Shown(const base::MessageList& lines) {
  return lines.size() == 1 ? base::ui::Render(lines.front()) : base::ui::Render(lines);
}

}  // namespace

class CoreTextTest : public QObject {
  Q_OBJECT

 private slots:
  void messagesInEitherLanguage_data() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < MessageCases().size(); ++i) {
      QTest::newRow(MessageCases()[i].name) << static_cast<int>(i);
    }
  }

  void messagesInEitherLanguage() {
    QFETCH(int, index);
    const MessageCase& shown = MessageCases()[static_cast<size_t>(index)];
    // The Russian bytes the core has always made, and the same text in the window.
    QCOMPARE(base::RenderCp1251(shown.lines), base::Cp1251(shown.russian));
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    QCOMPARE(Shown(shown.lines), QString::fromUtf8(shown.ukrainian));
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(Shown(shown.lines), QString::fromUtf8(shown.russian));
  }
};

QTEST_MAIN(CoreTextTest)
#include "core_text_test.moc"
