#include "app/ui/search_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "base/ui/captions.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"

namespace kvitmark::app::ui {

SearchWindow::SearchWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SearchWindow"));
  base::ui::SetCaption(*this, KV_TEXT("SearchWindow", "Найти ЭККА"));
  setFixedSize(320, 110);
  trying_ = new QLabel(this);
  trying_->setObjectName(QStringLiteral("SearchTrying"));
  trying_->setTextFormat(Qt::PlainText);  // port names come from the settings file
  trying_->setGeometry(12, 12, 296, 17);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("SearchProgress"));
  progress_->setGeometry(12, 40, 296, 16);
  progress_->setTextVisible(false);
  stop_ = base::ui::Captioned(new QPushButton(this), KV_TEXT("SearchWindow", "Стоп"));
  stop_->setObjectName(QStringLiteral("SearchStop"));
  stop_->setGeometry(122, 72, 75, 25);
  connect(stop_, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  base::ui::FitTexts(*this);
}

void SearchWindow::ShowTry(const tables::SearchTry& next) {
  trying_->setText(
      base::ui::Render(base::Message(KV_PATTERN("SearchWindow", "%1, %2 бит/с, ЭККА %3"))
                           .ArgUtf8(next.endpoint.Name())
                           .Arg(next.speed)
                           .Arg(next.registerNumber)));
}

void SearchWindow::Started(const tables::OperationStart& start) {
  stopRequested_ = false;
  progress_->setRange(0, start.progressMaximum > 0 ? start.progressMaximum + 1 : 1);
  progress_->setValue(0);
  show();
}

void SearchWindow::RecordDone(const tables::RecordStep& step) {
  progress_->setValue(step.progress);
}

bool SearchWindow::StopRequested() {
  QApplication::processEvents();
  return stopRequested_;
}

void SearchWindow::Finished(const tables::OperationSummary&) { hide(); }

void SearchWindow::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  base::ui::FitTexts(*this);
}

void SearchWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

}  // namespace kvitmark::app::ui
