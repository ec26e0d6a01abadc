#pragma once

#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

#include "tables/ui/dialogs.h"
#include "tables/ui/exchange_error_prompt.h"

namespace kvitmark::testing {

using tables::BoxAnswer;
using tables::FailureAnswer;

// Answers every question from a script and writes down what was shown.
class ScriptedDialogs final : public tables::ui::Dialogs {
 public:
  QStringList shown;  // "message: …", "box <title>: …", "prompt", "modal <name>"
  std::deque<BoxAnswer> boxAnswers;
  std::deque<FailureAnswer> promptAnswers;
  QStringList promptClicks;  // answered through the real prompt window

  // Called as each message or box is shown, to look at the window behind it.
  std::function<void()> whileShown = [] {};

  void ShowMessage(QWidget*, const QString& text) override {
    shown << "message: " + text;
    whileShown();
  }
  BoxAnswer MessageBox(QWidget*, const QString& text, const QString& title,
                       tables::BoxButtons buttons, tables::BoxIcon) override {
    shown << "box " + title + ": " + text;
    whileShown();
    if (!boxAnswers.empty()) {
      const BoxAnswer answer = boxAnswers.front();
      boxAnswers.pop_front();
      return answer;
    }
    return buttons == tables::BoxButtons::kYesNo ? BoxAnswer::kYes : BoxAnswer::kOk;
  }
  FailureAnswer ExchangeErrorPrompt(tables::ui::TForm3& prompt) override {
    shown << "prompt";
    if (!promptClicks.isEmpty()) {
      // The real prompt, answered by a click on one of its buttons (or its close box).
      const QString name = promptClicks.takeFirst();
      QTimer::singleShot(0, &prompt, [&prompt, name] {
        if (name == "close") {
          prompt.close();
        } else {
          prompt.findChild<QPushButton*>(name)->click();
        }
      });
      return prompt.Ask();
    }
    if (promptAnswers.empty()) return FailureAnswer::kFinish;
    const FailureAnswer answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
  }
  // A modal window is answered by the next of these, given the window in place of its modal
  // loop (a dialog's settings changed, then accepted or rejected); without one it is left
  // unanswered, as if closed.
  std::deque<std::function<void(QWidget&)>> modalAnswers;
  void ShowModal(QWidget& window) override {
    shown << "modal " + window.objectName();
    if (modalAnswers.empty()) return;
    const auto answer = std::move(modalAnswers.front());
    modalAnswers.pop_front();
    answer(window);
  }

  // File dialogs: the answers (empty: cancelled) and what each dialog was given.
  QStringList fileAnswers;
  struct FileDialog {
    QString title;
    QString filter;
    QString folder;
    QString proposedOrSuffix;
  };
  QList<FileDialog> fileDialogs;
  QString OpenFileName(QWidget*, const QString& title, const QString& filter, const QString& folder,
                       const QString& proposed) override {
    fileDialogs.append({title, filter, folder, proposed});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
  }
  QString SaveFileName(QWidget*, const QString& title, const QString& filter, const QString& folder,
                       const QString& defaultSuffix) override {
    fileDialogs.append({title, filter, folder, defaultSuffix});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
  }
  QString ExistingFolder(QWidget*, const QString& title, const QString& folder) override {
    fileDialogs.append({title, QString(), folder, QString()});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
  }

  // Typed lines (empty: cancelled).
  QStringList textAnswers;
  QString AskText(QWidget*, const QString& title, const QString& label, const QString&) override {
    shown << "ask " + title + ": " + label;
    return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
  }
};

}  // namespace kvitmark::testing
