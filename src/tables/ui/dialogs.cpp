#include "tables/ui/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "tables/ui/exchange_error_prompt.h"

namespace kvitmark::tables::ui {

namespace {

// Messages carry texts from files and registers (a backup's date, a file name, a goods name):
// taken for rich text, "<!--" in one would hide the rest of the question the user answers.
void ShowAsPlainText(QMessageBox& box) { box.setTextFormat(Qt::PlainText); }

}  // namespace

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kvitmark"), text, QMessageBox::Ok, parent);
  ShowAsPlainText(box);
  box.exec();
}

BoxAnswer QtDialogs::MessageBox(QWidget* parent, const QString& text, const QString& title,
                                BoxButtons buttons, BoxIcon icon) {
  QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
  switch (icon) {
    case BoxIcon::kNone:
      break;
    case BoxIcon::kInformation:
      qtIcon = QMessageBox::Information;
      break;
    case BoxIcon::kWarning:
      qtIcon = QMessageBox::Warning;
      break;
    case BoxIcon::kError:
      qtIcon = QMessageBox::Critical;
      break;
  }
  QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
  if (buttons == BoxButtons::kOkCancel) qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
  if (buttons == BoxButtons::kYesNo) qtButtons = QMessageBox::Yes | QMessageBox::No;
  QMessageBox box(qtIcon, title, text, qtButtons, parent);
  ShowAsPlainText(box);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return BoxAnswer::kYes;
    case QMessageBox::No:
      return BoxAnswer::kNo;
    case QMessageBox::Cancel:
      return BoxAnswer::kCancel;
    default:
      return BoxAnswer::kOk;
  }
}

FailureAnswer QtDialogs::ExchangeErrorPrompt(TForm3& prompt) { return prompt.Ask(); }

void QtDialogs::ShowModal(QWidget& window) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
  } else {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
  }
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& folder, const QString& proposed) {
  QFileDialog dialog(parent, title, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // A typed name that does not exist is taken too; opening it then says what is wrong.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!proposed.isEmpty()) dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& folder, const QString& defaultSuffix) {
  QFileDialog dialog(parent, title, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // An existing file is replaced without a question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtDialogs::ExistingFolder(QWidget* parent, const QString& title, const QString& folder) {
  return QFileDialog::getExistingDirectory(parent, title, folder);
}

QString QtDialogs::AskText(QWidget* parent, const QString& title, const QString& label,
                           const QString& proposed) {
  return QInputDialog::getText(parent, title, label, QLineEdit::Normal, proposed).trimmed();
}

}  // namespace kvitmark::tables::ui
