#include "reports/report_download.h"

#include <cstdio>
#include <string_view>

#include "base/cp1251.h"
#include "reports/report_line.h"
#include "tables/operation_support.h"

namespace kvitmark::reports {
namespace {

using tables::BoxButtons;
using tables::BoxIcon;
using tables::CommandButton;
using tables::support::PromptOutcome;

constexpr int kAttemptsPerRecord = 10;

const std::string& SuccessText() {
  static const std::string text = base::Cp1251("Успешно!");
  return text;
}

const std::string& NoSeparatorText() {
  static const std::string text = base::Cp1251("Укажите разделитель между полями: один символ.");
  return text;
}

const std::string& FileErrorTitle() {
  static const std::string text = base::Cp1251("Ошибка работы с файлом");
  return text;
}

const std::string& CannotCreateText() {
  static const std::string text = base::Cp1251("Ошибка открытия файла");
  return text;
}

const std::string& CannotWriteText() {
  static const std::string text = base::Cp1251("Ошибка записи данных в файл");
  return text;
}

const std::string& PortErrorTitle() {
  static const std::string text = base::Cp1251("Ошибка чтения из ЭККА");
  return text;
}

const std::string& PortErrorText() {
  static const std::string text = base::Cp1251("Ошибка чтения отчета");
  return text;
}

// A report file: created anew, one line appended per record as it arrives, so that a
// download that ends early leaves every line read so far on disk.
class ReportFile {
 public:
  ReportFile() = default;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;
  ~ReportFile() {
    if (file_) std::fclose(file_);
  }

  bool Create(const std::string& path) {
    // A NUL would make the system open a shorter path than the one the user gave.
    if (path.size() > kMaxReportPath || path.find('\0') != std::string::npos) return false;
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
  }

  bool AppendLine(std::string_view line) {
    return std::fwrite(line.data(), 1, line.size(), file_) == line.size() &&
           std::fwrite("\r\n", 1, 2, file_) == 2 && std::fflush(file_) == 0;
  }

  bool Close() {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }

 private:
  std::FILE* file_ = nullptr;
};

// Whatever ends a report, the link is not left calling back into a download that is over.
class ReplyWaitGuard {
 public:
  explicit ReplyWaitGuard(link::RegisterLink& link) : link_(link) {}
  ReplyWaitGuard(const ReplyWaitGuard&) = delete;
  ReplyWaitGuard& operator=(const ReplyWaitGuard&) = delete;
  ~ReplyWaitGuard() { link_.ClearReplyWait(); }

 private:
  link::RegisterLink& link_;
};

class Download {
 public:
  Download(tables::TableSession& session, ReportView& view) : session_(session), view_(view) {}

  DownloadResult Run() {
    tables::OperationFlags& flags = session_.workspace.flags;
    // A stop, skip or retry left over from an earlier command must not steer this one.
    flags = tables::OperationFlags{};
    if (!SeparatorUsable(view_.Choices().separator)) {
      session_.host.ShowMessage(NoSeparatorText());
      return DownloadResult::kNoSeparator;
    }
    session_.host.SetButtonEnabled(CommandButton::kStop, true);
    DownloadResult result = DownloadResult::kDone;
    for (int report = 0; report < kReportCount && result == DownloadResult::kDone; ++report) {
      const DownloadChoices choices = view_.Choices();
      if (choices.reports[report].checked) result = RunReport(report, choices);
    }
    session_.host.SetButtonEnabled(CommandButton::kStop, false);
    switch (result) {
      case DownloadResult::kDone:
        view_.SetProgressPosition(0);
        view_.ShowCurrentFile("");
        session_.host.ShowMessage(SuccessText());
        break;
      case DownloadResult::kStopped:
        session_.host.ShowMessageBox(tables::support::StoppedText(), tables::support::TitleText(),
                                     BoxButtons::kOk, BoxIcon::kNone);
        // The register may be halfway through a reply that was abandoned.
        session_.link.EndExchange();
        break;
      default:
        break;
    }
    flags.stop = false;
    return result;
  }

 private:
  enum class RecordOutcome { kRead, kSkipped, kGivenUp, kStopped };

  static bool SeparatorUsable(const std::string& separator) { return separator.size() == 1; }

  DownloadResult RunReport(int report, const DownloadChoices& choices) {
    // The separator may have been emptied on the page since the download started.
    if (!SeparatorUsable(choices.separator)) {
      session_.host.ShowMessage(NoSeparatorText());
      return DownloadResult::kNoSeparator;
    }
    const char separator = choices.separator[0];
    const ReportChoice& choice = choices.reports[report];
    view_.ShowCurrentFile(choice.fileName);
    ReportFile file;
    if (!file.Create(choices.folder + choice.fileName)) {
      ShowBox(CannotCreateText(), FileErrorTitle());
      return EndReport(DownloadResult::kFileError, true);
    }
    const int recordCount = RecordCount(report, session_.workspace.typeIndex);
    view_.SetProgressRange(recordCount);
    view_.SetProgressPosition(0);
    // A port that will not take its ordinary time-out will not read a report either.
    if (!session_.link.SetReadTimeout(kReadTimeoutMs)) {
      ShowBox(PortErrorText(), PortErrorTitle());
      return EndReport(DownloadResult::kPortError, true);
    }

    ReplyWaitGuard replyWait(session_.link);
    session_.link.SetReplyWait(kReportReplyWait, [this] {
      session_.host.ProcessPendingEvents();
      return !session_.workspace.flags.stop;
    });
    const int table = ReportCatalogue()[report].tableNumber;
    for (int record = 1; record <= recordCount; ++record) {
      switch (ReadWithRecovery(table, record)) {
        case RecordOutcome::kRead:
          break;
        case RecordOutcome::kSkipped:
          return EndReport(DownloadResult::kSkipped, false);
        case RecordOutcome::kGivenUp:
          return EndReport(DownloadResult::kGivenUp, false);
        case RecordOutcome::kStopped:
          return EndReport(DownloadResult::kStopped, false);
      }
      view_.SetProgressPosition(record);
      if (!file.AppendLine(ReportLine(session_.recordBuffer, separator))) {
        ShowBox(CannotWriteText(), FileErrorTitle());
        return EndReport(DownloadResult::kFileError, true);
      }
    }
    if (!file.Close()) {
      ShowBox(CannotWriteText(), FileErrorTitle());
      return EndReport(DownloadResult::kFileError, true);
    }
    return EndReport(DownloadResult::kDone, false);
  }

  // Up to ten attempts, then the prompt; "Стоп" is heard before every attempt and, through
  // the reply wait, while the register prepares the record.
  RecordOutcome ReadWithRecovery(int table, int record) {
    const tables::OperationFlags& flags = session_.workspace.flags;
    for (;;) {
      for (int attempt = 0; attempt < kAttemptsPerRecord; ++attempt) {
        session_.host.ProcessPendingEvents();
        if (flags.stop) return RecordOutcome::kStopped;
        if (session_.link.ReadRecord(session_.connectedRegister, table, record,
                                     session_.recordBuffer, 0) >= 0) {
          return RecordOutcome::kRead;
        }
      }
      // "Стоп" during the last attempt's wait: the user has already said what to do.
      if (flags.stop) return RecordOutcome::kStopped;
      switch (tables::support::AskWhatToDo(session_)) {
        case PromptOutcome::kSkip:
          return RecordOutcome::kSkipped;
        case PromptOutcome::kRetry:
          break;
        case PromptOutcome::kGiveUp:
          return RecordOutcome::kGivenUp;
      }
    }
  }

  // Every report ends here: the long reply wait off and the port back on its ordinary
  // time-out, so that no later exchange waits on a register that is not there. When the
  // port refuses, the user hears of it, unless this end has already shown its box.
  DownloadResult EndReport(DownloadResult result, bool boxShown) {
    session_.link.ClearReplyWait();
    if (session_.link.SetReadTimeout(kReadTimeoutMs)) return result;
    if (!boxShown) ShowBox(PortErrorText(), PortErrorTitle());
    return result == DownloadResult::kDone ? DownloadResult::kPortError : result;
  }

  void ShowBox(const std::string& text, const std::string& title) {
    session_.host.ShowMessageBox(text, title, BoxButtons::kOkCancel, BoxIcon::kNone);
  }

  tables::TableSession& session_;
  ReportView& view_;
};

}  // namespace

DownloadResult DownloadReports(tables::TableSession& session, ReportView& view) {
  return Download(session, view).Run();
}

}  // namespace kvitmark::reports
