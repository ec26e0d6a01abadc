#include "base/ui/translation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace kvitmark::base::ui {
namespace {

struct Catalogue {
  Language language = Language::kRussian;
  std::unique_ptr<QTranslator> translator;
};

Catalogue& Current() {
  static Catalogue catalogue;
  return catalogue;
}

// The source's translation in one context, or nothing.
QString Lookup(const char* context, const QByteArray& source) {
  const Catalogue& catalogue = Current();
  if (!catalogue.translator) return {};
  return catalogue.translator->translate(context, source.constData());
}

}  // namespace

bool UseLanguage(Language language) {
  std::unique_ptr<QTranslator> next;
  if (language == Language::kUkrainian) {
    next = std::make_unique<QTranslator>();
    if (!next->load(QStringLiteral(":/i18n/kvitmark_uk.qm"))) return false;
  }
  Catalogue& catalogue = Current();
  // The windows set their texts again while the change is announced: Translate must already
  // answer in the new language then.
  std::unique_ptr<QTranslator> previous = std::move(catalogue.translator);
  catalogue.translator = std::move(next);
  catalogue.language = language;
  if (QCoreApplication::instance()) {
    // Each of the two announces the change to every window.
    if (previous) QCoreApplication::removeTranslator(previous.get());
    if (catalogue.translator) QCoreApplication::installTranslator(catalogue.translator.get());
  }
  return true;
}

Language CurrentLanguage() { return Current().language; }

QString Translate(const char* context, const char* source) {
  const QString translated = Lookup(context, QByteArray(source));
  return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

namespace {

std::string PatternTranslation(const TextPattern& pattern) {
  return Lookup(pattern.context, QByteArray(pattern.source)).toStdString();
}

}  // namespace

QString Render(const Message& message) {
  return QString::fromStdString(RenderUtf8(message, PatternTranslation));
}

QString Render(const MessageList& messages) {
  return QString::fromStdString(RenderUtf8(messages, PatternTranslation));
}

QString Render(const TextPattern& text) { return Translate(text.context, text.source); }

}  // namespace kvitmark::base::ui
