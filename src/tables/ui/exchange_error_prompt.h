#pragma once

#include <QDialog>

#include "tables/operation_observer.h"

class QLabel;
class QPushButton;

namespace kvitmark::tables::ui {

// "Ошибка чтения/записи": asks what to do with a record that failed ten times. Its
// buttons Button1 "Пропустить", Button3 "Повторить" and Button2 "Завершить операцию"
// each close it with their answer; the close box answers nothing, and Escape does nothing.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  // Sets every caption again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  explicit TForm3(QWidget* parent = nullptr);

  // Shows the prompt modally and returns the answer (kClosed for the close box).
  FailureAnswer Ask();
  FailureAnswer LastAnswer() const { return answer_; }

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Answer(FailureAnswer answer);

  FailureAnswer answer_ = FailureAnswer::kClosed;
};

}  // namespace kvitmark::tables::ui
