#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/message.h"
#include "tables/operation_observer.h"

namespace kvitmark::testing {

using tables::FailureAnswer;

// Plays the user for the long operations: answers questions and the exchange error prompt
// from a script, presses "Стоп" when told to, and writes down what the user would have
// been told, in Russian and UTF-8 so tests read plainly.
class RecordingObserver : public tables::OperationObserver {
 public:
  // What the user was told and asked, in order: "message: …", "box Tabulon: …" (the
  // overwrite question too), "prompt 12" (the record it was about).
  std::vector<std::string> dialogs;
  std::vector<std::string> reasons;  // the system's, as notices carried them
  std::vector<tables::OperationStart> starts;
  std::vector<tables::RecordStep> steps;
  std::vector<tables::OperationSummary> summaries;
  std::deque<bool> confirmAnswers;          // default: yes
  std::deque<FailureAnswer> promptAnswers;  // running out fails the test
  FailureAnswer answerWhenUnscripted = FailureAnswer::kFinish;
  bool failWhenUnscripted = true;
  // "Стоп" is pressed just before the stopAtQuestion-th time the operation asks (from 1;
  // 0: never) and stays pressed.
  int stopAtQuestion = 0;
  int stopQuestions = 0;
  // Runs as the prompt comes, before it is answered (the register may come back meanwhile).
  std::function<void()> onPrompt;

  void Started(const tables::OperationStart& start) override { starts.push_back(start); }
  void RecordDone(const tables::RecordStep& step) override { steps.push_back(step); }
  FailureAnswer RecordFailed(int record) override {
    dialogs.push_back("prompt " + std::to_string(record));
    if (onPrompt) onPrompt();
    if (promptAnswers.empty()) {
      if (failWhenUnscripted) ADD_FAILURE() << "the prompt came once more than expected";
      return answerWhenUnscripted;
    }
    const FailureAnswer answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
  }
  void Tell(const tables::Notice& notice) override {
    dialogs.push_back(notice.IsPlainMessage() ? "message: " + base::RenderUtf8(notice.text)
                                              : "box " + base::RenderUtf8(notice.title) + ": " +
                                                    base::RenderUtf8(notice.text));
    if (!notice.reason.Empty()) reasons.push_back(base::RenderUtf8(notice.reason));
  }
  bool Confirm(const base::Message& question) override {
    dialogs.push_back("box Tabulon: " + base::RenderUtf8(question));
    if (confirmAnswers.empty()) return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  bool StopRequested() override {
    ++stopQuestions;
    return stopAtQuestion > 0 && stopQuestions >= stopAtQuestion;
  }
  void Finished(const tables::OperationSummary& summary) override { summaries.push_back(summary); }

  // The record numbers of the steps, in order.
  std::vector<int> Records() const {
    std::vector<int> records;
    for (const auto& step : steps) records.push_back(step.record);
    return records;
  }
  const tables::OperationSummary& Summary() const {
    static const tables::OperationSummary none;
    return summaries.empty() ? none : summaries.back();
  }
};

// An observer that answers the prompt with "Завершить операцию" and every question with
// yes, for the tests that watch only a few events.
class QuietObserver : public RecordingObserver {
 public:
  QuietObserver() { failWhenUnscripted = false; }
};

}  // namespace kvitmark::testing
