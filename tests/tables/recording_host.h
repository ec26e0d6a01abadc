#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "tables/operation_host.h"

namespace kvitmark::testing {

using tables::BoxAnswer;
using tables::CommandButton;
using tables::PromptAnswer;

// Plays the window for the table operations: answers message boxes and the prompt from a
// script and writes down what the user would have seen, in UTF-8 so tests read plainly.
class RecordingHost final : public tables::OperationHost {
 public:
  // What was shown and asked, in order: "message: …", "box Tabulon: …", "prompt",
  // "enable Button4", "disable Button6", "editing off 0", "editing on 0".
  std::vector<std::string> events;
  // Every text the record counter showed.
  std::vector<std::string> counter;
  int progressMaximum = -1;
  int progressPosition = -1;
  int pendingEventsCalls = 0;
  int shownPage = 0;
  std::map<CommandButton, bool> buttons;
  std::deque<BoxAnswer> boxAnswers;        // default: Yes / OK
  std::deque<PromptAnswer> promptAnswers;  // running out fails the test
  // Runs at every ProcessPendingEvents, with the number of that call (from 1).
  std::function<void(int)> onPendingEvents;
  std::vector<int> scrolls;  // top rows, in order

  void ShowMessage(const std::string& text) override {
    events.push_back("message: " + base::Cp1251ToUtf8(text));
  }
  BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                           tables::BoxButtons buttons, tables::BoxIcon) override {
    events.push_back("box " + base::Cp1251ToUtf8(title) + ": " + base::Cp1251ToUtf8(text));
    if (!boxAnswers.empty()) {
      const BoxAnswer answer = boxAnswers.front();
      boxAnswers.pop_front();
      return answer;
    }
    return buttons == tables::BoxButtons::kYesNo ? BoxAnswer::kYes : BoxAnswer::kOk;
  }
  PromptAnswer AskExchangeError() override {
    events.push_back("prompt");
    if (promptAnswers.empty()) {
      ADD_FAILURE() << "the prompt came once more than the test expected";
      return PromptAnswer::kFinish;
    }
    const PromptAnswer answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
  }
  void ProcessPendingEvents() override {
    ++pendingEventsCalls;
    if (onPendingEvents) onPendingEvents(pendingEventsCalls);
  }
  void SetProgressRange(int maximum) override { progressMaximum = maximum; }
  void SetProgressPosition(int position) override { progressPosition = position; }
  void ShowRecordCounter(const std::string& text) override { counter.push_back(text); }
  void SetButtonEnabled(CommandButton button, bool enabled) override {
    buttons[button] = enabled;
    events.push_back(std::string(enabled ? "enable " : "disable ") + Name(button));
  }
  void SetCellEditing(int page, bool enabled) override {
    events.push_back(std::string("editing ") + (enabled ? "on " : "off ") + std::to_string(page));
  }
  void ScrollGrid(int, int topRow) override { scrolls.push_back(topRow); }
  void ScrollAllGridsToTop() override {}
  void PageDataChanged(int, int) override {}
  void Repaint() override {}
  int ShownPage() override { return shownPage; }

  // The events that are messages, boxes or prompts, in order.
  std::vector<std::string> Dialogs() const {
    std::vector<std::string> dialogs;
    for (const auto& event : events) {
      if (event.starts_with("message") || event.starts_with("box") || event == "prompt")
        dialogs.push_back(event);
    }
    return dialogs;
  }

  static const char* Name(CommandButton button) {
    switch (button) {
      case CommandButton::kClose:
        return "Button1";
      case CommandButton::kSave:
        return "Button2";
      case CommandButton::kOpen:
        return "Button3";
      case CommandButton::kWrite:
        return "Button4";
      case CommandButton::kStop:
        return "Button6";
      case CommandButton::kClear:
        return "Button8";
      case CommandButton::kRead:
        return "Button9";
      case CommandButton::kAbout:
        return "Button10";
    }
    return "?";
  }
};

}  // namespace kvitmark::testing
