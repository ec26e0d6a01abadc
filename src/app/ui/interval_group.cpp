#include "app/ui/interval_group.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "base/ui/captions.h"
#include "base/ui/qt_text.h"

namespace kvitmark::app::ui {
namespace {

void Label(QWidget* parent, base::ui::SourceText caption, int x, int y) {
  auto* label = base::ui::Captioned(new QLabel(parent), caption);
  label->move(x, y);
  label->adjustSize();
}

QLineEdit* Edit(QWidget* parent, const char* name, const QRect& place) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(place);
  return edit;
}

}  // namespace

IntervalGroup::IntervalGroup(tables::CodingInterval& interval, QWidget* parent)
    : QGroupBox(parent), interval_(interval) {
  base::ui::SetCaption(*this, KV_TEXT("TForm1", "Интервал кодирования"));
  setObjectName(QStringLiteral("GroupBox2"));
  use_ = base::ui::Captioned(new QCheckBox(this), KV_TEXT("TForm1", "Использовать"));
  use_->setObjectName(QStringLiteral("CheckBox1"));
  use_->setGeometry(8, 20, 100, 17);
  Label(this, KV_TEXT("TForm1", "Начало"), 120, 21);
  start_ = Edit(this, "Edit2", QRect(170, 18, 60, 21));
  Label(this, KV_TEXT("TForm1", "Конец"), 250, 21);
  end_ = Edit(this, "Edit3", QRect(295, 18, 60, 21));
  Label(this, KV_TEXT("TForm1", "Номер первой записи в ЭККА:"), 380, 21);
  first_ = Edit(this, "Edit4", QRect(565, 18, 80, 21));
  ShowInterval();

  connect(use_, &QCheckBox::toggled, this, [this](bool on) { interval_.use = on; });
  connect(start_, &QLineEdit::textChanged, this,
          [this](const QString& text) { interval_.start = base::ui::ToCp1251(text); });
  connect(end_, &QLineEdit::textChanged, this,
          [this](const QString& text) { interval_.end = base::ui::ToCp1251(text); });
  connect(first_, &QLineEdit::textChanged, this,
          [this](const QString& text) { interval_.firstRecord = base::ui::ToCp1251(text); });
}

void IntervalGroup::FollowPage(tables::PageId page) {
  const bool wasUsed = use_->isChecked();
  setEnabled(false);
  use_->setChecked(false);
  const tables::TableDescriptor& descriptor = tables::Page(page);
  if (descriptor.HasInterval()) {
    setEnabled(true);
    use_->setChecked(wasUsed);
    start_->setText(QStringLiteral("1"));
    end_->setText(QString::number(descriptor.recordCount));
  }
}

void IntervalGroup::ShowInterval() {
  use_->setChecked(interval_.use);
  start_->setText(base::ui::FromCp1251(interval_.start));
  end_->setText(base::ui::FromCp1251(interval_.end));
  first_->setText(base::ui::FromCp1251(interval_.firstRecord));
}

}  // namespace kvitmark::app::ui
