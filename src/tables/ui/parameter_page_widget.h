#pragma once

#include <QWidget>
#include <functional>
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
  // The record's edits are shown on a pale background while `changed` says the record would
  // be written by "Записать изменения в ЭККА".
  void SetChangeMarker(std::function<bool()> changed);
  QLineEdit* Edit(int field) const { return edits_[field]; }
  QLabel* Caption(int field) const { return captions_[field]; }
  int FieldCount() const { return static_cast<int>(edits_.size()); }

 private:
  void ShowChangeMark();

  PageId page_;
  ParameterPage& data_;
  std::vector<QLineEdit*> edits_;
  std::vector<QLabel*> captions_;
  std::function<bool()> changed_;
};

}  // namespace kvitmark::tables::ui
