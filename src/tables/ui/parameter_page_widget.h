#pragma once

#include <QWidget>
#include <vector>

#include "tables/workspace.h"

class QLabel;
class QLineEdit;

namespace kvitmark::tables::ui {

// A parameter page: one edit per field of the table's single record, each with its
// caption to the left and its hint on hover, in one or two columns. The edits show the
// core page's fields and write every change straight back into them.
class ParameterPageWidget : public QWidget {
  Q_OBJECT

 public:
  ParameterPageWidget(PageId page, ParameterPage& data, QWidget* parent = nullptr);

  // Takes texts, captions and visibility from the core page again.
  void Refresh();
  QLineEdit* Edit(int field) const { return edits_[field]; }
  QLabel* Caption(int field) const { return captions_[field]; }
  int FieldCount() const { return static_cast<int>(edits_.size()); }

 private:
  PageId page_;
  ParameterPage& data_;
  std::vector<QLineEdit*> edits_;
  std::vector<QLabel*> captions_;
};

}  // namespace kvitmark::tables::ui
