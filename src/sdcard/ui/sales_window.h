#pragma once

#include <QDialog>
#include <QString>

#include "sdcard/sales_table.h"
#include "tables/grid_table.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QResizeEvent;
class QShowEvent;

namespace kvitmark::tables::ui {
class Dialogs;
class StringGrid;
}  // namespace kvitmark::tables::ui
namespace kvitmark::reports::ui {
class DirectoryEdit;
}

namespace kvitmark::sdcard::ui {

// "База продаж SD-карты": the goods and sales the register keeps on its SD card, loaded from
// upload.art and sales.art, looked at and edited in a grid, and saved as one goods-and-sales
// file. It is made once and opened many times; the table stays in it between openings.
class TForm4 : public QDialog {
  Q_OBJECT

 public:
  // Sets every caption again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  // `startFolder` is where the folder field and the save dialog start at each opening;
  // empty, the process's current directory. Messages and the save dialog go through
  // `dialogs`, which must outlive the window.
  explicit TForm4(tables::ui::Dialogs& dialogs, QString startFolder = {},
                  QWidget* parent = nullptr);
  ~TForm4() override;

  // The opening: header row, row numbers and the folder field. Every show runs it.
  void Open();
  void LoadSales();  // Button1 "Загрузить продажи с SD карты"
  void SaveSales();  // Button3 "Сохранить продажи в файл"

  // Changes the window's size the way its own rules allow.
  void RequestSize(int width, int height);

  tables::GridTable& Sales() { return sales_; }
  tables::ui::StringGrid* Grid() const { return grid_; }          // StringGrid1
  QProgressBar* Progress() const { return progress_; }            // ProgressBar1
  reports::ui::DirectoryEdit* Folder() const { return folder_; }  // DirectoryEdit1
  QPushButton* LoadButton() const { return load_; }               // Button1
  QPushButton* SaveButton() const { return save_; }               // Button3
  QPushButton* CloseButton() const { return close_; }             // Button2

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyResizeRules(int width);
  void SetGridWidth(int width);
  QString StartFolder() const;
  sdcard::Progress ProgressBarSteps();

  tables::ui::Dialogs& dialogs_;
  QString startFolder_;
  tables::GridTable sales_;
  bool applyingOwnSize_ = false;
  // How much larger than designed the window is drawn, for its texts to fit.
  double scale_ = 1;

  tables::ui::StringGrid* grid_;
  QProgressBar* progress_;
  QLabel* folderLabel_;
  reports::ui::DirectoryEdit* folder_;
  QPushButton* load_;
  QPushButton* save_;
  QPushButton* close_;
};

}  // namespace kvitmark::sdcard::ui
