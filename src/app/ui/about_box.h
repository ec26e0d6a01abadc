#pragma once

#include <QDialog>

namespace kvitmark::app::ui {

// "О программе": names the registers the program serves; its one button closes it.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kvitmark::app::ui
