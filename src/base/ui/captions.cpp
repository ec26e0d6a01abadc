#include "base/ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "base/ui/translation.h"

namespace kvitmark::base::ui {
namespace {

constexpr const char* kCaptionContext = "kvitmarkCaptionContext";
constexpr const char* kCaptionSource = "kvitmarkCaptionSource";
constexpr const char* kTipContext = "kvitmarkTipContext";
constexpr const char* kTipSource = "kvitmarkTipSource";
constexpr const char* kStatusTipContext = "kvitmarkStatusTipContext";
constexpr const char* kStatusTipSource = "kvitmarkStatusTipSource";

void ShowCaption(QObject& control, const QString& text) {
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
    group->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(&control)) {
    action->setText(text);
  } else if (auto* widget = qobject_cast<QWidget*>(&control)) {
    widget->setWindowTitle(text);
  }
}

// The text kept under the two properties, translated; nothing when the control keeps none.
std::optional<QString> Kept(const QObject& control, const char* contextName,
                            const char* sourceName) {
  const QVariant source = control.property(sourceName);
  if (!source.isValid()) return std::nullopt;
  return Translate(control.property(contextName).toByteArray().constData(),
                   source.toByteArray().constData());
}

void Retranslate(QObject& control) {
  if (const auto caption = Kept(control, kCaptionContext, kCaptionSource)) {
    ShowCaption(control, *caption);
  }
  if (const auto tip = Kept(control, kTipContext, kTipSource)) {
    if (auto* widget = qobject_cast<QWidget*>(&control)) widget->setToolTip(*tip);
  }
  if (const auto tip = Kept(control, kStatusTipContext, kStatusTipSource)) {
    if (auto* action = qobject_cast<QAction*>(&control)) action->setStatusTip(*tip);
  }
}

}  // namespace

QString Text(SourceText text) { return Translate(text.context, text.source); }

void SetCaption(QObject& control, SourceText text) {
  control.setProperty(kCaptionContext, QByteArray(text.context));
  control.setProperty(kCaptionSource, QByteArray(text.source));
  ShowCaption(control, Text(text));
}

void SetToolTip(QWidget& control, SourceText text) {
  control.setProperty(kTipContext, QByteArray(text.context));
  control.setProperty(kTipSource, QByteArray(text.source));
  control.setToolTip(Text(text));
}

void SetStatusTip(QAction& action, SourceText text) {
  action.setProperty(kStatusTipContext, QByteArray(text.context));
  action.setProperty(kStatusTipSource, QByteArray(text.source));
  action.setStatusTip(Text(text));
}

void RetranslateCaptions(QObject& root) {
  Retranslate(root);
  for (QObject* control : root.findChildren<QObject*>()) Retranslate(*control);
}

}  // namespace kvitmark::base::ui
