#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvitmark::logo::ui {

// The "Логотип" page: the receipt logo (192 × 200 dots) and its four commands.
class LogoPage : public QWidget {
  Q_OBJECT

 public:
  explicit LogoPage(QWidget* parent = nullptr);

  QLabel* Image() const { return image_; }
  QCheckBox* StretchBox() const { return stretch_; }
  QPushButton* LoadButton() const { return load_; }    // Button7
  QPushButton* SaveButton() const { return save_; }    // Button11
  QPushButton* WriteButton() const { return write_; }  // Button13
  QPushButton* ReadButton() const { return read_; }    // Button12

 private:
  QLabel* image_;
  QCheckBox* stretch_;
  QPushButton* load_;
  QPushButton* save_;
  QPushButton* write_;
  QPushButton* read_;
};

}  // namespace kvitmark::logo::ui
