#include "reports/report_download.h"

#include <cerrno>
#include <optional>
#include <string_view>

#include "base/message.h"
#include "base/system_error_text.h"
#include "base/whole_file.h"
#include "reports/report_line.h"
#include "tables/operation_support.h"
#include "tables/retry_policy.h"

namespace kvitmark::reports {
namespace {

using tables::BoxButtons;
using tables::Notice;
using tables::RecordOutcome;

base::Message SuccessText() { return KV_PATTERN("reports", "Успешно!"); }

base::Message NoSeparatorText() {
  return KV_PATTERN("reports", "Укажите разделитель между полями: один символ.");
}

base::Message FileErrorTitle() { return KV_PATTERN("reports", "Ошибка работы с файлом"); }

base::Message CannotCreateText() { return KV_PATTERN("reports", "Ошибка открытия файла"); }

base::Message CannotWriteText() { return KV_PATTERN("reports", "Ошибка записи данных в файл"); }

base::Message PortErrorTitle() { return KV_PATTERN("reports", "Ошибка чтения из ЭККА"); }

base::Message PortErrorText() { return KV_PATTERN("reports", "Ошибка чтения отчета"); }

// A report file: its lines go to a new file as they arrive, which takes the report file's
// place when the report ends, also early (with the lines read so far). Until then, and for
// good when a line cannot be written, an old report of that name stays whole.
class ReportFile {
 public:
  // False when the file cannot be made; ErrorNumber() says why.
  bool Create(const std::string& path) {
    // A NUL would make the system open a shorter path than the one the user gave.
    if (path.size() > kMaxReportPath) return Refuse(ENAMETOOLONG);
    if (path.find('\0') != std::string::npos) return Refuse(EINVAL);
    writer_.emplace(path);
    if (writer_->Ready()) return true;
    errorNumber_ = writer_->Commit().errorNumber;
    writer_.reset();
    return false;
  }

  bool AppendLine(std::string_view line) {
    std::ostream& out = writer_->Out();
    // Flushed line by line: a full disk shows at the record that no longer fits.
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
    if (out.flush()) return true;
    errorNumber_ = writer_->Abandon().errorNumber;
    writer_.reset();
    return false;
  }

  bool Close() {
    const base::SaveResult saved = writer_->Commit();
    writer_.reset();
    errorNumber_ = saved.errorNumber;
    return saved.Saved();
  }

  int ErrorNumber() const { return errorNumber_; }

 private:
  bool Refuse(int errorNumber) {
    errorNumber_ = errorNumber;
    return false;
  }

  std::optional<base::WholeFileWriter> writer_;
  int errorNumber_ = 0;
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
  Download(tables::TableSession& session, tables::OperationObserver& observer,
           ReportChoicesSource& choices)
      : session_(session), observer_(observer), choices_(choices) {}

  DownloadResult Run() {
    if (!SeparatorUsable(choices_.Choices().separator)) {
      observer_.Tell(Notice{NoSeparatorText()});
      observer_.Finished({});
      return DownloadResult::kNoSeparator;
    }
    observer_.Started({tables::OperationKind::kDownloadReports, tables::PageId::kReports});
    DownloadResult result = DownloadResult::kDone;
    for (int report = 0; report < kReportCount && result == DownloadResult::kDone; ++report) {
      const DownloadChoices choices = choices_.Choices();
      if (choices.reports[report].checked) result = RunReport(report, choices);
    }
    summary_.result = result == DownloadResult::kDone ? tables::OperationResult::kDone
                                                      : tables::OperationResult::kStopped;
    // "Стоп" goes off before the notice that ends the download.
    observer_.Finished(summary_);
    switch (result) {
      case DownloadResult::kDone:
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
    observer_.PartStarted({choice.fileName});
    const std::string path = choices.folder + choice.fileName;
    ReportFile file;
    if (!file.Create(path)) {
      ShowBox(CannotCreateText(), FileErrorTitle(), Reason(file, path));
      return EndReport(DownloadResult::kFileError, true);
    }
    const int recordCount = RecordCount(report, session_.workspace.typeIndex);
    observer_.PartReady(recordCount);
    // A port that will not take its ordinary time-out will not read a report either.
    if (!session_.link.SetReadTimeout(kReadTimeoutMs)) {
      ShowBox(PortErrorText(), PortErrorTitle());
      if (!file.Close()) ShowBox(CannotWriteText(), FileErrorTitle(), Reason(file, path));
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
          return EndWithLines(file, path, DownloadResult::kSkipped);
        case RecordOutcome::kFailed:
        case RecordOutcome::kFinished:
          summary_.failed.push_back(record);
          return EndWithLines(file, path, DownloadResult::kGivenUp);
        case RecordOutcome::kStopped:
          return EndWithLines(file, path, DownloadResult::kStopped);
      }
      summary_.done.push_back(record);
      observer_.RecordDone({.record = record, .progress = record});
      if (!file.AppendLine(ReportLine(session_.recordBuffer, separator))) {
        ShowBox(CannotWriteText(), FileErrorTitle(), Reason(file, path));
        return EndReport(DownloadResult::kFileError, true);
      }
    }
    return EndWithLines(file, path, DownloadResult::kDone);
  }

  // Whatever ends a report after its file was made, the file takes the lines read so far.
  // When that fails, the user hears of it and an old report of that name stays whole.
  DownloadResult EndWithLines(ReportFile& file, const std::string& path, DownloadResult result) {
    if (file.Close()) return EndReport(result, false);
    ShowBox(CannotWriteText(), FileErrorTitle(), Reason(file, path));
    return EndReport(result == DownloadResult::kDone ? DownloadResult::kFileError : result, true);
  }

  static base::Message Reason(const ReportFile& file, const std::string& path) {
    return file.ErrorNumber() != 0 ? base::SystemErrorText(file.ErrorNumber(), path)
                                   : base::Message();
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

  void ShowBox(base::Message text, base::Message title, base::Message reason = {}) {
    observer_.Tell(Notice{std::move(text), std::move(title), BoxButtons::kOkCancel,
                          tables::BoxIcon::kNone, std::move(reason)});
  }

  tables::TableSession& session_;
  tables::OperationObserver& observer_;
  ReportChoicesSource& choices_;
  tables::OperationSummary summary_;
};

}  // namespace

DownloadResult DownloadReports(tables::TableSession& session, tables::OperationObserver& observer,
                               ReportChoicesSource& choices) {
  return Download(session, observer, choices).Run();
}

}  // namespace kvitmark::reports
