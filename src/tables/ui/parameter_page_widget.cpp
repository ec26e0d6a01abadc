#include "tables/ui/parameter_page_widget.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "tables/catalogue.h"
#include "tables/ui/change_mark.h"
#include "tables/ui/page_widgets.h"
#include "tables/ui/record_text_validator.h"

namespace kvitmark::tables::ui {
namespace {

using base::ui::FromCp1251;
using base::ui::ToCp1251;

constexpr int kTop = 10;
constexpr int kRowHeight = 25;
constexpr int kCaptionWidth = 230;
constexpr int kEditWidth = 120;
constexpr int kLeftX = 8;
constexpr int kRightX = 378;

}  // namespace

ParameterPageWidget::ParameterPageWidget(PageId page, ParameterPage& data, QWidget* parent)
    : QWidget(parent), page_(page), data_(data) {
  const PageWidgets& widgets = WidgetsOf(page);
  const int left = widgets.leftColumnEdits;
  const int fieldCount = static_cast<int>(data_.fields.size());
  for (int field = 0; field < fieldCount; ++field) {
    const bool inRecord = field < static_cast<int>(widgets.edits.size());
    const int column = field < left ? 0 : 1;
    const int row = column == 0 ? field : field - left;
    const int x = column == 0 ? kLeftX : kRightX;
    const int y = kTop + row * kRowHeight;

    auto* caption = new QLabel(this);
    caption->setGeometry(x, y + 3, kCaptionWidth, 17);
    auto* edit = new QLineEdit(this);
    edit->setGeometry(x + kCaptionWidth + 4, y, kEditWidth, 21);
    edit->setValidator(new RecordTextValidator(edit));
    if (inRecord) {
      edit->setObjectName(QString::fromLatin1(widgets.edits[field]));
      caption->setObjectName("Caption" + edit->objectName());
    } else {
      // The page's extra edit, kept in table files but not in the record.
      edit->setObjectName(QString::fromLatin1(widgets.extraEdit));
      caption->setObjectName(QString::fromLatin1(widgets.extraEditCaption));
    }
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      data_.fields[field] = ToCp1251(text);
      ShowChangeMark();
    });
    edits_.push_back(edit);
    captions_.push_back(caption);
  }
  Refresh();
}

void ParameterPageWidget::Refresh() {
  const std::vector<ParameterField>& described = Page(page_).fields;
  for (size_t field = 0; field < edits_.size(); ++field) {
    const QString text = FromCp1251(data_.fields[field]);
    if (edits_[field]->text() != text) edits_[field]->setText(text);
    // Both in the language now chosen: a change of language refreshes the page.
    captions_[field]->setText(base::ui::Render(data_.captions[field]));
    if (field < described.size())
      edits_[field]->setToolTip(base::ui::Render(described[field].hint));
    edits_[field]->setVisible(data_.visible[field]);
    captions_[field]->setVisible(data_.visible[field]);
  }
  ShowChangeMark();
}

void ParameterPageWidget::SetChangeMarker(std::function<bool()> changed) {
  changed_ = std::move(changed);
  ShowChangeMark();
}

void ParameterPageWidget::ShowChangeMark() {
  if (!changed_) return;
  const bool changed = changed_();
  const size_t recordFields = Page(page_).fields.size();
  for (size_t field = 0; field < edits_.size() && field < recordFields; ++field) {
    QPalette palette = edits_[field]->palette();
    palette.setColor(QPalette::Base, changed ? ChangedBackground()
                                             : QGuiApplication::palette().color(QPalette::Base));
    edits_[field]->setPalette(palette);
  }
}

}  // namespace kvitmark::tables::ui
