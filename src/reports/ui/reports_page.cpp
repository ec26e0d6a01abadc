#include "reports/ui/reports_page.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace kvitmark::reports::ui {
namespace {

struct ReportControls {
  const char* check;
  const char* caption;
  const char* fileName;
};

// In the order the reports are downloaded; the first seven stand in the left column.
constexpr ReportControls kReports[kReportCount] = {
    {"CheckBox3", "Обороты по артикулам", "Edit38"},
    {"CheckBox4", "Обороты по отделам", "Edit39"},
    {"CheckBox5", "Обороты по группам товаров", "Edit40"},
    {"CheckBox8", "Обороты по операторам", "Edit42"},
    {"CheckBox9", "Обороты по налогам", "Edit43"},
    {"CheckBox10", "Обороты по оплатам", "Edit44"},
    {"CheckBox11", "Обороты по операциям за смену", "Edit45"},
    {"CheckBox6", "Административный отчет 1", "Edit46"},
    {"CheckBox7", "Административный отчет 2", "Edit47"},
    {"CheckBox12", "Административный отчет 3", "Edit48"},
    {"CheckBox13", "Отчет номеров вып. операций", "Edit49"},
    {"CheckBox14", "Отчет реестров", "Edit50"},
};
constexpr int kLeftColumnReports = 7;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x, int y,
                    int width) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, width, 25);
  return button;
}

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
  for (int report = 0; report < kReportCount; ++report) {
    const bool left = report < kLeftColumnReports;
    const int row = left ? report : report - kLeftColumnReports;
    auto* check = new QCheckBox(QString::fromUtf8(kReports[report].caption), this);
    check->setObjectName(QString::fromLatin1(kReports[report].check));
    check->setGeometry(left ? 8 : 312, 8 + 24 * row, left ? 190 : 174, 17);
    auto* fileName = new QLineEdit(this);
    fileName->setObjectName(QString::fromLatin1(kReports[report].fileName));
    fileName->setGeometry(left ? 200 : 488, 6 + 24 * row, 105, 21);
    checks_[report] = check;
    fileNames_[report] = fileName;
  }
  separator_ = new QLineEdit(QStringLiteral(";"), this);
  separator_->setObjectName(QStringLiteral("Edit41"));
  separator_->setGeometry(560, 144, 25, 21);
  separator_->setMaxLength(1);
  auto* separatorLabel = new QLabel(QString::fromUtf8("разделитель между полями"), this);
  separatorLabel->setGeometry(592, 147, 150, 17);
  currentFile_ = new QLabel(this);
  currentFile_->setObjectName(QStringLiteral("Label44"));
  currentFile_->setGeometry(368, 160, 180, 17);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar2"));
  progress_->setGeometry(0, 176, 737, 17);
  progress_->setTextVisible(false);
  progress_->setValue(0);
  folder_ = new DirectoryEdit(this);
  folder_->setObjectName(QStringLiteral("DirectoryEdit1"));
  folder_->setGeometry(0, 200, 569, 21);
  checkAll_ = Button(this, "Button17", "Установить все", 616, 80, 105);
  clearAll_ = Button(this, "Button18", "Очистить все", 616, 112, 105);
  download_ = Button(this, "Button19", "Чтение отчетов", 576, 196, 161);
  connect(checkAll_, &QPushButton::clicked, this, [this] {
    for (auto* check : checks_) check->setChecked(true);
  });
  connect(clearAll_, &QPushButton::clicked, this, [this] {
    for (auto* check : checks_) check->setChecked(false);
  });
}

}  // namespace kvitmark::reports::ui
