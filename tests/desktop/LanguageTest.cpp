// Which translation each system language picks, what the windows show in it,
// and the translation files themselves: complete and true to their sources.
#include <set>

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "DesktopRig.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/LanguageLoader.h"

using namespace pelmora;

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

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void localeTable() {
        const struct {
            QLocale::Language language;
            QLocale::Script script;
            QLocale::Territory territory;
            const char* file;
        } cases[] = {
            {QLocale::Chinese, QLocale::AnyScript, QLocale::Taiwan, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::HongKong, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::Macao, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::China, "SimplifiedChinese"},
            {QLocale::Chinese, QLocale::AnyScript, QLocale::Singapore, "SimplifiedChinese"},
            {QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::UnitedStates, "TraditionalChinese"},
            {QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::Malaysia, "SimplifiedChinese"},
            {QLocale::German, QLocale::AnyScript, QLocale::Austria, "German"},
            {QLocale::Spanish, QLocale::AnyScript, QLocale::Mexico, "Spanish"},
            {QLocale::French, QLocale::AnyScript, QLocale::Canada, "French"},
            {QLocale::Hungarian, QLocale::AnyScript, QLocale::Hungary, "Hungarian"},
            {QLocale::Italian, QLocale::AnyScript, QLocale::Italy, "Italian"},
            {QLocale::Japanese, QLocale::AnyScript, QLocale::Japan, "Japanese"},
            {QLocale::Korean, QLocale::AnyScript, QLocale::SouthKorea, "Korean"},
            {QLocale::Polish, QLocale::AnyScript, QLocale::Poland, "Polish"},
            {QLocale::Russian, QLocale::AnyScript, QLocale::Ukraine, "Russian"},
            {QLocale::English, QLocale::AnyScript, QLocale::UnitedStates, ""},
            {QLocale::C, QLocale::AnyScript, QLocale::AnyTerritory, ""},
        };
        for (const auto& c : cases) {
            const QLocale locale(c.language, c.script, c.territory);
            QVERIFY2(ui::LanguageFile(locale) == QString(c.file), qPrintable(locale.name()));
        }
    }

    void windowsIdTable() {
        const struct { std::uint16_t id; const char* file; } cases[] = {
            {0x0404, "TraditionalChinese"}, {0x0C04, "TraditionalChinese"}, {0x1404, "TraditionalChinese"},
            {0x0804, "SimplifiedChinese"}, {0x1004, "SimplifiedChinese"}, {0x0004, ""}, {0x1804, ""},
            {0x0407, "German"}, {0x0C07, "German"}, {0x040A, "Spanish"}, {0x040C, "French"}, {0x040E, "Hungarian"},
            {0x0410, "Italian"}, {0x0411, "Japanese"}, {0x0412, "Korean"}, {0x0415, "Polish"}, {0x0419, "Russian"},
            {0x0416, ""}, {0x0409, ""}, {0x0000, ""},
        };
        for (const auto& c : cases)
            QVERIFY2(ui::LanguageFileForWindowsId(c.id) == QString(c.file), qPrintable(QString::number(c.id, 16)));
    }

    void missingTranslationIsSilentAndLeavesEnglish() {
        test::TempDir empty;
        const QString loaded = ui::InstallLanguage(*qApp, QLocale(QLocale::German),
                                                   {QString::fromStdString(empty.path().string())});
        QVERIFY(loaded.isEmpty());
        QCOMPARE(qApp->translate("pelmora::desktop::MainWindow", "Exit"), QString("Exit"));
    }

    void germanStartShowsGermanTexts() {
        test::TempDir empty;
        const QStringList folders{QString::fromStdString(empty.path().string()), PELMORA_QM_DIR};
        QCOMPARE(ui::InstallLanguage(*qApp, QLocale("de_DE"), folders), QString("German"));

        desktop::test::DesktopRig rig;
        const auto window = rig.Open();
        using desktop::test::Find;
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "exitButton")->text()), QString("Beenden"));
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "nvButton")->text()), QString("NV-Bildverwaltung"));
        const QStringList parity = desktop::test::Items(Find<QComboBox>(*window, "parityList"));
        QCOMPARE(parity.mid(0, 2), (QStringList{"KEINE", "ODD"}));  // fixed entries stay
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
    }

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

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
