#include "logo/ui/logo_preview_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "base/ui/translation.h"
#include "logo/logo_coverage.h"

namespace kvitmark::logo::ui {
namespace {

// The entries of the method box, in their order.
enum MethodEntry { kAsItStands, kThreshold, kFloydSteinberg, kAtkinson };

constexpr int kEnlargement = 2;

QLabel* View(QWidget* parent, const char* name, QSize size) {
  auto* view = new QLabel(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setFixedSize(size);
  view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return view;
}

// A view with its caption above it.
QVBoxLayout* Captioned(QWidget* parent, base::ui::SourceText caption, QLabel* view) {
  auto* column = new QVBoxLayout;
  column->addWidget(base::ui::Captioned(new QLabel(parent), caption));
  column->addWidget(view);
  column->addStretch();
  return column;
}

// The picture where it lies on the paper: the same place the dots beside it take.
QImage OnPaper(const LogoSource& source, const LogoChoice& choice, int rows) {
  QImage paper(kLogoWidth, std::max(rows, 1), QImage::Format_RGB32);
  paper.fill(Qt::white);
  QPainter painter(&paper);
  if (choice.asItStands) {
    painter.drawImage(0, 0, source.Original());
  } else {
    painter.drawImage(source.Fit().left, 0, source.Fitted());
  }
  return paper;
}

}  // namespace

LogoPreviewDialog::LogoPreviewDialog(const LogoSource& source, QWidget* parent)
    : QDialog(parent), source_(source) {
  setObjectName(QStringLiteral("LogoPreview"));
  base::ui::SetCaption(*this, KV_TEXT("LogoPage", "Логотип из рисунка"));
  auto* layout = new QVBoxLayout(this);

  const QSize logoSize(kLogoWidth, kLogoHeight);
  original_ = View(this, "PreviewOriginal", logoSize);
  dotsView_ = View(this, "PreviewDots", logoSize);
  enlarged_ = View(this, "PreviewEnlarged", logoSize * kEnlargement);
  auto* views = new QHBoxLayout;
  views->addLayout(Captioned(this, KV_TEXT("LogoPage", "Рисунок"), original_));
  views->addLayout(Captioned(this, KV_TEXT("LogoPage", "Так напечатает ЭККА"), dotsView_));
  views->addLayout(Captioned(this, KV_TEXT("LogoPage", "Увеличено вдвое"), enlarged_));
  layout->addLayout(views);

  auto* form = new QFormLayout;
  method_ = new QComboBox(this);
  method_->setObjectName(QStringLiteral("PreviewMethod"));
  SetMethodTexts();
  if (!source_.CanStayAsItStands()) {
    if (auto* entries = qobject_cast<QStandardItemModel*>(method_->model())) {
      entries->item(kAsItStands)->setEnabled(false);
    }
  }
  form->addRow(base::ui::Captioned(new QLabel(this), KV_TEXT("LogoPage", "Преобразование:")),
               method_);
  threshold_ = AddSetting(*form, "PreviewThreshold", KV_TEXT("LogoPage", "Порог:"), 1, 255);
  brightness_ = AddSetting(*form, "PreviewBrightness", KV_TEXT("LogoPage", "Яркость:"), -100, 100);
  contrast_ = AddSetting(*form, "PreviewContrast", KV_TEXT("LogoPage", "Контраст:"), -100, 100);
  invert_ = base::ui::Captioned(new QCheckBox(this),
                                KV_TEXT("LogoPage", "Инвертировать: точки там, где светло"));
  invert_->setObjectName(QStringLiteral("PreviewInvert"));
  form->addRow(invert_);
  layout->addLayout(form);

  rows_ = new QLabel(this);
  rows_->setObjectName(QStringLiteral("PreviewRows"));
  rows_->setWordWrap(true);
  layout->addWidget(rows_);
  warning_ = new QLabel(this);
  warning_->setObjectName(QStringLiteral("PreviewWarning"));
  warning_->setWordWrap(true);
  warning_->setStyleSheet(QStringLiteral("color: #b00000"));
  layout->addWidget(warning_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ok_ = base::ui::Captioned(new QPushButton(this), KV_TEXT("LogoPage", "OK"));
  ok_->setObjectName(QStringLiteral("PreviewOk"));
  ok_->setDefault(true);
  cancel_ = base::ui::Captioned(new QPushButton(this), KV_TEXT("LogoPage", "Отмена"));
  cancel_->setObjectName(QStringLiteral("PreviewCancel"));
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(method_, &QComboBox::currentIndexChanged, this, [this] { Update(); });
  connect(invert_, &QCheckBox::toggled, this, [this] { Update(); });
  SetChoice(DefaultChoice(source_));
}

QSpinBox* LogoPreviewDialog::AddSetting(QFormLayout& form, const char* name,
                                        base::ui::SourceText caption, int minimum, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setRange(minimum, maximum);
  auto* box = new QSpinBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(minimum, maximum);
  connect(slider, &QSlider::valueChanged, box, &QSpinBox::setValue);
  connect(box, &QSpinBox::valueChanged, this, [this, slider](int value) {
    slider->setValue(value);
    Update();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(slider, 1);
  row->addWidget(box);
  form.addRow(base::ui::Captioned(new QLabel(this), caption), row);
  sliders_.push_back({box, slider});
  return box;
}

void LogoPreviewDialog::SetMethodTexts() {
  const QString texts[] = {
      base::ui::Translate("LogoPage", "Как в файле, точка в точку"),
      base::ui::Translate("LogoPage", "Порог"),
      base::ui::Translate("LogoPage", "Рассеивание Флойда — Стейнберга"),
      base::ui::Translate("LogoPage", "Рассеивание Аткинсона"),
  };
  if (method_->count() == 0) {
    for (const QString& text : texts) method_->addItem(text);
    return;
  }
  for (int entry = 0; entry < method_->count(); ++entry) method_->setItemText(entry, texts[entry]);
}

LogoChoice LogoPreviewDialog::Choice() const {
  LogoChoice choice;
  switch (method_->currentIndex()) {
    case kAsItStands:
      choice.asItStands = true;
      break;
    case kFloydSteinberg:
      choice.tone.method = DotMethod::kFloydSteinberg;
      break;
    case kAtkinson:
      choice.tone.method = DotMethod::kAtkinson;
      break;
    default:
      choice.tone.method = DotMethod::kThreshold;
      break;
  }
  choice.tone.threshold = threshold_->value();
  choice.tone.brightness = brightness_->value();
  choice.tone.contrast = contrast_->value();
  choice.tone.invert = invert_->isChecked();
  return choice;
}

void LogoPreviewDialog::SetChoice(const LogoChoice& choice) {
  {
    const QSignalBlocker blocking[] = {QSignalBlocker(method_), QSignalBlocker(threshold_),
                                       QSignalBlocker(brightness_), QSignalBlocker(contrast_),
                                       QSignalBlocker(invert_)};
    int entry = kThreshold;
    if (choice.asItStands && source_.CanStayAsItStands()) {
      entry = kAsItStands;
    } else if (choice.tone.method == DotMethod::kFloydSteinberg) {
      entry = kFloydSteinberg;
    } else if (choice.tone.method == DotMethod::kAtkinson) {
      entry = kAtkinson;
    }
    method_->setCurrentIndex(entry);
    threshold_->setValue(choice.tone.threshold);
    brightness_->setValue(choice.tone.brightness);
    contrast_->setValue(choice.tone.contrast);
    invert_->setChecked(choice.tone.invert);
  }
  Update();
}

void LogoPreviewDialog::Update() {
  const LogoChoice choice = Choice();
  for (const auto& [box, slider] : sliders_) {
    // Error diffusion has no threshold: it puts its dots where they average out.
    const bool used =
        !choice.asItStands && (box != threshold_ || choice.tone.method == DotMethod::kThreshold);
    box->setEnabled(used);
    const QSignalBlocker blocking(slider);
    slider->setValue(box->value());
    slider->setEnabled(used);
  }
  invert_->setEnabled(!choice.asItStands);

  dots_ = LogoDots(source_, choice);
  const QImage dots = OneBitImage(dots_);
  dotsView_->setPixmap(QPixmap::fromImage(dots));
  enlarged_->setPixmap(QPixmap::fromImage(
      dots.scaled(dots.size() * kEnlargement, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  original_->setPixmap(QPixmap::fromImage(OnPaper(source_, choice, dots_.Height())));
  rows_->setText(base::ui::Render(RowsNote(dots_.Height())));
  const LogoSpan span = SpanOf(source_, choice);
  warning_->setText(base::ui::Render(CoverageWarning(CoverageOf(dots_, span.left, span.width))));
}

void LogoPreviewDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    base::ui::RetranslateCaptions(*this);
    SetMethodTexts();
    Update();
  }
}

}  // namespace kvitmark::logo::ui
