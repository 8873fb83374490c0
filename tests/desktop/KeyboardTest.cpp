// Access keys and focus as a keyboard user meets them, in every language.
#include <map>

#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include "DesktopRig.h"
#include "desktop/AboutBox.h"
#include "desktop/FindPrintersDialog.h"
#include "ui/AccessKeys.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "windows/firmware/FirmwareWindow.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/FocusFrameStyle.h"
#include "ui/LanguageLoader.h"
#include "ui/support/NvWindowRig.h"

using namespace pelmora;

namespace {

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

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void desktopWindowsHaveDistinctAccessKeysInEveryLanguage() {
        for (const char* locale : {"en_US", "zh_TW", "zh_CN", "de_DE", "es_ES", "fr_FR", "hu_HU", "it_IT", "ja_JP",
                                   "ko_KR", "pl_PL", "ru_RU"}) {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
            const QString loaded = ui::InstallLanguage(*qApp, QLocale(locale), {PELMORA_QM_DIR});
            QCOMPARE(loaded.isEmpty(), QString(locale) == "en_US");
            desktop::test::DesktopRig rig;
            ui::test::ScriptedPrompts prompts;
            ui::test::NvWindowRig nv(context::Layout::Desktop);
            QVERIFY(nv.Open());
            const auto main = rig.Open(true);
            desktop::AboutBox about;
            ui::MemorySwitchManager vmsm({}, {160902, 703, "MPT-Q700VII", "V1.00 090216", "PC437"}, prompts);
            ui::SentinelWindow sentinels(context::Layout::Desktop, prompts, vmsm::SentinelDynamic, {});
            ui::FirmwareWindow firmware(rig.platform, link::CommSettings{}, prompts);
            ui::NvAddressWindow address(context::Layout::Desktop, {}, prompts);
            desktop::FindPrintersDialog find(rig.platform, {});
            const auto check = [locale](std::initializer_list<QWidget*> windows) {
                for (QWidget* window : windows)
                    QVERIFY2(KeyFaults(*window).isEmpty(), qPrintable(locale + (": " + KeyFaults(*window))));
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
            desktop::test::Find<QComboBox>(*main, "interfaceList")->setCurrentIndex(link::PortTcp);
            desktop::test::Click(sentinels, "entryForm");
            check({main.get(), &sentinels});
        }
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
    }

    void focusShowsOnTheDefaultButtonBeforeAnyKeyIsPressed() {
        ui::FocusFrameStyle style(QStyleFactory::create("Fusion"));
        const auto paint = [&style](QStyle::State focus) {
            QStyleOptionButton exit;
            exit.rect = QRect(0, 0, 100, 30);
            exit.text = "Exit";
            exit.features = QStyleOptionButton::DefaultButton;
            exit.state = QStyle::State_Enabled | QStyle::State_Raised | focus;
            QImage image(exit.rect.size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            style.drawControl(QStyle::CE_PushButton, &exit, &painter);
            return image;
        };
        QVERIFY(paint(QStyle::State_HasFocus) != paint(QStyle::State_None));

        // Styles that pick the frame's colour against the button's own draw it
        // light on a dark button, as in a dark theme.
        ui::FocusFrameStyle classic(QStyleFactory::create("Windows"));
        QStyleOptionButton dark;
        dark.rect = QRect(0, 0, 100, 30);
        dark.state = QStyle::State_Enabled | QStyle::State_HasFocus;
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            dark.palette.setColor(static_cast<QPalette::ColorRole>(role), Qt::black);
        QImage image(dark.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        classic.drawControl(QStyle::CE_PushButton, &dark, &painter);
        painter.end();
        bool light = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) light = light || qGray(image.pixel(x, y)) > 128;
        QVERIFY(light);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
