#include "reports/ui/reports_page.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

#include "base/ui/captions.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::reports::ui {
namespace {

// The first seven reports stand in the left column.
constexpr int kLeftColumnReports = 7;

// The separator goes into every line of a code page 1251 file, so it must have a byte
// there, and a line break would split the lines it joins.
class SeparatorValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (input.contains(QLatin1Char('\r')) || input.contains(QLatin1Char('\n'))) return Invalid;
    return base::ui::FitsCp1251(input) ? Acceptable : Invalid;
  }
};

QPushButton* Button(QWidget* parent, const char* name, base::ui::SourceText caption, int x, int y,
                    int width) {
  auto* button = base::ui::Captioned(new QPushButton(parent), caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, width, 25);
  return button;
}

QString Latin1(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// File names and folders are the file system's bytes, never code page 1251 text.
std::string FileSystemBytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

// The window's observer, with the page's own displays besides: Label44 names the report
// being written, ProgressBar2 steps through its records. A download that ends early leaves
// them as they stood, to show where it ended.
class PageProgress final : public tables::OperationObserver {
 public:
  PageProgress(tables::OperationObserver& window, QLabel& currentFile, QProgressBar& progress)
      : window_(window), currentFile_(currentFile), progress_(progress) {}

  void Started(const tables::OperationStart& start) override { window_.Started(start); }
  void PartStarted(const tables::PartStart& part) override {
    window_.PartStarted(part);
    currentFile_.setText(QFile::decodeName(QByteArray::fromStdString(part.fileName)));
  }
  void PartReady(int records) override {
    window_.PartReady(records);
    // A range of 0 to 0 would turn the bar into a busy indicator.
    progress_.setRange(0, records > 0 ? records : 1);
    progress_.setValue(0);
  }
  void RecordDone(const tables::RecordStep& step) override {
    window_.RecordDone(step);
    progress_.setValue(step.progress);
  }
  tables::FailureAnswer RecordFailed(int record) override { return window_.RecordFailed(record); }
  void Tell(const tables::Notice& notice) override { window_.Tell(notice); }
  bool Confirm(const base::Message& question) override { return window_.Confirm(question); }
  bool StopRequested() override { return window_.StopRequested(); }
  void Finished(const tables::OperationSummary& summary) override {
    window_.Finished(summary);
    if (summary.result != tables::OperationResult::kDone) return;
    progress_.setValue(0);
    currentFile_.clear();
  }

 private:
  tables::OperationObserver& window_;
  QLabel& currentFile_;
  QProgressBar& progress_;
};

}  // namespace

DirectoryEdit::DirectoryEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  field_ = new QLineEdit(this);
  auto* choose = new QToolButton(this);
  choose->setObjectName(QStringLiteral("ChooseFolder"));
  choose->setText(QStringLiteral("..."));
  layout->addWidget(field_);
  layout->addWidget(choose);
  connect(choose, &QToolButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), field_->text());
    if (!chosen.isEmpty()) SetText(chosen.endsWith('/') ? chosen : chosen + '/');
  });
}

QString DirectoryEdit::Text() const { return field_->text(); }

void DirectoryEdit::SetText(const QString& text) { field_->setText(text); }

ReportsPage::ReportsPage(QWidget* parent) : QWidget(parent) {
  const auto& catalogue = ReportCatalogue();
  for (int report = 0; report < kReportCount; ++report) {
    const ReportDescriptor& descriptor = catalogue[report];
    const bool left = report < kLeftColumnReports;
    const int row = left ? report : report - kLeftColumnReports;
    auto* check = base::ui::Captioned(new QCheckBox(this),
                                      base::ui::SourceText{"reports", descriptor.captionSource});
    check->setObjectName(Latin1(descriptor.checkBox));
    check->setGeometry(left ? 8 : 312, 8 + 24 * row, left ? 190 : 174, 17);
    auto* fileName = new QLineEdit(this);
    fileName->setObjectName(Latin1(descriptor.fileNameField));
    fileName->setGeometry(left ? 200 : 488, 6 + 24 * row, 105, 21);
    checks_[report] = check;
    fileNames_[report] = fileName;
  }
  // Created in the order Tab takes them: the columns of reports, the buttons beside them,
  // then the rows below.
  checkAll_ = Button(this, "Button17", KV_TEXT("ReportsPage", "Установить все"), 616, 80, 105);
  clearAll_ = Button(this, "Button18", KV_TEXT("ReportsPage", "Очистить все"), 616, 112, 105);
  separator_ = new QLineEdit(QStringLiteral(";"), this);
  separator_->setObjectName(QStringLiteral("Edit41"));
  separator_->setGeometry(560, 144, 25, 21);
  separator_->setMaxLength(1);
  separator_->setValidator(new SeparatorValidator(separator_));
  auto* separatorLabel =
      base::ui::Captioned(new QLabel(this), KV_TEXT("ReportsPage", "разделитель между полями"));
  separatorLabel->setGeometry(592, 147, 150, 17);
  currentFile_ = new QLabel(this);
  currentFile_->setObjectName(QStringLiteral("Label44"));
  currentFile_->setTextFormat(Qt::PlainText);  // a file name from the settings file
  currentFile_->setGeometry(368, 160, 180, 17);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar2"));
  progress_->setGeometry(0, 176, 737, 17);
  progress_->setTextVisible(false);
  progress_->setValue(0);
  folder_ = new DirectoryEdit(this);
  folder_->setObjectName(QStringLiteral("DirectoryEdit1"));
  folder_->setGeometry(0, 200, 569, 21);
  download_ = Button(this, "Button19", KV_TEXT("ReportsPage", "Чтение отчетов"), 576, 196, 161);
  connect(checkAll_, &QPushButton::clicked, this, [this] {
    for (auto* check : checks_) check->setChecked(true);
  });
  connect(clearAll_, &QPushButton::clicked, this, [this] {
    for (auto* check : checks_) check->setChecked(false);
  });
  connect(download_, &QPushButton::clicked, this, [this] { ReadReports(); });
}

void ReportsPage::Attach(const ReportsPageContext& context) { context_ = context; }

void ReportsPage::ReadReports() {
  // The download lets the window handle events; a second click must not start another.
  if (!context_.session || !context_.observer || downloading_) return;
  // The validator keeps such a character from being typed; text set from elsewhere is
  // not checked by it.
  if (!base::ui::FitsCp1251(separator_->text())) {
    if (context_.dialogs) {
      context_.dialogs->MessageBox(
          context_.dialogParent,
          base::ui::Translate("ReportsPage",
                              "Разделитель между полями нельзя записать в кодировке 1251."),
          QString::fromUtf8("Tabulon"), tables::BoxButtons::kOk, tables::BoxIcon::kWarning);
    }
    return;
  }
  struct Running {
    bool& flag;
    explicit Running(bool& downloading) : flag(downloading) { flag = true; }
    ~Running() { flag = false; }
  } running(downloading_);
  auto download = [this] {
    PageProgress observer(*context_.observer, *currentFile_, *progress_);
    reports::DownloadReports(*context_.session, observer, *this);
  };
  if (context_.runOperation) {
    context_.runOperation(download);
  } else {
    download();
  }
}

DownloadChoices ReportsPage::Choices() {
  DownloadChoices choices;
  for (int report = 0; report < kReportCount; ++report) {
    choices.reports[report].checked = checks_[report]->isChecked();
    choices.reports[report].fileName = FileSystemBytes(fileNames_[report]->text());
  }
  choices.folder = FileSystemBytes(folder_->Text());
  choices.separator = base::ui::ToCp1251(separator_->text());
  return choices;
}

}  // namespace kvitmark::reports::ui
