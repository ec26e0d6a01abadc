#pragma once

#include <QString>

#include "base/text_pattern.h"

class QAction;
class QObject;
class QWidget;

// A control's caption is set from its Russian source text, which the control keeps, so that a
// change of language can set every caption of a window again.
namespace kvitmark::base::ui {

// A window's own text is a marked text like the core's: its context is the window's class.
using SourceText = TextPattern;
#define KV_TEXT(context, text) KV_PATTERN(context, text)

QString Text(SourceText text);

// The text of a button, label or action, the title of a group box, or the title of a window.
void SetCaption(QObject& control, SourceText text);
void SetToolTip(QWidget& control, SourceText text);
// What the status bar says of a menu command while it is pointed at.
void SetStatusTip(QAction& action, SourceText text);

// Sets again, in the current language, every caption and tool tip SetCaption and SetToolTip
// gave `root` and the objects in it.
void RetranslateCaptions(QObject& root);

}  // namespace kvitmark::base::ui

namespace kvitmark::base::ui {

// `control` with its caption set: `Captioned(new QLabel(parent), KV_TEXT(…))`.
template <class Control>
Control* Captioned(Control* control, SourceText text) {
  SetCaption(*control, text);
  return control;
}

}  // namespace kvitmark::base::ui
