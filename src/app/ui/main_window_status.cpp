// The main window's status bar: what the window is connected to and how the last operation
// ended.
#include <QLabel>
#include <QStatusBar>

#include "app/ui/main_window.h"
#include "base/ui/translation.h"

namespace kvitmark::app::ui {
void TForm1::BuildStatusBar() {
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName(QStringLiteral("StatusBar"));
  statusBar_->setSizeGripEnabled(false);
  connectionStatus_ = new QLabel(statusBar_);
  connectionStatus_->setObjectName(QStringLiteral("ConnectionStatus"));
  outcomeStatus_ = new QLabel(statusBar_);
  outcomeStatus_->setObjectName(QStringLiteral("OutcomeStatus"));
  for (QLabel* label : {connectionStatus_, outcomeStatus_}) {
    // A device's long name is cut rather than widen the window.
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(1);
  }
  statusBar_->addWidget(connectionStatus_, 1);
  statusBar_->addWidget(outcomeStatus_, 1);
}

void TForm1::ShowOutcome() {
  outcomeStatus_->setText(lastOutcome_ ? base::ui::Render(*lastOutcome_) : QString());
}

}  // namespace kvitmark::app::ui
