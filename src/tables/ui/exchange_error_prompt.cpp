#include "tables/ui/exchange_error_prompt.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/ui/layout_scale.h"

namespace kvitmark::tables::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  return button;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("Ошибка чтения/записи"));
  resize(398, 110);  // an ordinary sizeable frame

  auto* label =
      new QLabel(QStringLiteral("Ошибка записи/чтения таблицы ЭККА - запись пропущена"), this);
  label->setObjectName(QStringLiteral("Label1"));
  QFont font = label->font();
  font.setItalic(true);
  font.setPointSize(11);
  label->setFont(font);
  label->setGeometry(1, 16, 386, label->sizeHint().height());

  // Created in tab order: skip, finish, retry.
  QPushButton* skip = MakeButton(this, "Button1", QStringLiteral("Пропустить"), {80, 48, 75, 25});
  QPushButton* finish =
      MakeButton(this, "Button2", QStringLiteral("Завершить операцию"), {248, 48, 139, 25});
  QPushButton* retry = MakeButton(this, "Button3", QStringLiteral("Повторить"), {160, 48, 75, 25});
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

}  // namespace kvitmark::tables::ui
