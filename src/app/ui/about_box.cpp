#include "app/ui/about_box.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/ui/captions.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"

namespace kvitmark::app::ui {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  base::ui::SetCaption(*this, KV_TEXT("TForm2", "О программе"));
  setFixedSize(343, 163);

  auto* name = new QLabel(QStringLiteral("Kvitmark"), this);
  name->setObjectName(QStringLiteral("Label1"));
  QFont nameFont = name->font();
  nameFont.setBold(true);
  nameFont.setPointSize(14);
  name->setFont(nameFont);
  name->setAlignment(Qt::AlignCenter);
  name->setGeometry(8, 12, 327, 28);

  auto* purpose = base::ui::Captioned(
      new QLabel(this),
      KV_TEXT("TForm2", "Программирование ЭККА\nDatecs MP-50 Junior / Datecs MP-50 UP"));
  purpose->setObjectName(QStringLiteral("Label2"));
  purpose->setAlignment(Qt::AlignCenter);
  purpose->setGeometry(8, 52, 327, 48);

  auto* close = base::ui::Captioned(new QPushButton(this), KV_TEXT("TForm2", "Закрыть"));
  close->setObjectName(QStringLiteral("Button1"));
  close->setGeometry(256, 128, 75, 25);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  base::ui::FitTexts(*this);
}

void TForm2::showEvent(QShowEvent* event) {
  // Centred on the main window every time it is shown, even after the main window moved.
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

void TForm2::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  base::ui::FitTexts(*this);
}

void TForm2::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

}  // namespace kvitmark::app::ui
