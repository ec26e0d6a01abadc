#include "backup/ui/backup_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <string_view>

#include "base/ui/captions.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::backup::ui {
namespace {

QLabel* Caption(base::ui::SourceText text, QWidget* parent, int y) {
  auto* label = base::ui::Captioned(new QLabel(parent), text);
  label->setGeometry(12, y, 396, 17);
  return label;
}

QProgressBar* Bar(const char* name, QWidget* parent, int y) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setGeometry(12, y, 396, 16);
  bar->setTextVisible(false);
  bar->setRange(0, 1);
  return bar;
}

}  // namespace

BackupWindow::BackupWindow(const BackupWindowContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("BackupWindow"));
  setFixedSize(420, 160);
  item_ = new QLabel(this);
  item_->setObjectName(QStringLiteral("BackupItem"));
  item_->setTextFormat(Qt::PlainText);  // file names come from the backup's manifest
  item_->setGeometry(12, 12, 396, 17);
  itemProgress_ = Bar("BackupItemProgress", this, 34);
  Caption(KV_TEXT("BackupWindow", "Всего:"), this, 62);
  runProgress_ = Bar("BackupRunProgress", this, 84);
  stop_ = base::ui::Captioned(new QPushButton(this), KV_TEXT("BackupWindow", "Стоп"));
  stop_->setObjectName(QStringLiteral("BackupStop"));
  stop_->setGeometry(172, 120, 75, 25);
  connect(stop_, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  base::ui::FitTexts(*this);
}

void BackupWindow::SetRunTitle(const QString& title) {
  title_ = title;
  setWindowTitle(title);
}

void BackupWindow::Started(const tables::OperationStart& start) {
  running_ = true;
  stopRequested_ = false;
  item_->clear();
  runProgress_->setRange(0, start.progressMaximum > 0 ? start.progressMaximum + 1 : 1);
  runProgress_->setValue(0);
  itemProgress_->setValue(0);
  show();
}

void BackupWindow::ItemStarted(const RunItem& item) {
  itemDone_ = 0;
  item_->setText(base::ui::Translate("BackupWindow", "%1 (%2) — %3 из %4")
                     .arg(base::ui::Render(item.caption), QString::fromStdString(item.file))
                     .arg(item.index + 1)
                     .arg(item.count));
  itemProgress_->setRange(0, item.records > 0 ? item.records : 1);
  itemProgress_->setValue(0);
  // The logo rows move without a look at "Стоп": the window is painted as they go.
  repaint();
}

void BackupWindow::RecordDone(const tables::RecordStep& step) {
  itemProgress_->setValue(std::min(++itemDone_, itemProgress_->maximum()));
  runProgress_->setValue(std::min(step.progress, runProgress_->maximum()));
  if (itemDone_ % 10 == 0) runProgress_->repaint();
}

tables::FailureAnswer BackupWindow::RecordFailed(int) {
  const auto answer = context_.dialogs->ExchangeErrorPrompt(*context_.prompt);
  if (context_.afterPrompt) context_.afterPrompt();
  return answer;
}

void BackupWindow::Tell(const tables::Notice& notice) {
  QWidget* owner = isVisible() ? this : parentWidget();
  context_.dialogs->MessageBox(owner, base::ui::Render(notice.text), title_,
                               tables::BoxButtons::kOk, tables::BoxIcon::kWarning);
}

bool BackupWindow::Confirm(const base::Message& question) {
  return context_.dialogs->MessageBox(parentWidget(), base::ui::Render(question), title_,
                                      tables::BoxButtons::kYesNo,
                                      tables::BoxIcon::kWarning) == tables::BoxAnswer::kYes;
}

bool BackupWindow::StopRequested() {
  QApplication::processEvents();
  if (context_.windowStop && context_.windowStop()) stopRequested_ = true;
  return stopRequested_;
}

void BackupWindow::Finished(const tables::OperationSummary&) {
  running_ = false;
  hide();
}

void BackupWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    stopRequested_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void BackupWindow::reject() {
  if (running_) {
    stopRequested_ = true;
    return;
  }
  QDialog::reject();
}

void BackupWindow::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  base::ui::FitTexts(*this);
}

void BackupWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

}  // namespace kvitmark::backup::ui
