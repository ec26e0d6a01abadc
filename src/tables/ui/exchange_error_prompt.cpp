#include "tables/ui/exchange_error_prompt.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/ui/captions.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"

namespace kvitmark::tables::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, base::ui::SourceText caption,
                        const QRect& geometry) {
  auto* button = base::ui::Captioned(new QPushButton(parent), caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  return button;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm3"));
  base::ui::SetCaption(*this, KV_TEXT("TForm3", "Ошибка чтения/записи"));
  resize(398, 110);  // an ordinary sizeable frame

  auto* label = base::ui::Captioned(
      new QLabel(this), KV_TEXT("TForm3", "Ошибка записи/чтения таблицы ЭККА - запись пропущена"));
  label->setObjectName(QStringLiteral("Label1"));
  QFont font = label->font();
  font.setItalic(true);
  font.setPointSize(11);
  label->setFont(font);
  label->setGeometry(1, 16, 386, label->sizeHint().height());

  // Created in tab order: skip, finish, retry.
  QPushButton* skip =
      MakeButton(this, "Button1", KV_TEXT("TForm3", "Пропустить"), {80, 48, 75, 25});
  QPushButton* finish =
      MakeButton(this, "Button2", KV_TEXT("TForm3", "Завершить операцию"), {248, 48, 139, 25});
  QPushButton* retry =
      MakeButton(this, "Button3", KV_TEXT("TForm3", "Повторить"), {160, 48, 75, 25});
  setTabOrder(skip, finish);
  setTabOrder(finish, retry);

  connect(skip, &QPushButton::clicked, this, [this] { Answer(FailureAnswer::kSkip); });
  connect(retry, &QPushButton::clicked, this, [this] { Answer(FailureAnswer::kRetry); });
  connect(finish, &QPushButton::clicked, this, [this] { Answer(FailureAnswer::kFinish); });
  base::ui::FitTexts(*this);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  // A stray Escape must not pass over a record: the prompt waits for one of its buttons (or
  // the close box, which says nothing either).
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm3::showEvent(QShowEvent* event) {
  // Over the main window, wherever that is on the screen.
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

FailureAnswer TForm3::Ask() {
  // The close box rejects the dialog without touching the answer.
  answer_ = FailureAnswer::kClosed;
  exec();
  return answer_;
}

void TForm3::Answer(FailureAnswer answer) {
  answer_ = answer;
  accept();
}

void TForm3::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  base::ui::FitTexts(*this);
}

void TForm3::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

}  // namespace kvitmark::tables::ui
