#include "reports/report_download.h"

#include <cstdio>
#include <string_view>

#include "base/cp1251.h"
#include "reports/report_line.h"
#include "tables/operation_support.h"
#include "tables/retry_policy.h"

namespace kvitmark::reports {
namespace {

using tables::BoxButtons;
using tables::Notice;
using tables::RecordOutcome;

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
  Download(tables::TableSession& session, tables::OperationObserver& observer, ReportView& view)
      : session_(session), observer_(observer), view_(view) {}

  DownloadResult Run() {
    if (!SeparatorUsable(view_.Choices().separator)) {
      observer_.Tell(Notice{NoSeparatorText()});
      observer_.Finished({});
      return DownloadResult::kNoSeparator;
    }
    observer_.Started({tables::OperationKind::kDownloadReports, tables::PageId::kReports});
    DownloadResult result = DownloadResult::kDone;
    for (int report = 0; report < kReportCount && result == DownloadResult::kDone; ++report) {
      const DownloadChoices choices = view_.Choices();
      if (choices.reports[report].checked) result = RunReport(report, choices);
    }
    summary_.result = result == DownloadResult::kDone ? tables::OperationResult::kDone
                                                      : tables::OperationResult::kStopped;
    // "Стоп" goes off before the notice that ends the download.
    observer_.Finished(summary_);
    switch (result) {
      case DownloadResult::kDone:
        view_.SetProgressPosition(0);
        view_.ShowCurrentFile("");
        observer_.Tell(Notice{SuccessText()});
        break;
      case DownloadResult::kStopped:
        observer_.Tell(tables::support::Box(tables::support::StoppedText()));
        // The register may be halfway through a reply that was abandoned.
        session_.link.EndExchange();
        break;
      default:
        break;
    }
    return result;
  }

 private:
  static bool SeparatorUsable(const std::string& separator) { return separator.size() == 1; }

  DownloadResult RunReport(int report, const DownloadChoices& choices) {
    // The separator may have been emptied on the page since the download started.
    if (!SeparatorUsable(choices.separator)) {
      observer_.Tell(Notice{NoSeparatorText()});
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
    session_.link.SetReplyWait(kReportReplyWait, [this] { return !observer_.StopRequested(); });
    const int table = ReportCatalogue()[report].tableNumber;
    for (int record = 1; record <= recordCount; ++record) {
      const RecordOutcome outcome =
          tables::ExchangeRecord(session_, observer_, tables::kReportPolicy, record, [&] {
            return session_.link.ReadRecord(session_.connectedRegister, table, record,
                                            session_.recordBuffer, 0) >= 0;
          });
      switch (outcome) {
        case RecordOutcome::kDone:
          break;
        case RecordOutcome::kSkipped:
          summary_.skipped.push_back(record);
          return EndReport(DownloadResult::kSkipped, false);
        case RecordOutcome::kFailed:
        case RecordOutcome::kFinished:
          summary_.failed.push_back(record);
          return EndReport(DownloadResult::kGivenUp, false);
        case RecordOutcome::kStopped:
          return EndReport(DownloadResult::kStopped, false);
      }
      summary_.done.push_back(record);
      observer_.RecordDone({.record = record, .progress = record});
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
    observer_.Tell(Notice{text, title, BoxButtons::kOkCancel});
  }

  tables::TableSession& session_;
  tables::OperationObserver& observer_;
  ReportView& view_;
  tables::OperationSummary summary_;
};

}  // namespace

DownloadResult DownloadReports(tables::TableSession& session, tables::OperationObserver& observer,
                               ReportView& view) {
  return Download(session, observer, view).Run();
}

}  // namespace kvitmark::reports
