#pragma once

#include <QString>

#include "tables/operation_observer.h"

class QWidget;

// Every modal question the program asks goes through here, so that the widget tests can
// answer them without a modal loop. Message texts are shown as plain text, never as markup.
namespace kvitmark::tables::ui {

class TForm3;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with an OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  virtual BoxAnswer MessageBox(QWidget* parent, const QString& text, const QString& title,
                               BoxButtons buttons, BoxIcon icon) = 0;
  virtual FailureAnswer ExchangeErrorPrompt(TForm3& prompt) = 0;
  // Shows a window of the program modally (the about box).
  virtual void ShowModal(QWidget& window) = 0;
  // The file the user picked, or an empty text when the dialog was cancelled. `proposed`
  // is the name the open dialog offers; the save dialog adds `defaultSuffix` to a name
  // typed without one.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                               const QString& folder, const QString& proposed) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                               const QString& folder, const QString& defaultSuffix) = 0;
  // An existing folder the user picked, starting in `folder`; empty when cancelled.
  virtual QString ExistingFolder(QWidget* parent, const QString& title, const QString& folder) = 0;
  // A line of text the user types; empty when cancelled.
  virtual QString AskText(QWidget* parent, const QString& title, const QString& label,
                          const QString& proposed) = 0;
};

// The real thing: Qt message boxes and the modal windows themselves.
class QtDialogs final : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  BoxAnswer MessageBox(QWidget* parent, const QString& text, const QString& title,
                       BoxButtons buttons, BoxIcon icon) override;
  FailureAnswer ExchangeErrorPrompt(TForm3& prompt) override;
  void ShowModal(QWidget& window) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                       const QString& folder, const QString& proposed) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                       const QString& folder, const QString& defaultSuffix) override;
  QString ExistingFolder(QWidget* parent, const QString& title, const QString& folder) override;
  QString AskText(QWidget* parent, const QString& title, const QString& label,
                  const QString& proposed) override;
};

}  // namespace kvitmark::tables::ui
