// The Ukrainian catalogue is complete, says what its source says, and is the one the program
// carries; Russian stays the source text, byte for byte.
#include "base/ui/translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <list>

#include "base/cp1251.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "base/translatable.h"

using namespace kvitmark;

namespace {

struct Message {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete" or empty when done
};

QList<Message> ReadCatalogue() {
  QFile file(QStringLiteral(KVITMARK_TS_FILE));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  Message message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      message = {context, {}, {}, {}};
    } else if (xml.name() == u"source") {
      message.source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      message.type = xml.attributes().value(QStringLiteral("type")).toString();
      message.translation = xml.readElementText();
      messages << message;
    }
  }
  return xml.hasError() ? QList<Message>{} : messages;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text)) {
    found << match.captured();
  }
  found.sort();
  return found;
}

QString Name(const Message& message) { return message.context + " «" + message.source + "»"; }

bool IsCoreContext(const QString& context) {
  for (const char* core : base::kCoreContexts) {
    if (context == QLatin1String(core)) return true;
  }
  return false;
}

// Pieces no catalogue text is made of, as a number, a file name or a cell would be.
const char* const kPieces[] = {"17", "/tmp/x.art", "Товар1", "3", "B", "C", "D", "E", "F"};

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT

 private slots:
  void everyMessageIsTranslatedAndKeepsWhatItMustKeep() {
    const QList<Message> messages = ReadCatalogue();
    QVERIFY2(messages.size() > 100, "the .ts file is missing, unreadable or nearly empty");
    QStringList faults;
    // Letters Ukrainian does not have: a text that keeps one was left in Russian.
    const QRegularExpression russianOnly(QStringLiteral("[ыэъёЫЭЪЁ]"));
    for (const Message& message : messages) {
      if (!message.type.isEmpty()) {
        faults << message.type + ": " + Name(message);
        continue;
      }
      if (message.translation.isEmpty()) faults << "empty: " + Name(message);
      if (Placeholders(message.translation) != Placeholders(message.source)) {
        faults << "placeholders differ: " + Name(message);
      }
      if (message.translation.count('\n') != message.source.count('\n')) {
        faults << "line breaks differ: " + Name(message);
      }
      if (message.translation.contains(russianOnly)) faults << "Russian letters: " + Name(message);
      if (message.source.contains(QStringLiteral("ЭККА")) &&
          !message.translation.contains(QStringLiteral("ЕККА"))) {
        faults << "ЕККА not named: " + Name(message);
      }
      // The register takes only what code page 1251 holds, and so do its tables' captions.
      if (!base::Utf8ToCp1251(message.translation.toStdString())) {
        faults << "outside code page 1251: " + Name(message);
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  // What the program carries is what the .ts says, in both directions of a switch.
  void theProgramCarriesTheCatalogueAndRussianIsTheSource() {
    const QList<Message> messages = ReadCatalogue();
    QVERIFY(!messages.isEmpty());
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    QCOMPARE(base::ui::CurrentLanguage(), base::Language::kUkrainian);
    for (const Message& message : messages) {
      const QByteArray context = message.context.toUtf8();
      const QByteArray source = message.source.toUtf8();
      QCOMPARE(base::ui::Translate(context.constData(), source.constData()), message.translation);
    }
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    for (const Message& message : messages) {
      const QByteArray context = message.context.toUtf8();
      const QByteArray source = message.source.toUtf8();
      QCOMPARE(base::ui::Translate(context.constData(), source.constData()), message.source);
    }
  }

  // Every text the core makes from a pattern reaches the window as that pattern's translation
  // with the same pieces: no other pattern claims it, nothing is lost or put in twice.
  void everyCorePatternIsTranslatedWithItsPieces() {
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    // Patterns are literals the program keeps for its whole run; so are these.
    static std::list<QByteArray> kept;
    QStringList faults;
    int patterns = 0;
    for (const Message& message : ReadCatalogue()) {
      if (!IsCoreContext(message.context) || Placeholders(message.source).isEmpty()) continue;
      ++patterns;
      const char* context = kept.emplace_back(message.context.toUtf8()).constData();
      const char* source = kept.emplace_back(message.source.toUtf8()).constData();
      std::vector<std::string> pieces;
      for (const char* piece : kPieces) pieces.push_back(base::Cp1251(piece));
      base::Message made(base::TextPattern{context, source});
      for (const std::string& piece : pieces) made.Arg(piece);
      QString expected = message.translation;
      for (int piece = 9; piece >= 1; --piece) {
        expected.replace(QStringLiteral("%%1").arg(piece), QString::fromUtf8(kPieces[piece - 1]));
      }
      const QString shown = base::ui::Render(made);
      if (shown != expected) faults << Name(message) + "\n  shows " + shown;
    }
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QVERIFY2(patterns > 10, "the core's patterns are missing from the catalogue");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
