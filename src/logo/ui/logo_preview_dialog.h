#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "base/ui/captions.h"
#include "logo/dot_picture.h"
#include "logo/ui/logo_conversion.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace kvitmark::logo::ui {

// The picture and the logo made of it, side by side at the printer's dot size and the logo
// enlarged, following the settings as they change; the rows it takes and a warning when it
// would print as a blank or a black block. "OK" accepts it. The page shows it through the
// window's Dialogs, so that tests answer it without a modal loop.
class LogoPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LogoPreviewDialog(const LogoSource& source, QWidget* parent = nullptr);

  LogoChoice Choice() const;
  void SetChoice(const LogoChoice& choice);
  // The logo as the settings now make it.
  const DotPicture& Dots() const { return dots_; }
  // What the page keeps once the dialog is accepted.
  PagePicture Result() const { return ForPage(source_, Choice(), dots_); }

  QLabel* OriginalView() const { return original_; }
  QLabel* DotsView() const { return dotsView_; }
  QLabel* EnlargedView() const { return enlarged_; }
  QComboBox* MethodBox() const { return method_; }
  QSpinBox* ThresholdBox() const { return threshold_; }
  QSpinBox* BrightnessBox() const { return brightness_; }
  QSpinBox* ContrastBox() const { return contrast_; }
  QCheckBox* InvertBox() const { return invert_; }
  QLabel* RowsLabel() const { return rows_; }
  QLabel* WarningLabel() const { return warning_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QSpinBox* AddSetting(QFormLayout& form, const char* name, base::ui::SourceText caption,
                       int minimum, int maximum);
  void SetMethodTexts();
  void Update();

  const LogoSource& source_;
  DotPicture dots_;
  QLabel* original_ = nullptr;
  QLabel* dotsView_ = nullptr;
  QLabel* enlarged_ = nullptr;
  QComboBox* method_ = nullptr;
  QSpinBox* threshold_ = nullptr;
  QSpinBox* brightness_ = nullptr;
  QSpinBox* contrast_ = nullptr;
  QCheckBox* invert_ = nullptr;
  QLabel* rows_ = nullptr;
  QLabel* warning_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  // Each setting's box and the slider that moves with it.
  std::vector<std::pair<QSpinBox*, QSlider*>> sliders_;
};

}  // namespace kvitmark::logo::ui
