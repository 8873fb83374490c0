// Which translation each system language picks, what the windows show in it,
// the translation files themselves (complete and true to their sources), and
// access keys and focus as a keyboard user meets them in every language.
#include <map>
#include <set>

#include <QtTest>
#include <QtWidgets>

#include "DesktopRig.h"
#include "desktop/AboutBox.h"
#include "desktop/FindPrintersDialog.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/FocusFrameStyle.h"
#include "ui/Language.h"
#include "ui/LanguageLoader.h"
#include "ui/support/NvWindowRig.h"
#include "windows/firmware/FirmwareWindow.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "windows/nv_images/NvAddressWindow.h"

using namespace pelmora;

namespace {

struct Message {
    QString context, source, translation;
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
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
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

const QStringList kLanguages{"TraditionalChinese", "SimplifiedChinese", "German", "Spanish", "French", "Hungarian",
                             "Italian", "Japanese", "Korean", "Polish", "Russian"};

// Buttons, buddy labels and tabs shown together (on each tab page) without a key or sharing one.
QString KeyFaults(QWidget& window) {
    QStringList faults;
    auto* tabs = window.findChild<QTabWidget*>();
    for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
        if (tabs) tabs->setCurrentIndex(page);
        QStringList texts;
        for (int i = 0; tabs && i < tabs->count(); ++i) texts << tabs->tabText(i);
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (w->window() != &window || !w->isVisibleTo(&window)) continue;
            if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
            if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) texts << label->text();
        }
        // Ideographic captions always get a key, as "(X)"; a Latin one only on a letter of its own.
        static const QRegularExpression ideographs(QStringLiteral("[\\p{Han}\\p{Hangul}\\p{Hiragana}\\p{Katakana}]"));
        static const QRegularExpression suffix(QStringLiteral("\\(&.\\)"));
        std::map<QChar, QString> seen;
        for (const QString& text : texts) {
            if (text.isEmpty()) continue;
            const bool ideographic = text.contains(ideographs);
            const QChar key = ui::AccessKey(text);
            if (!ideographic && text.contains(suffix)) faults << text + " has a key after it";
            else if (key.isNull() && ideographic) faults << text + " has no key";
            else if (!key.isNull() && !seen.emplace(key, text).second) faults << seen[key] + " / " + text;
        }
    }
    return faults.join("; ");
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    // One row per rule; a territory decides before a script (zh_Hans_MO). Other languages: the access-key run.
    void localeTable() {
        const std::pair<const char*, const char*> cases[] = {
            {"zh_TW", "TraditionalChinese"}, {"zh_Hans_MO", "TraditionalChinese"}, {"zh_Hant_US", "TraditionalChinese"},
            {"zh_SG", "SimplifiedChinese"}, {"zh_Hans_MY", "SimplifiedChinese"}, {"de_AT", "German"}, {"en_US", ""}, {"C", ""}};
        for (const auto& [name, file] : cases) QVERIFY2(ui::LanguageFile(QLocale(name)) == QString(file), name);
    }

    void windowsIdTable() {
        const struct { std::uint16_t id; const char* file; } cases[] = {
            {0x0404, "TraditionalChinese"}, {0x0C04, "TraditionalChinese"}, {0x1404, "TraditionalChinese"},
            {0x0804, "SimplifiedChinese"}, {0x1004, "SimplifiedChinese"}, {0x0004, ""}, {0x1804, ""},
            {0x0407, "German"}, {0x0C07, "German"}, {0x0416, ""}, {0x0000, ""}};
        for (const auto& c : cases) QVERIFY2(ui::LanguageFileForWindowsId(c.id) == QString(c.file), qPrintable(QString::number(c.id, 16)));
    }

    // A folder without the file is passed over silently (English stays) for the next one.
    void germanStartShowsGermanTexts() {
        test::TempDir empty;
        const QStringList folders{QString::fromStdString(empty.path().string()), PELMORA_QM_DIR};
        QCOMPARE(ui::InstallLanguage(*qApp, QLocale("de_DE"), folders.mid(0, 1)), QString());
        QCOMPARE(qApp->translate("pelmora::desktop::MainWindow", "Exit"), QString("Exit"));
        QCOMPARE(ui::InstallLanguage(*qApp, QLocale("de_DE"), folders), QString("German"));

        desktop::test::DesktopRig rig;
        const auto window = rig.Open();
        using desktop::test::Find;
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "exitButton")->text()), QString("Beenden"));
        QCOMPARE(ui::SpokenText(Find<QPushButton>(*window, "nvButton")->text()), QString("NV-Bildverwaltung"));
        QCOMPARE(desktop::test::Items(Find<QComboBox>(*window, "parityList")).mid(0, 2), (QStringList{"KEINE", "ODD"}));  // a fixed entry
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
    }

    void desktopWindowsHaveDistinctAccessKeysInEveryLanguage() {
        for (const char* locale : {"en_US", "zh_TW", "zh_CN", "de_DE", "es_ES", "fr_FR", "hu_HU", "it_IT", "ja_JP",
                                   "ko_KR", "pl_PL", "ru_RU"}) {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
            const QString loaded = ui::InstallLanguage(*qApp, QLocale(locale), {PELMORA_QM_DIR});
            QCOMPARE(loaded.isEmpty(), QString(locale) == "en_US");
            desktop::test::DesktopRig rig;
            ui::test::NvWindowRig nv(context::Layout::Desktop, {});
            const auto main = rig.Open(true);
            desktop::AboutBox about;
            ui::MemorySwitchManager vmsm({}, {160902, 703, "MPT-Q700VII", "V1.00 090216", "PC437"}, rig.prompts);
            ui::SentinelWindow sentinels(context::Layout::Desktop, rig.prompts, vmsm::SentinelDynamic, {});
            ui::FirmwareWindow firmware(rig.platform, link::CommSettings{}, rig.prompts);
            ui::NvAddressWindow address(context::Layout::Desktop, {}, rig.prompts);
            desktop::FindPrintersDialog find(rig.platform, {});
            const auto check = [locale](std::initializer_list<QWidget*> windows) {
                for (QWidget* window : windows) QVERIFY2(KeyFaults(*window).isEmpty(), qPrintable(locale + (": " + KeyFaults(*window))));
            };
            check({main.get(), &about, &vmsm, &sentinels, &firmware, &address, nv.window.get(), &find});
            // Every tab of the manager shows whole, without scroll arrows.
            vmsm.show();
            QTabBar* bar = vmsm.findChild<QTabWidget*>()->tabBar();
            QVERIFY2(bar->tabRect(bar->count() - 1).right() < bar->width() &&
                         bar->mapTo(&vmsm, QPoint(bar->width(), 0)).x() <= vmsm.width(),
                     qPrintable(locale + QString(": the tabs are cut")));
            vmsm.hide();
            // Captions that change take keys too: the TCP/IP labels, the other entry form.
            desktop::test::List(*main, "interfaceList")->setCurrentIndex(link::PortTcp);
            desktop::test::Click(sentinels, "entryForm");
            check({main.get(), &sentinels});
        }
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
    }

    void focusShowsOnTheDefaultButtonBeforeAnyKeyIsPressed() {
        const auto paint = [](const QStyle& style, QStyleOptionButton button, QColor ground) {
            button.rect = QRect(0, 0, 100, 30);
            QImage image(button.rect.size(), QImage::Format_RGB32);
            image.fill(ground);
            QPainter painter(&image);
            style.drawControl(QStyle::CE_PushButton, &button, &painter);
            return image;
        };
        ui::FocusFrameStyle style(QStyleFactory::create("Fusion"));
        QStyleOptionButton exit;
        exit.text = "Exit";
        exit.features = QStyleOptionButton::DefaultButton;
        exit.state = QStyle::State_Enabled | QStyle::State_Raised;
        const QImage unfocused = paint(style, exit, Qt::white);
        exit.state |= QStyle::State_HasFocus;
        QVERIFY(paint(style, exit, Qt::white) != unfocused);

        // Styles that pick the frame's colour against the button's own draw it
        // light on a dark button, as in a dark theme.
        QStyleOptionButton dark;
        dark.state = QStyle::State_Enabled | QStyle::State_HasFocus;
        for (int role = 0; role < QPalette::NColorRoles; ++role) dark.palette.setColor(static_cast<QPalette::ColorRole>(role), Qt::black);
        const QImage image = paint(ui::FocusFrameStyle(QStyleFactory::create("Windows")), dark, Qt::black);
        bool light = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) light = light || qGray(image.pixel(x, y)) > 128;
        QVERIFY(light);
    }

    // Each language holds every source text, finished and true to it. Last: it
    // starts lupdate, and ThreadSanitizer refuses new threads after a fork.
    void everyLanguageIsCompleteWithoutTemplatesAndKeepsPlaceholders() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(PELMORA_SOURCE_DIR);
        lupdate.start(PELMORA_LUPDATE, {"-silent", "-locations", "none", "-I", "src", "src/ui", "src/windows", "src/desktop", "src/handheld",
                                        "src/context/FailureCause.cpp", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QList<Message> sources = ReadTs(fresh);
        QVERIFY(sources.size() > 20);
        // A template reads wrong for most words put into it: "데이터을(를)", "A(z) 2. sáv",
        // "Nie udało się odczytać: dane SW1!".
        const QRegularExpression alternation(QStringLiteral("\\((을|를|은|는|이|가|과|와|으|로)\\)|\\p{L}\\(\\p{Ll}{1,3}\\)"));
        const QRegularExpression colonBeforeNoun(QStringLiteral("[:：]\\s*\\p{L}"));
        for (const QString& language : kLanguages) {
            std::set<QString> translated;
            for (const Message& m : ReadTs(QStringLiteral(PELMORA_SOURCE_DIR "/translations/%1.ts").arg(language))) {
                const QString where = language + QStringLiteral(": ") + m.source;
                QVERIFY2(m.type.isEmpty(), qPrintable(where + " is " + m.type));
                QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where + " is empty"));
                QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(where + " changes the placeholders"));
                QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')),
                         qPrintable(where + " changes the line breaks"));
                QVERIFY2(!alternation.match(m.translation).hasMatch(), qPrintable(where + " is a template"));
                QVERIFY2(m.source.contains(QLatin1Char(':')) || !colonBeforeNoun.match(m.translation).hasMatch(),
                         qPrintable(where + " puts a colon in a sentence"));
                translated.insert(Key(m));
            }
            for (const Message& m : sources) QVERIFY2(translated.count(Key(m)), qPrintable(language + ": missing " + Key(m)));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
