#include "sdcard/ui/sales_window.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <array>
#include <vector>

#include "base/ui/captions.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"
#include "files/ui/dialog_filter.h"
#include "reports/ui/reports_page.h"
#include "sdcard/sales_file.h"
#include "sdcard/sales_load.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::sdcard::ui {
namespace {

constexpr int kDesignWidth = 924;
constexpr int kDesignHeight = 706;
constexpr int kDesignGridWidth = 897;
// A window narrower than this is widened to kWidenedWidth at its next size change.
constexpr int kNarrowestWidth = 920;
constexpr int kWidenedWidth = 931;
constexpr int kLowestHeight = 380;

// Column widths are the grid's width times these over kColumnWeightTotal, row numbers first.
constexpr std::array<int, kSalesColumns> kColumnWeights = {30, 46, 135, 51, 55, 40, 40, 40, 27,
                                                           24, 70, 24,  57, 57, 57, 57, 55};
constexpr int kColumnWeightTotal = 899;

const base::TextPattern kSalesFilter =
    KV_PATTERN("sdcard", "Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*");

QPushButton* Button(QWidget* parent, const char* name, base::ui::SourceText caption, int x,
                    int width) {
  auto* button = base::ui::Captioned(new QPushButton(parent), caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, 640, width, 25);
  // Enter in the folder field or a cell editor must not start a load or a save.
  button->setAutoDefault(false);
  return button;
}

// Folders and file names are the file system's bytes, never code page 1251 text.
std::string FileSystemBytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

TForm4::TForm4(tables::ui::Dialogs& dialogs, QString startFolder, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      startFolder_(std::move(startFolder)),
      sales_(MakeSalesTable()) {
  setObjectName(QStringLiteral("TForm4"));
  base::ui::SetCaption(*this, KV_TEXT("TForm4", "База продаж SD-карты"));
  setSizeGripEnabled(true);

  grid_ = new tables::ui::StringGrid(sales_, this);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->setGeometry(8, 4, kDesignGridWidth, 605);

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setGeometry(8, 616, 897, 17);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);

  folderLabel_ =
      base::ui::Captioned(new QLabel(this), KV_TEXT("TForm4", "Выбрать местонахождение файлов:"));
  folderLabel_->setObjectName(QStringLiteral("Label1"));
  folderLabel_->move(88, 647);
  folderLabel_->adjustSize();

  folder_ = new reports::ui::DirectoryEdit(this);
  folder_->setObjectName(QStringLiteral("DirectoryEdit1"));
  folder_->setGeometry(280, 642, 177, 21);

  load_ = Button(this, "Button1", KV_TEXT("TForm4", "Загрузить продажи с SD карты"), 464, 177);
  save_ = Button(this, "Button3", KV_TEXT("TForm4", "Сохранить продажи в файл"), 648, 177);
  close_ = Button(this, "Button2", KV_TEXT("TForm4", "Закрыть"), 832, 75);
  connect(load_, &QPushButton::clicked, this, &TForm4::LoadSales);
  connect(save_, &QPushButton::clicked, this, &TForm4::SaveSales);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);

  resize(kDesignWidth, kDesignHeight);
  scale_ = base::ui::FitTexts(*this);
  SetGridWidth(grid_->width());
}

TForm4::~TForm4() {
  // The grid reads the table until it is gone, and a dialog hides (and so lays out) its
  // children only after the table, a member, has been destroyed.
  delete grid_;
}

QString TForm4::StartFolder() const {
  return startFolder_.isEmpty() ? QDir::currentPath() : startFolder_;
}

void TForm4::Open() {
  PrepareSalesTable(sales_);
  grid_->Model()->Reload();
  folder_->SetText(StartFolder());
}

sdcard::Progress TForm4::ProgressBarSteps() {
  sdcard::Progress steps;
  steps.setRange = [this](int maximum) { progress_->setRange(0, maximum > 0 ? maximum : 1); };
  steps.setPosition = [this](int position) { progress_->setValue(position); };
  // Past the end of the range the bar simply stays full.
  steps.step = [this] { progress_->setValue(progress_->value() + 1); };
  return steps;
}

void TForm4::LoadSales() {
  repaint();
  const LoadReport report =
      sdcard::LoadSales(sales_, FileSystemBytes(folder_->Text()), ProgressBarSteps());
  // Rows already read stay in the table when the load stops early: show them before the
  // message that says why it stopped.
  if (report.outcome != LoadOutcome::kNoFolder && report.outcome != LoadOutcome::kCannotOpen) {
    grid_->Model()->Reload();
  }
  if (report.message) {
    dialogs_.MessageBox(this, base::ui::Render(report.message->text),
                        base::ui::Render(report.message->caption), tables::BoxButtons::kOk,
                        tables::BoxIcon::kNone);
  }
}

void TForm4::SaveSales() {
  QString path = dialogs_.SaveFileName(
      this, base::ui::Translate("TForm4", "Сохранить файл артикулов"),
      files::ui::QtFilter(kSalesFilter), StartFolder(), QStringLiteral("art"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".art");
  repaint();
  const files::FileReport report = SaveSalesFile(sales_, FileSystemBytes(path), ProgressBarSteps());
  if (report.message) {
    dialogs_.MessageBox(this, base::ui::Render(report.message->text),
                        base::ui::Render(report.message->caption), tables::BoxButtons::kOkCancel,
                        tables::BoxIcon::kNone);
  }
}

void TForm4::RequestSize(int width, int height) { resize(width, height); }

void TForm4::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Open();
}

void TForm4::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The first size is the design size, with the grid where the design puts it; the rules
  // apply to the changes after that.
  if (applyingOwnSize_ || !event->oldSize().isValid()) return;
  int width = event->size().width();
  int height = event->size().height();
  // The rule looks at the size the window had before the change, not at the one asked for.
  if (event->oldSize().width() < base::ui::Scaled(kNarrowestWidth, scale_)) {
    width = base::ui::Scaled(kWidenedWidth, scale_);
  }
  if (event->oldSize().height() < base::ui::Scaled(kLowestHeight, scale_)) {
    height = base::ui::Scaled(kLowestHeight, scale_);
  }
  if (width != event->size().width() || height != event->size().height()) {
    applyingOwnSize_ = true;
    resize(width, height);
    applyingOwnSize_ = false;
  }
  ApplyResizeRules(width);
}

void TForm4::ApplyResizeRules(int width) { SetGridWidth(width * 577 / 601); }

void TForm4::SetGridWidth(int width) {
  grid_->resize(width, grid_->height());
  std::vector<int> widths;
  widths.reserve(kColumnWeights.size());
  for (const int weight : kColumnWeights) widths.push_back(width * weight / kColumnWeightTotal);
  grid_->SetColumnWidths(widths);
}

void TForm4::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  scale_ *= base::ui::FitTexts(*this);
}

void TForm4::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

}  // namespace kvitmark::sdcard::ui
