#pragma once

#include <QWidget>
#include <functional>

#include "tables/catalogue.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace kvitmark::tables::ui {
class StringGrid;
}

namespace kvitmark::app::ui {

// The controls the design places in pixels.
struct DesignControls {
  QTabWidget* pages = nullptr;
  QLabel* fileName = nullptr;
  QWidget* interval = nullptr;
  QWidget* connection = nullptr;
  QProgressBar* progress = nullptr;
  QLineEdit* recordCounter = nullptr;
  QPushButton* stop = nullptr;
  QPushButton* write = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* open = nullptr;
  QPushButton* read = nullptr;
  QPushButton* clearGrid = nullptr;
  QPushButton* save = nullptr;
  QPushButton* about = nullptr;
  QPushButton* close = nullptr;
  std::function<tables::ui::StringGrid*(tables::PageId)> grid;  // null on other pages
};

// The main window's area between its menu bar and status bar, as the design draws it: 776 ×
// 541 pixels for an 11-pixel font, grown whole when the desktop's texts need more, and resized
// by the design's rules (a size asked for while the area is narrower than 601 or lower than 380
// becomes at least that; the controls below the pages keep their distance from the bottom).
class DesignArea : public QWidget {
 public:
  explicit DesignArea(QWidget* parent);

  // Puts the controls where the design has them, at the design size.
  void Place(DesignControls controls);
  // Grows the area and its controls by what the texts of `window` need now, if anything.
  void FitTexts(const QWidget& window);
  // The resize rules apply from now on (the window has been shown).
  void FollowResizeRules() { rulesApply_ = true; }
  void RequestSize(int width, int height);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyColumnWeights();
  void ApplyResizeRules(int width, int height);

  DesignControls controls_;
  // How much larger than designed the area is drawn, for its texts to fit.
  double scale_ = 1;
  bool rulesApply_ = false;
  bool applyingOwnSize_ = false;
};

}  // namespace kvitmark::app::ui
