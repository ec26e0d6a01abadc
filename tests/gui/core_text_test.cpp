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

std::string TooLong(int row, long long length, long long limit) {
  return base::Format(
      KV_PATTERN("tables",
                 "%1: запись длиной %2, а в запрос помещается %3. Таблица в ЭККА не записана."),
      {base::Format(KV_PATTERN("tables", "Строка %1"), {std::to_string(row)}),
       base::FormatCount(length,
                         {KV_PATTERN("tables", "%1 символ"), KV_PATTERN("tables", "%1 символа"),
                          KV_PATTERN("tables", "%1 символов")}),
       base::FormatCount(limit, {KV_PATTERN("tables", "не более %1 символа"),
                                 KV_PATTERN("tables", "не более %1 символов"),
                                 KV_PATTERN("tables", "не более %1 символов")})});
}

// Two lines of a backup's report, each made from the same pattern on its own.
std::string TwoItems() {
  const base::CountedPattern records = {KV_PATTERN("backup", "%1 запись"),
                                        KV_PATTERN("backup", "%1 записи"),
                                        KV_PATTERN("backup", "%1 записей")};
  const base::TextPattern item = KV_PATTERN("backup", "%1 (%2): %3");
  return base::Format(item, {base::Cp1251("Товары"), "art.art", base::FormatCount(4, records)}) +
         '\n' +
         base::Format(item, {base::Cp1251("Отделы"), "otd.otd", base::FormatCount(20, records)});
}

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

  void translatedWithItsPiecesInPlace_data() {
    QTest::addColumn<QByteArray>("cp1251");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("ukrainian");
    // The count is %1 but stands after the table's name.
    QTest::newRow("pieces out of order, one")
        << QByteArray::fromStdString(base::FormatCount(1, kChanges, {base::Cp1251("Товары")}))
        << QString::fromUtf8("Таблица \"Товары\": будет записана 1 изменённая запись. Продолжить ?")
        << QString::fromUtf8("Таблиця \"Товари\": буде записано 1 змінений запис. Продовжити?");
    QTest::newRow("pieces out of order, few")
        << QByteArray::fromStdString(base::FormatCount(23, kChanges, {base::Cp1251("Отделы")}))
        << QString::fromUtf8(
               "Таблица \"Отделы\": будут записаны 23 изменённые записи. Продолжить ?")
        << QString::fromUtf8("Таблиця \"Відділи\": буде записано 23 змінені записи. Продовжити?");
    // Every piece is a pattern's text of its own, with its own count form.
    QTest::newRow("nested patterns")
        << QByteArray::fromStdString(TooLong(7, 41, 32))
        << QString::fromUtf8(
               "Строка 7: запись длиной 41 символ, а в запрос помещается не более 32 "
               "символов. Таблица в ЭККА не записана.")
        << QString::fromUtf8(
               "Рядок 7: запис довжиною 41 символ, а в запит уміщується не більше 32 "
               "символів. Таблицю в ЕККА не записано.");
    // One line's pattern must not run across the break into the next.
    QTest::newRow("lines made one by one")
        << QByteArray::fromStdString(TwoItems())
        << QString::fromUtf8("Товары (art.art): 4 записи\nОтделы (otd.otd): 20 записей")
        << QString::fromUtf8("Товари (art.art): 4 записи\nВідділи (otd.otd): 20 записів");
  }

  void translatedWithItsPiecesInPlace() {
    QFETCH(QByteArray, cp1251);
    QFETCH(QString, russian);
    QFETCH(QString, ukrainian);
    const std::string text = cp1251.toStdString();
    QCOMPARE(text, base::Cp1251(russian.toStdString()));
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    QCOMPARE(base::ui::FromCore(text), ukrainian);
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(base::ui::FromCore(text), russian);
  }
};

QTEST_MAIN(CoreTextTest)
#include "core_text_test.moc"
