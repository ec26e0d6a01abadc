// One rule for a record that will not go through: how many attempts, what the user is asked,
// when the port is reopened, and when "Стоп" is heard, for each operation's policy.
#include "tables/retry_policy.h"

#include "table_fixture.h"

namespace kvitmark::testing {
namespace {

using tables::RecordOutcome;
using tables::RetryPolicy;

struct RetryCase {
  const char* name;
  RetryPolicy policy;
  int succeedAt;  // the attempt that goes through; 0: none does
  std::vector<FailureAnswer> answers;
  int stopAtQuestion;  // 0: "Стоп" is never pressed
  RecordOutcome outcome;
  int attempts;
  int prompts;
  int reopens;
  int pausedSeconds;
};

class Retry : public TablesTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(Retry, DecidesAsItsPolicySays) {
  const RetryCase& c = GetParam();
  Connect();
  observer.promptAnswers.assign(c.answers.begin(), c.answers.end());
  observer.stopAtQuestion = c.stopAtQuestion;
  const int opensBefore = wire.opens;
  const auto started = clock.Now();
  int attempts = 0;
  const RecordOutcome outcome = tables::ExchangeRecord(session, observer, c.policy, 7,
                                                       [&] { return ++attempts == c.succeedAt; });
  EXPECT_EQ(outcome, c.outcome);
  EXPECT_EQ(attempts, c.attempts);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>(c.prompts, "prompt 7"));
  EXPECT_EQ(wire.opens - opensBefore, c.reopens);
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(clock.Now() - started).count(),
            c.pausedSeconds);
}

using enum RecordOutcome;
using Answers = std::vector<FailureAnswer>;

INSTANTIATE_TEST_SUITE_P(
    Policies, Retry,
    ::testing::Values(
        RetryCase{
            "TableThirdAttemptGoesThrough", tables::kTablePolicy, 3, {}, 0, kDone, 3, 0, 0, 0},
        RetryCase{"TableSkipReopens",
                  tables::kTablePolicy,
                  0,
                  {FailureAnswer::kSkip},
                  0,
                  kSkipped,
                  10,
                  1,
                  1,
                  0},
        RetryCase{"TableRetryGivesTenMore",
                  tables::kTablePolicy,
                  15,
                  {FailureAnswer::kRetry},
                  0,
                  kDone,
                  15,
                  1,
                  1,
                  0},
        RetryCase{"TableFinish",
                  tables::kTablePolicy,
                  0,
                  {FailureAnswer::kFinish},
                  0,
                  kFinished,
                  10,
                  1,
                  0,
                  0},
        RetryCase{"TablePromptClosedGoesOnWithoutReopening",
                  tables::kTablePolicy,
                  0,
                  {FailureAnswer::kClosed},
                  0,
                  kFailed,
                  10,
                  1,
                  0,
                  0},
        RetryCase{
            "ClearPausesASecondAndNeverAsks", tables::kClearPolicy, 0, {}, 0, kFailed, 10, 0, 0, 9},
        RetryCase{"LogoWriteTriesOnce", tables::kLogoWritePolicy, 0, {}, 0, kFailed, 1, 0, 0, 0},
        RetryCase{"LogoReadTriesTenTimes", tables::kLogoReadPolicy, 0, {}, 0, kFailed, 10, 0, 0, 0},
        RetryCase{"ReportHearsStopBeforeAnAttempt",
                  tables::kReportPolicy,
                  0,
                  {},
                  4,
                  kStopped,
                  3,
                  0,
                  0,
                  0},
        RetryCase{"ReportStopDuringTheLastAttemptNeedsNoPrompt",
                  tables::kReportPolicy,
                  0,
                  {},
                  11,
                  kStopped,
                  10,
                  0,
                  0,
                  0},
        RetryCase{"TableHearsNoStopWithinARecord",
                  tables::kTablePolicy,
                  0,
                  {FailureAnswer::kSkip},
                  1,
                  kSkipped,
                  10,
                  1,
                  1,
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::testing
