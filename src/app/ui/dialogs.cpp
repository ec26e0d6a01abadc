#include "app/ui/dialogs.h"

#include <QDialog>
#include <QMessageBox>

#include "tables/ui/exchange_error_prompt.h"

namespace kvitmark::app::ui {

using tables::BoxAnswer;
using tables::BoxButtons;
using tables::BoxIcon;

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kvitmark"), text, QMessageBox::Ok, parent);
  box.exec();
}

BoxAnswer QtDialogs::MessageBox(QWidget* parent, const QString& text, const QString& title,
                                BoxButtons buttons, BoxIcon icon) {
  QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
  switch (icon) {
    case BoxIcon::kNone: break;
    case BoxIcon::kInformation: qtIcon = QMessageBox::Information; break;
    case BoxIcon::kWarning: qtIcon = QMessageBox::Warning; break;
    case BoxIcon::kError: qtIcon = QMessageBox::Critical; break;
  }
  QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
  if (buttons == BoxButtons::kOkCancel) qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
  if (buttons == BoxButtons::kYesNo) qtButtons = QMessageBox::Yes | QMessageBox::No;
  QMessageBox box(qtIcon, title, text, qtButtons, parent);
  switch (box.exec()) {
    case QMessageBox::Yes: return BoxAnswer::kYes;
    case QMessageBox::No: return BoxAnswer::kNo;
    case QMessageBox::Cancel: return BoxAnswer::kCancel;
    default: return BoxAnswer::kOk;
  }
}

tables::PromptAnswer QtDialogs::ExchangeErrorPrompt(tables::ui::TForm3& prompt) {
  return prompt.Ask();
}

void QtDialogs::ShowModal(QWidget& window) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
  } else {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
  }
}

}  // namespace kvitmark::app::ui
