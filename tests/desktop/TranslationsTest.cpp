#include <map>
#include <set>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  ///< "unfinished", "vanished", "obsolete" or empty
};

QList<Message> ReadTs(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(file));
    QXmlStreamReader xml(&in);
    QList<Message> messages;
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"message") message = {context, {}, {}, {}};
        else if (xml.name() == u"source") message.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"translation") {
            message.type = xml.attributes().value("type").toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError()) qFatal("%s: %s", qPrintable(file), qPrintable(xml.errorString()));
    return messages;
}

std::multiset<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    std::multiset<QString> found;
    for (const auto& match : placeholder.globalMatch(text)) found.insert(match.captured());
    return found;
}

QString Key(const Message& m) { return m.context + QLatin1Char('|') + m.source; }

const QStringList kLanguages{"TraditionalChinese", "SimplifiedChinese", "German", "Spanish",
                             "French",             "Hungarian",         "Italian", "Japanese",
                             "Korean",             "Polish",            "Russian"};

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void everyLanguageIsCompleteWithoutTemplatesAndKeepsPlaceholders() {
        // A template reads wrong for most words put into it: "데이터을(를)", "A(z) 2. sáv",
        // "Nie udało się odczytać: dane SW1!".
        const QRegularExpression alternation(QStringLiteral("\\((을|를|은|는|이|가|과|와|으|로)\\)|\\p{L}\\(\\p{Ll}{1,3}\\)"));
        const QRegularExpression colonBeforeNoun(QStringLiteral("[:：]\\s*\\p{L}"));
        for (const QString& language : kLanguages) {
            const QString file = QStringLiteral(PELMORA_SOURCE_DIR "/translations/%1.ts").arg(language);
            QVERIFY2(QFile::exists(file), qPrintable(file));
            for (const Message& m : ReadTs(file)) {
                const QString where = language + QStringLiteral(": ") + m.source;
                QVERIFY2(m.type.isEmpty(), qPrintable(where + " is " + m.type));
                QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where + " is empty"));
                QVERIFY2(Placeholders(m.translation) == Placeholders(m.source),
                         qPrintable(where + " changes the placeholders"));
                QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')),
                         qPrintable(where + " changes the line breaks"));
                QVERIFY2(!alternation.match(m.translation).hasMatch(), qPrintable(where + " is a template"));
                QVERIFY2(m.source.contains(QLatin1Char(':')) || !colonBeforeNoun.match(m.translation).hasMatch(),
                         qPrintable(where + " puts a colon in a sentence"));
            }
        }
    }

    void everySourceTextIsInEveryLanguage() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(PELMORA_SOURCE_DIR);
        lupdate.start(PELMORA_LUPDATE, {"-silent", "-locations", "none", "-I", "src", "src/ui", "src/windows", "src/desktop", "src/handheld",
                                        "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QList<Message> sources = ReadTs(fresh);
        QVERIFY(sources.size() > 20);
        for (const QString& language : kLanguages) {
            std::set<QString> translated;
            for (const Message& m : ReadTs(QStringLiteral(PELMORA_SOURCE_DIR "/translations/%1.ts").arg(language)))
                if (m.type.isEmpty()) translated.insert(Key(m));
            for (const Message& m : sources)
                QVERIFY2(translated.count(Key(m)), qPrintable(language + ": missing " + Key(m)));
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
