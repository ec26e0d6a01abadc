#pragma once

#include <QDialog>

namespace kvitmark::app::ui {

// "О программе": names the registers the program serves; its one button closes it.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // Sets every caption again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  explicit TForm2(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace kvitmark::app::ui
