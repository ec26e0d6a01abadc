// Texts the core makes from patterns reach the window in Ukrainian with their pieces where
// the translation puts them, and stay the same Russian bytes.
#include <QtTest>

#include "base/cp1251.h"
#include "base/text_pattern.h"
#include "base/ui/translation.h"

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

}  // namespace

class CoreTextTest : public QObject {
  Q_OBJECT

 private slots:
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
