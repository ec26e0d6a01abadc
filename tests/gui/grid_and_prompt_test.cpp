// Widget tests for the grid glue, the exchange error prompt and the about box, run on
// the offscreen platform. Widgets are found by their control names.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>

#include "app/ui/about_box.h"
#include "base/cp1251.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"
#include "tables/grid_table.h"
#include "tables/operation_observer.h"
#include "tables/ui/exchange_error_prompt.h"
#include "tables/ui/grid_model.h"
#include "tables/ui/record_text_validator.h"
#include "tables/ui/string_grid.h"

using kvitmark::base::Cp1251;
using kvitmark::tables::FailureAnswer;
using kvitmark::tables::GridTable;
using kvitmark::tables::ui::GridModel;
using kvitmark::tables::ui::RecordTextValidator;
using kvitmark::tables::ui::StringGrid;
using kvitmark::tables::ui::TForm3;

Q_DECLARE_METATYPE(FailureAnswer)

namespace {

// "Товар" as the register stores it.
const std::string kTovarCp1251 = "\xD2\xEE\xE2\xE0\xF0";

// A goods-like grid: header row, row numbers "1" … and nothing else.
GridTable MakeGrid(int columns, int rows) {
  GridTable table(columns, rows);
  table.SetCell(0, 0, Cp1251("Ряд"));
  for (int column = 1; column < columns; ++column) {
    table.SetCell(column, 0, Cp1251("Поле " + std::to_string(column)));
  }
  for (int row = 1; row < rows; ++row) table.SetCell(0, row, std::to_string(row));
  return table;
}

// The cell editor the grid shows now; a closed one is hidden at once and deleted later.
QLineEdit* OpenEditor(StringGrid& grid) {
  for (QLineEdit* editor : grid.viewport()->findChildren<QLineEdit*>()) {
    if (editor->isVisible()) return editor;
  }
  return nullptr;
}

// Types like a keyboard with a Cyrillic layout would: one key event per character.
void Type(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

// Runs `action` once the prompt's modal loop is running and returns the prompt's answer.
// A guard closes a prompt the action failed to close, so a fault fails instead of hanging.
FailureAnswer AskAndThen(TForm3& prompt, const std::function<void()>& action, bool& guardFired) {
  guardFired = false;
  QTimer::singleShot(0, &prompt, action);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &prompt, [&] {
    guardFired = true;
    prompt.done(QDialog::Rejected);
  });
  guard.start(10000);
  return prompt.Ask();
}

}  // namespace

class GridAndPromptTest : public QObject {
  Q_OBJECT

 private slots:
  // These check the design's own pixels.
  void initTestCase() { kvitmark::base::ui::FixScaleForTests(1.0); }
  void Model_ShowsHeaderRowRowNumbersAndCornerFromTable();
  void Model_ShowsHeadingsInTheChosenLanguageAndDataAsItIs();
  void Model_ShowsCellBytesThroughCodec_data();
  void Model_ShowsCellBytesThroughCodec();
  void Model_HidesCellsBeyondShownExtent();
  void SetData_StoresCp1251OrRefusesUnstorableText_data();
  void SetData_StoresCp1251OrRefusesUnstorableText();
  void Model_ReadsTableLiveAndAnnouncesChangedRow();
  void Model_FollowsChangedRowCount();
  void Validator_AcceptsOnlyRecordText_data();
  void Validator_AcceptsOnlyRecordText();

  void Grid_OpensFourteenThousandRowsWithUniformFixedRows();
  void Grid_ScrollToTopRowThenTopRowRoundTrips_data();
  void Grid_ScrollToTopRowThenTopRowRoundTrips();
  void Grid_ScrollToTopRowWhileHiddenIsKept_data();
  void Grid_ScrollToTopRowWhileHiddenIsKept();
  void Grid_CornerPaintsCornerCellText();
  void Grid_ColumnWidthsRoundTrip();
  void Grid_EditKeyOpensEditorOnlyWhileEditingEnabled_data();
  void Grid_EditKeyOpensEditorOnlyWhileEditingEnabled();
  void Grid_DisablingEditingClosesOpenEditorKeepingText();
  void Grid_EditorRefusesTypedOrPastedUnstorableText_data();
  void Grid_EditorRefusesTypedOrPastedUnstorableText();
  void Grid_TabCommitsCellAndMovesToNextCell();

  void Prompt_ButtonGivesItsAnswer_data();
  void Prompt_ButtonGivesItsAnswer();
  void Prompt_ClosedWithoutButtonGivesClosedEvenAfterEarlierAnswer_data();
  void Prompt_ClosedWithoutButtonGivesClosedEvenAfterEarlierAnswer();
  void Prompt_ButtonsHaveTheirCaptionsAndPlaces_data();
  void Prompt_ButtonsHaveTheirCaptionsAndPlaces();
  void Prompt_WindowAndTextLookAsDesigned();
  void Prompt_TabGoesSkipFinishRetry();

  void About_NamesProgramAndBothRegisters();
  void About_CloseButtonClosesIt();
  void AboutAndPrompt_AreCentredOnMainWindow();
};

// --- model ---------------------------------------------------------------------------------

void GridAndPromptTest::Model_ShowsHeaderRowRowNumbersAndCornerFromTable() {
  GridTable table = MakeGrid(4, 4);
  GridModel model(table);

  QCOMPARE(model.rowCount(), 3);
  QCOMPARE(model.columnCount(), 3);
  QCOMPARE(model.CornerText(), QStringLiteral("Ряд"));
  for (int column = 0; column < 3; ++column) {
    QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Поле %1").arg(column + 1));
  }
  for (int row = 0; row < 3; ++row) {
    QCOMPARE(model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(),
             QString::number(row + 1));
  }
}

// A user's text that happens to be one of the catalogue's words is data: only the program's
// own headings change with the language.
void GridAndPromptTest::Model_ShowsHeadingsInTheChosenLanguageAndDataAsItIs() {
  using namespace kvitmark;
  GridTable table = MakeGrid(3, 4);
  table.SetHeading(0, 0, KV_PATTERN("tables", "Ряд"));
  table.SetHeading(1, 0, KV_PATTERN("tables", "Количество"));
  table.SetHeading(0, 1, base::Message(KV_PATTERN("tables", "Сервисный текст %1")).Arg(1));
  table.SetCell(2, 0, Cp1251("Ряд"));
  table.SetCell(1, 1, Cp1251("Количество"));
  GridModel model(table);

  QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
  const QString corner = model.CornerText();
  const QString headers[] = {model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                             model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString()};
  const QString label = model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString();
  const QString cell = model.data(model.index(0, 0), Qt::DisplayRole).toString();
  // A heading written over as data is data from then on.
  table.SetCell(1, 0, Cp1251("Количество"));
  const QString overwritten = model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
  QVERIFY(base::ui::UseLanguage(base::Language::kRussian));

  QCOMPARE(corner, QString::fromUtf8("Рядок"));
  QCOMPARE(headers[0], QString::fromUtf8("Кількість"));
  QCOMPARE(headers[1], QString::fromUtf8("Ряд"));
  QCOMPARE(label, QString::fromUtf8("Сервісний текст 1"));
  QCOMPARE(cell, QString::fromUtf8("Количество"));
  QCOMPARE(overwritten, QString::fromUtf8("Количество"));
  QCOMPARE(model.CornerText(), QString::fromUtf8("Ряд"));
  QCOMPARE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(),
           QString::fromUtf8("Сервисный текст 1"));
  // The core keeps the Russian text, whatever the window shows.
  QCOMPARE(table.Cell(0, 1), Cp1251("Сервисный текст 1"));
}

void GridAndPromptTest::Model_ShowsCellBytesThroughCodec_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("shown");
  QTest::newRow("cyrillic") << QByteArray::fromStdString(kTovarCp1251) << QStringLiteral("Товар");
  QTest::newRow("ukrainian letters") << QByteArray("\xB2\xBF\xAA\xB4") << QStringLiteral("ІїЄґ");
  QTest::newRow("euro and numero") << QByteArray("\x88 \xB9") << QStringLiteral("€ №");
  QTest::newRow("ascii with spaces") << QByteArray(" 0.00 ") << QStringLiteral(" 0.00 ");
  QTest::newRow("empty") << QByteArray() << QString();
}

void GridAndPromptTest::Model_ShowsCellBytesThroughCodec() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, shown);
  GridTable table = MakeGrid(3, 3);
  table.SetCell(2, 1, bytes.toStdString());
  GridModel model(table);

  const QModelIndex cell = model.index(0, 1);
  QCOMPARE(model.data(cell, Qt::DisplayRole).toString(), shown);
  QCOMPARE(model.data(cell, Qt::EditRole).toString(), shown);
}

void GridAndPromptTest::Model_HidesCellsBeyondShownExtent() {
  GridTable table = MakeGrid(3, 3);
  table.SetCell(5, 1, "beyond columns");
  table.SetCell(1, 9, "beyond rows");
  GridModel model(table);

  QCOMPARE(model.rowCount(), 2);
  QCOMPARE(model.columnCount(), 2);
  QVERIFY(!model.data(model.index(8, 0), Qt::DisplayRole).isValid());
  QVERIFY(!model.headerData(2, Qt::Vertical, Qt::DisplayRole).isValid());
  QVERIFY(!model.headerData(2, Qt::Horizontal, Qt::DisplayRole).isValid());
  QCOMPARE(table.Cell(5, 1), std::string("beyond columns"));
}

void GridAndPromptTest::SetData_StoresCp1251OrRefusesUnstorableText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QByteArray>("stored");
  const QByteArray kept("old");
  QTest::newRow("cyrillic") << QStringLiteral("Товар") << true
                            << QByteArray::fromStdString(kTovarCp1251);
  QTest::newRow("euro is in the code page") << QStringLiteral("€") << true << QByteArray("\x88");
  QTest::newRow("ukrainian yi") << QStringLiteral("Ї") << true << QByteArray("\xAF");
  QTest::newRow("empty") << QString() << true << QByteArray();
  QTest::newRow("semicolon") << QStringLiteral(";") << false << kept;
  QTest::newRow("semicolon inside") << QStringLiteral("a;b") << false << kept;
  QTest::newRow("line feed") << QStringLiteral("\n") << false << kept;
  QTest::newRow("carriage return") << QStringLiteral("a\rb") << false << kept;
  QTest::newRow("outside the code page") << QStringLiteral("日") << false << kept;
  QTest::newRow("outside the code page after text") << QStringLiteral("Товар 日") << false << kept;
  QTest::newRow("astral character") << QStringLiteral("\U0001F600") << false << kept;
}

void GridAndPromptTest::SetData_StoresCp1251OrRefusesUnstorableText() {
  QFETCH(QString, text);
  QFETCH(bool, accepted);
  QFETCH(QByteArray, stored);
  GridTable table = MakeGrid(3, 3);
  table.SetCell(1, 2, "old");
  GridModel model(table);
  QSignalSpy changed(&model, &GridModel::dataChanged);

  QCOMPARE(model.setData(model.index(1, 0), text, Qt::EditRole), accepted);
  QCOMPARE(QByteArray::fromStdString(table.Cell(1, 2)), stored);
  QCOMPARE(changed.count(), accepted ? 1 : 0);
}

void GridAndPromptTest::Model_ReadsTableLiveAndAnnouncesChangedRow() {
  GridTable table = MakeGrid(3, 5);
  GridModel model(table);
  QSignalSpy changed(&model, &GridModel::dataChanged);
  QSignalSpy headers(&model, &GridModel::headerDataChanged);

  // The model holds no copy: what the core writes is what the view reads.
  table.SetCell(2, 3, Cp1251("Відділ 12"));
  table.SetCell(0, 3, "12");
  QCOMPARE(model.data(model.index(2, 1), Qt::DisplayRole).toString(), QStringLiteral("Відділ 12"));

  model.GridRowChanged(3);
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed[0][0].toModelIndex(), model.index(2, 0));
  QCOMPARE(changed[0][1].toModelIndex(), model.index(2, 1));
  QCOMPARE(headers.count(), 1);
  QCOMPARE(headers[0][0].value<Qt::Orientation>(), Qt::Vertical);
  QCOMPARE(headers[0][1].toInt(), 2);
  QCOMPARE(model.headerData(2, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("12"));

  table.SetCell(0, 0, Cp1251("№"));
  model.GridRowChanged(0);
  QCOMPARE(headers.count(), 2);
  QCOMPARE(headers[1][0].value<Qt::Orientation>(), Qt::Horizontal);
  QCOMPARE(model.CornerText(), QStringLiteral("№"));

  // A row the grid does not show changes nothing on screen.
  table.SetCell(1, 9, "hidden");
  model.GridRowChanged(9);
  QCOMPARE(changed.count(), 1);
  QCOMPARE(headers.count(), 2);
}

void GridAndPromptTest::Model_FollowsChangedRowCount() {
  GridTable table = MakeGrid(2, 13);
  GridModel model(table);
  QSignalSpy reset(&model, &GridModel::modelReset);

  table.SetRowCount(8);
  model.GridRowChanged(1);
  QCOMPARE(reset.count(), 1);
  QCOMPARE(model.rowCount(), 7);

  table.SetRowCount(13);
  model.Reload();
  QCOMPARE(reset.count(), 2);
  QCOMPARE(model.rowCount(), 12);
  QCOMPARE(model.headerData(11, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("12"));
}

void GridAndPromptTest::Validator_AcceptsOnlyRecordText_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<bool>("acceptable");
  QTest::newRow("empty") << QString() << true;
  QTest::newRow("ascii") << QStringLiteral("Item 1.00") << true;
  QTest::newRow("russian") << QStringLiteral("Товар") << true;
  QTest::newRow("ukrainian with euro") << QStringLiteral("Євро €") << true;
  QTest::newRow("numero and guillemets") << QStringLiteral("№ «ґ»") << true;
  QTest::newRow("semicolon") << QStringLiteral(";") << false;
  QTest::newRow("semicolon inside") << QStringLiteral("a;b") << false;
  QTest::newRow("carriage return") << QStringLiteral("\r") << false;
  QTest::newRow("line feed") << QStringLiteral("\n") << false;
  QTest::newRow("line feed inside") << QStringLiteral("ab\ncd") << false;
  QTest::newRow("cjk") << QStringLiteral("日") << false;
  QTest::newRow("greek") << QStringLiteral("λ") << false;
  QTest::newRow("astral character") << QStringLiteral("a\U0001F600") << false;
}

void GridAndPromptTest::Validator_AcceptsOnlyRecordText() {
  QFETCH(QString, input);
  QFETCH(bool, acceptable);
  RecordTextValidator validator;
  int position = static_cast<int>(input.size());

  QCOMPARE(validator.validate(input, position),
           acceptable ? QValidator::Acceptable : QValidator::Invalid);
  QCOMPARE(RecordTextValidator::Acceptable(input), acceptable);
}

// --- grid view -----------------------------------------------------------------------------

void GridAndPromptTest::Grid_OpensFourteenThousandRowsWithUniformFixedRows() {
  GridTable table = MakeGrid(11, 14001);
  table.SetCell(2, 14000, kTovarCp1251);
  StringGrid grid(table);
  grid.resize(760, 300);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));

  const QHeaderView* rows = grid.verticalHeader();
  QCOMPARE(rows->count(), 14000);
  QCOMPARE(rows->sectionResizeMode(0), QHeaderView::Fixed);
  QCOMPARE(rows->sectionSize(13999), rows->sectionSize(0));
  QCOMPARE(grid.horizontalHeader()->count(), 10);

  grid.ScrollToTopRow(14000);
  const QModelIndex last = grid.model()->index(13999, 1);
  QVERIFY(grid.viewport()->rect().intersects(grid.visualRect(last)));
  QCOMPARE(grid.model()->data(last).toString(), QStringLiteral("Товар"));
}

void GridAndPromptTest::Grid_ScrollToTopRowThenTopRowRoundTrips_data() {
  QTest::addColumn<int>("requested");
  QTest::addColumn<int>("top");
  QTest::newRow("first row") << 1 << 1;
  QTest::newRow("second row") << 2 << 2;
  QTest::newRow("middle") << 500 << 500;
  QTest::newRow("near the end") << 900 << 900;
  QTest::newRow("header row means the first row") << 0 << 1;
  QTest::newRow("negative means the first row") << -7 << 1;
}

void GridAndPromptTest::Grid_ScrollToTopRowThenTopRowRoundTrips() {
  QFETCH(int, requested);
  QFETCH(int, top);
  GridTable table = MakeGrid(3, 1001);
  StringGrid grid(table);
  grid.resize(400, 300);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.ScrollToTopRow(400);  // start away from both the requested row and the top

  grid.ScrollToTopRow(requested);
  QCOMPARE(grid.TopRow(), top);
}

void GridAndPromptTest::Grid_ScrollToTopRowWhileHiddenIsKept_data() {
  QTest::addColumn<int>("rowsAtFirst");
  QTest::newRow("never shown") << 1001;
  QTest::newRow("rows reloaded while hidden") << 8;
}

void GridAndPromptTest::Grid_ScrollToTopRowWhileHiddenIsKept() {
  QFETCH(int, rowsAtFirst);
  GridTable table = MakeGrid(3, 1001);
  table.SetRowCount(rowsAtFirst);
  StringGrid grid(table);
  grid.resize(400, 300);
  table.SetRowCount(1001);
  grid.Model()->Reload();

  grid.ScrollToTopRow(300);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  QCOMPARE(grid.TopRow(), 300);
}

void GridAndPromptTest::Grid_CornerPaintsCornerCellText() {
  // The corner shows grid cell (0, 0): with a text it must look different from without.
  auto cornerImage = [](const std::string& cornerText) {
    GridTable table = MakeGrid(3, 5);
    table.SetCell(0, 0, cornerText);
    StringGrid grid(table);
    grid.SetColumnWidths({60, 80, 80});
    grid.resize(300, 200);
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid)) return QImage();
    auto* corner = grid.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    return corner != nullptr ? corner->grab().toImage() : QImage();
  };
  const QImage withText = cornerImage(Cp1251("Ряд"));
  const QImage empty = cornerImage("");

  QVERIFY(!withText.isNull());
  QCOMPARE(withText.size(), empty.size());
  QVERIFY(withText != empty);
}

void GridAndPromptTest::Grid_ColumnWidthsRoundTrip() {
  GridTable table = MakeGrid(4, 10);
  StringGrid grid(table);

  grid.SetColumnWidths({41, 64, 200, 33});
  QCOMPARE(grid.ColumnWidths(), (std::vector<int>{41, 64, 200, 33}));
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  QCOMPARE(grid.verticalHeader()->width(), 41);
  QCOMPARE(grid.ColumnWidths(), (std::vector<int>{41, 64, 200, 33}));
}

void GridAndPromptTest::Grid_EditKeyOpensEditorOnlyWhileEditingEnabled_data() {
  QTest::addColumn<QList<bool>>("switches");
  QTest::addColumn<bool>("editorOpens");
  QTest::newRow("as built") << QList<bool>{} << true;
  QTest::newRow("switched off") << QList<bool>{false} << false;
  QTest::newRow("switched off and on again") << QList<bool>{false, true} << true;
}

void GridAndPromptTest::Grid_EditKeyOpensEditorOnlyWhileEditingEnabled() {
  QFETCH(QList<bool>, switches);
  QFETCH(bool, editorOpens);
  GridTable table = MakeGrid(3, 5);
  StringGrid grid(table);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  for (bool enabled : switches) grid.SetEditingEnabled(enabled);
  grid.setCurrentIndex(grid.model()->index(1, 1));

  QTest::keyClick(&grid, Qt::Key_F2);
  QCOMPARE(OpenEditor(grid) != nullptr, editorOpens);
}

void GridAndPromptTest::Grid_DisablingEditingClosesOpenEditorKeepingText() {
  GridTable table = MakeGrid(3, 5);
  StringGrid grid(table);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.setCurrentIndex(grid.model()->index(0, 0));
  QTest::keyClick(&grid, Qt::Key_F2);
  QLineEdit* editor = OpenEditor(grid);
  QVERIFY(editor != nullptr);
  editor->setText(QStringLiteral("Товар"));

  grid.SetEditingEnabled(false);
  QVERIFY(OpenEditor(grid) == nullptr);
  QVERIFY(!grid.EditingEnabled());
  QCOMPARE(table.Cell(1, 1), kTovarCp1251);
}

void GridAndPromptTest::Grid_EditorRefusesTypedOrPastedUnstorableText_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("shown");
  QTest::newRow("semicolon typed") << QStringLiteral("a;b") << QString() << QStringLiteral("ab");
  QTest::newRow("cyrillic typed") << QStringLiteral("Товар") << QString()
                                  << QStringLiteral("Товар");
  QTest::newRow("cjk typed") << QStringLiteral("x日") << QString() << QStringLiteral("x");
  QTest::newRow("astral character typed")
      << QStringLiteral("y\U0001F600z") << QString() << QStringLiteral("yz");
  QTest::newRow("semicolon pasted")
      << QStringLiteral("x") << QStringLiteral("1;2") << QStringLiteral("x");
  QTest::newRow("line break pasted")
      << QStringLiteral("x") << QStringLiteral("a\r\nb") << QStringLiteral("x");
  QTest::newRow("euro pasted") << QStringLiteral("x") << QStringLiteral(" €5")
                               << QStringLiteral("x €5");
}

void GridAndPromptTest::Grid_EditorRefusesTypedOrPastedUnstorableText() {
  QFETCH(QString, typed);
  QFETCH(QString, pasted);
  QFETCH(QString, shown);
  GridTable table = MakeGrid(3, 5);
  StringGrid grid(table);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.setCurrentIndex(grid.model()->index(0, 0));
  QTest::keyClick(&grid, Qt::Key_F2);
  QLineEdit* editor = OpenEditor(grid);
  QVERIFY(editor != nullptr);

  Type(editor, typed);
  if (!pasted.isEmpty()) {
    QApplication::clipboard()->setText(pasted);
    editor->paste();
  }
  QCOMPARE(editor->text(), shown);
}

void GridAndPromptTest::Grid_TabCommitsCellAndMovesToNextCell() {
  GridTable table = MakeGrid(3, 5);
  StringGrid grid(table);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.setCurrentIndex(grid.model()->index(2, 0));
  QTest::keyClick(&grid, Qt::Key_F2);
  QLineEdit* editor = OpenEditor(grid);
  QVERIFY(editor != nullptr);
  editor->setText(QStringLiteral("Товар"));

  QTest::keyClick(editor, Qt::Key_Tab);
  QCOMPARE(table.Cell(1, 3), kTovarCp1251);
  QCOMPARE(grid.currentIndex(), grid.model()->index(2, 1));
}

// --- exchange error prompt -----------------------------------------------------------------

void GridAndPromptTest::Prompt_ButtonGivesItsAnswer_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<FailureAnswer>("answer");
  QTest::newRow("skip") << QStringLiteral("Button1") << FailureAnswer::kSkip;
  QTest::newRow("finish") << QStringLiteral("Button2") << FailureAnswer::kFinish;
  QTest::newRow("retry") << QStringLiteral("Button3") << FailureAnswer::kRetry;
}

void GridAndPromptTest::Prompt_ButtonGivesItsAnswer() {
  QFETCH(QString, button);
  QFETCH(FailureAnswer, answer);
  TForm3 prompt;
  bool guardFired = false;

  const FailureAnswer given = AskAndThen(
      prompt,
      [&] {
        if (auto* target = prompt.findChild<QPushButton*>(button)) {
          QTest::mouseClick(target, Qt::LeftButton);
        }
      },
      guardFired);
  QVERIFY(!guardFired);
  QCOMPARE(given, answer);
  QCOMPARE(prompt.LastAnswer(), answer);
  QVERIFY(!prompt.isVisible());
}

void GridAndPromptTest::Prompt_ClosedWithoutButtonGivesClosedEvenAfterEarlierAnswer_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("escape key") << true;
  QTest::newRow("close box") << false;
}

void GridAndPromptTest::Prompt_ClosedWithoutButtonGivesClosedEvenAfterEarlierAnswer() {
  QFETCH(bool, escape);
  TForm3 prompt;
  bool guardFired = false;
  const FailureAnswer first = AskAndThen(
      prompt, [&] { prompt.findChild<QPushButton*>(QStringLiteral("Button3"))->click(); },
      guardFired);
  QCOMPARE(first, FailureAnswer::kRetry);

  bool stayedAfterEscape = true;
  const FailureAnswer second = AskAndThen(
      prompt,
      [&] {
        if (escape) {
          // A stray Escape does not answer: the prompt stays until it is closed.
          QTest::keyClick(&prompt, Qt::Key_Escape);
          stayedAfterEscape = prompt.isVisible();
        }
        prompt.close();
      },
      guardFired);
  QVERIFY(stayedAfterEscape);
  QVERIFY(!guardFired);
  QCOMPARE(second, FailureAnswer::kClosed);
  QVERIFY(!prompt.isVisible());
}

void GridAndPromptTest::Prompt_ButtonsHaveTheirCaptionsAndPlaces_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("geometry");
  QTest::newRow("skip") << QStringLiteral("Button1") << QStringLiteral("Пропустить")
                        << QRect(80, 48, 75, 25);
  QTest::newRow("retry") << QStringLiteral("Button3") << QStringLiteral("Повторить")
                         << QRect(160, 48, 75, 25);
  QTest::newRow("finish") << QStringLiteral("Button2") << QStringLiteral("Завершить операцию")
                          << QRect(248, 48, 139, 25);
}

void GridAndPromptTest::Prompt_ButtonsHaveTheirCaptionsAndPlaces() {
  QFETCH(QString, button);
  QFETCH(QString, caption);
  QFETCH(QRect, geometry);
  TForm3 prompt;
  prompt.show();
  QVERIFY(QTest::qWaitForWindowExposed(&prompt));

  const auto* found = prompt.findChild<QPushButton*>(button);
  QVERIFY(found != nullptr);
  QCOMPARE(found->text(), caption);
  QCOMPARE(found->geometry(), geometry);
  QVERIFY(found->isVisible());
}

void GridAndPromptTest::Prompt_WindowAndTextLookAsDesigned() {
  TForm3 prompt;
  prompt.show();
  QVERIFY(QTest::qWaitForWindowExposed(&prompt));

  QCOMPARE(prompt.windowTitle(), QStringLiteral("Ошибка чтения/записи"));
  QCOMPARE(prompt.size(), QSize(398, 110));
  const auto* label = prompt.findChild<QLabel*>(QStringLiteral("Label1"));
  QVERIFY(label != nullptr);
  QCOMPARE(label->text(), QStringLiteral("Ошибка записи/чтения таблицы ЭККА - запись пропущена"));
  QVERIFY(label->font().italic());
  QCOMPARE(label->font().pointSize(), 11);
  QVERIFY(label->font().pointSize() >
          prompt.findChild<QPushButton*>(QStringLiteral("Button1"))->font().pointSize());
  QCOMPARE(label->pos(), QPoint(1, 16));
  QCOMPARE(label->width(), 386);
}

void GridAndPromptTest::Prompt_TabGoesSkipFinishRetry() {
  TForm3 prompt;
  prompt.show();
  QVERIFY(QTest::qWaitForWindowExposed(&prompt));
  QApplication::setActiveWindow(&prompt);
  QVERIFY(QTest::qWaitForWindowActive(&prompt));
  auto* skip = prompt.findChild<QPushButton*>(QStringLiteral("Button1"));
  auto* finish = prompt.findChild<QPushButton*>(QStringLiteral("Button2"));
  auto* retry = prompt.findChild<QPushButton*>(QStringLiteral("Button3"));

  skip->setFocus();
  QCOMPARE(QApplication::focusWidget(), skip);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), finish);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), retry);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), skip);
}

// --- about box -----------------------------------------------------------------------------

void GridAndPromptTest::About_NamesProgramAndBothRegisters() {
  kvitmark::app::ui::TForm2 about;
  QString shown;
  for (const QLabel* label : about.findChildren<QLabel*>()) shown += label->text() + u'\n';

  QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
  QVERIFY2(shown.contains(QStringLiteral("Kvitmark")), qPrintable(shown));
  QVERIFY2(shown.contains(QStringLiteral("Datecs MP-50 Junior")), qPrintable(shown));
  QVERIFY2(shown.contains(QStringLiteral("Datecs MP-50 UP")), qPrintable(shown));
}

void GridAndPromptTest::About_CloseButtonClosesIt() {
  kvitmark::app::ui::TForm2 about;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QCOMPARE(about.size(), QSize(343, 163));
  auto* close = about.findChild<QPushButton*>(QStringLiteral("Button1"));
  QVERIFY(close != nullptr);
  QCOMPARE(close->text(), QStringLiteral("Закрыть"));
  QCOMPARE(close->geometry(), QRect(256, 128, 75, 25));

  QTest::mouseClick(close, Qt::LeftButton);
  QVERIFY(!about.isVisible());
}

void GridAndPromptTest::AboutAndPrompt_AreCentredOnMainWindow() {
  QWidget mainWindow;
  mainWindow.setGeometry(150, 120, 776, 541);
  mainWindow.show();
  QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
  kvitmark::app::ui::TForm2 about(&mainWindow);
  TForm3 prompt(&mainWindow);

  for (QDialog* dialog : std::initializer_list<QDialog*>{&about, &prompt}) {
    for (const QPoint mainPlace : {QPoint(150, 120), QPoint(40, 300)}) {
      mainWindow.move(mainPlace);
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog));
      const QPoint offset = dialog->frameGeometry().center() - mainWindow.frameGeometry().center();
      QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1 off by %2,%3")
                                                             .arg(dialog->objectName())
                                                             .arg(offset.x())
                                                             .arg(offset.y())));
      dialog->close();
    }
  }
}

QTEST_MAIN(GridAndPromptTest)
#include "grid_and_prompt_test.moc"
