#pragma once

#include <QGroupBox>

#include "tables/catalogue.h"
#include "tables/workspace.h"

class QCheckBox;
class QLineEdit;

namespace kvitmark::app::ui {

// "Интервал кодирования" (GroupBox2): the rows a read or write covers, "Начало" … "Конец",
// from register record "Номер первой записи в ЭККА:" on. What is typed goes straight into the
// workspace's interval, as typed.
class IntervalGroup : public QGroupBox {
 public:
  IntervalGroup(tables::CodingInterval& interval, QWidget* parent);

  // The user picked `page`: a page with an interval offers its whole table and keeps the tick
  // "Использовать"; any other page disables the group and clears the tick.
  void FollowPage(tables::PageId page);
  // The interval as the workspace holds it.
  void ShowInterval();

 private:
  tables::CodingInterval& interval_;
  QCheckBox* use_ = nullptr;    // CheckBox1
  QLineEdit* start_ = nullptr;  // Edit2
  QLineEdit* end_ = nullptr;    // Edit3
  QLineEdit* first_ = nullptr;  // Edit4
};

}  // namespace kvitmark::app::ui
