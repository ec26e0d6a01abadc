#include "base/ui/translation.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "base/text_pattern.h"
#include "base/translatable.h"
#include "base/ui/qt_text.h"

namespace kvitmark::base::ui {
namespace {

struct Catalogue {
  Language language = Language::kRussian;
  std::unique_ptr<QTranslator> translator;
  // The core's texts already translated: a grid asks for its headers at every repaint.
  QHash<QString, QString> fromCore;
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
  catalogue.fromCore.clear();
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

namespace {

QString FixedText(const QString& russian) {
  const QByteArray source = russian.toUtf8();
  for (const char* context : kCoreContexts) {
    const QString translated = Lookup(context, source);
    if (!translated.isEmpty()) return translated;
  }
  return {};
}

const QRegularExpression& Placeholder() {
  static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
  return placeholder;
}

// The pieces are captured by their placeholder's name, not their order: a pattern may put %2
// before %1, and one may stand twice ("… tcp://%1." after "%1 …"), the same piece both times.
QString PieceName(const QString& digit) { return QStringLiteral("p") + digit; }

// A pattern as an expression that matches every text made from it and captures the pieces, and
// the placeholders' digits in the order they stand (a repeated one each time it stands).
struct PatternExpression {
  QRegularExpression expression;
  QString placeholders;
};

PatternExpression ExpressionFor(const QString& pattern) {
  PatternExpression made;
  QString expression = QStringLiteral("^");
  qsizetype literalStart = 0;
  for (const QRegularExpressionMatch& match : Placeholder().globalMatch(pattern)) {
    expression +=
        QRegularExpression::escape(pattern.mid(literalStart, match.capturedStart() - literalStart));
    const QString digit = match.captured(1);
    if (made.placeholders.contains(digit)) {
      expression += QStringLiteral("\\k<") + PieceName(digit) + QLatin1Char('>');
    } else {
      expression += QStringLiteral("(?<") + PieceName(digit) + QStringLiteral(">.*?)");
    }
    made.placeholders += digit;
    literalStart = match.capturedEnd();
  }
  expression += QRegularExpression::escape(pattern.mid(literalStart)) + QStringLiteral("$");
  made.expression = QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
  return made;
}

// Each pattern's expression, made once: a Ukrainian grid asks for thousands of row labels.
const PatternExpression& ExpressionOf(const TextPattern& pattern) {
  static std::unordered_map<const char*, PatternExpression> made;
  auto known = made.find(pattern.source);
  if (known == made.end()) {
    known = made.emplace(pattern.source, ExpressionFor(QString::fromUtf8(pattern.source))).first;
  }
  return known->second;
}

// A text without a Cyrillic letter (a number, a file name) has nothing to translate, and no
// Russian words in its pieces either.
bool HasCyrillic(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

QString TranslateText(const QString& russian);

// A text made from a pattern, in the pattern's translation with its pieces put back (each
// translated in its turn: a piece may be a page's name or another message). Where several
// patterns match, the one with the most fixed text is the one the text was made from.
QString PatternText(const QString& russian, bool multiLine) {
  QString best;
  qsizetype bestFixedLength = 0;  // a pattern with no fixed text would match anything
  for (const TextPattern& pattern : PatternsInUse()) {
    // A text of several lines is made of several texts unless one pattern has them all: a
    // pattern of one line would match across the breaks and cut the pieces in the wrong places.
    if (multiLine && !std::strchr(pattern.source, '\n')) continue;
    const PatternExpression& expression = ExpressionOf(pattern);
    const QRegularExpressionMatch match = expression.expression.match(russian);
    if (!match.hasMatch()) continue;
    qsizetype pieceLength = 0;
    for (const QChar digit : expression.placeholders) {
      pieceLength += match.capturedLength(PieceName(digit));
    }
    const qsizetype fixedLength = russian.size() - pieceLength;
    if (fixedLength <= bestFixedLength) continue;
    const QString translated = Lookup(pattern.context, QByteArray(pattern.source));
    if (translated.isEmpty()) continue;
    bestFixedLength = fixedLength;
    std::vector<std::string> pieces(9);
    for (const QChar digit : expression.placeholders) {
      pieces[digit.digitValue() - 1] =
          TranslateText(match.captured(PieceName(digit))).toStdString();
    }
    const std::vector<std::string_view> views(pieces.begin(), pieces.end());
    best = QString::fromStdString(FillPlaceholders(translated.toStdString(), views));
  }
  return best;
}

QString TranslateText(const QString& russian) {
  if (!HasCyrillic(russian)) return russian;
  const bool multiLine = russian.contains(QLatin1Char('\n'));
  QString translated = FixedText(russian);
  if (translated.isEmpty()) translated = PatternText(russian, multiLine);
  if (!translated.isEmpty()) return translated;
  // A message of several lines joins texts the core made one by one.
  if (multiLine) {
    QStringList lines = russian.split(QLatin1Char('\n'));
    for (QString& line : lines) line = TranslateText(line);
    return lines.join(QLatin1Char('\n'));
  }
  return russian;
}

// The cache keeps a grid's repaints from matching its headers again and again.
QString CoreText(const QString& russian) {
  Catalogue& catalogue = Current();
  if (!catalogue.translator || russian.isEmpty()) return russian;
  const auto known = catalogue.fromCore.constFind(russian);
  if (known != catalogue.fromCore.constEnd()) return *known;
  const QString translated = TranslateText(russian);
  // Texts with names and numbers are many; a long session must not collect them all.
  if (catalogue.fromCore.size() > 4096) catalogue.fromCore.clear();
  catalogue.fromCore.insert(russian, translated);
  return translated;
}

}  // namespace

QString FromCore(std::string_view cp1251) { return CoreText(FromCp1251(cp1251)); }

QString FromCoreUtf8(std::string_view utf8) {
  return CoreText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace kvitmark::base::ui
