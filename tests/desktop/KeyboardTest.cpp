// Access keys and focus as a keyboard user meets them, in every language.
#include <map>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include "DesktopRig.h"
#include "desktop/CAboutDlg.h"
#include "ui/AccessKeys.h"
#include "ui/CDlgVMSM.h"
#include "ui/CDlg_MsrAdvance.h"
#include "ui/CFirmwarednDlg.h"
#include "ui/CNvAddrDlg.h"
#include "ui/FocusFrameStyle.h"
#include "ui/LanguageLoader.h"
#include "ui/support/NvWindowRig.h"

using namespace pelmora;

namespace {

const char* const kLocales[] = {"en_US", "zh_TW", "zh_CN", "de_DE", "es_ES", "fr_FR",
                                "hu_HU", "it_IT", "ja_JP", "ko_KR", "pl_PL", "ru_RU"};

// Every button, buddy label and tab shown with the current page must carry a
// key of its own; returns what is wrong, empty when nothing is.
QStringList KeyFaults(QWidget& window) {
    QStringList faults;
    std::map<QChar, QString> seen;
    const auto check = [&](const QString& text) {
        const QChar key = ui::AccessKey(text);
        if (key.isNull()) faults << QStringLiteral("no key: ") + text;
        else if (!seen.emplace(key, text).second)
            faults << QStringLiteral("%1 and %2 share %3").arg(seen[key], text, key);
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisibleTo(&window)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            check(button->text());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) check(label->text());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) check(tabs->tabText(i));
    }
    return faults;
}

// KeyFaults for each page the window's tabs can show.
QStringList KeyFaultsOnEveryPage(QWidget& window) {
    auto* tabs = window.findChild<QTabWidget*>();
    if (!tabs) return KeyFaults(window);
    QStringList faults;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        faults << KeyFaults(window);
    }
    return faults;
}

void DropLanguage() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) qApp->removeTranslator(translator);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void everyDesktopWindowHasDistinctAccessKeysInEveryLanguage() {
        for (const char* locale : kLocales) {
            DropLanguage();
            ui::InstallLanguage(*qApp, QLocale(locale), {PELMORA_QM_DIR});
            const auto verify = [locale](QWidget& window) {
                const QStringList faults = KeyFaultsOnEveryPage(window);
                QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 %2: %3")
                                                          .arg(locale, window.objectName(), faults.join("; "))));
            };
            desktop::test::DesktopRig rig;
            const auto main = rig.Open(true);
            verify(*main);
            // The labels follow the interface; the keys follow the labels.
            desktop::test::Find<QComboBox>(*main, "interfaceList")->setCurrentIndex(link::PortTcp);
            verify(*main);
            desktop::CAboutDlg about;
            verify(about);

            ui::test::ScriptedPrompts prompts;
            ui::CDlgVMSM vmsm({}, {160902, 703, "MPT-Q700VII", "V1.00 090216", "PC437"}, prompts);
            verify(vmsm);
            ui::CDlg_MsrAdvance sentinels(ui::SentinelLayout::Desktop, prompts, vmsm::SentinelDynamic, {});
            verify(sentinels);
            desktop::test::Click(sentinels, "entryForm");  // the check box names the other form
            verify(sentinels);
            ui::CFirmwarednDlg firmware(rig.platform, link::CommSettings{}, prompts);
            verify(firmware);
            ui::CNvAddrDlg address(ui::NvLayout::Desktop, {}, prompts);
            verify(address);
            ui::test::NvWindowRig nv(ui::NvLayout::Desktop);
            QVERIFY(nv.Open());
            verify(*nv.window);
        }
        DropLanguage();
    }

    void focusShowsOnTheDefaultButtonBeforeAnyKeyIsPressed() {
        QPushButton exit("Exit");
        exit.resize(100, 30);
        exit.setDefault(true);
        ui::FocusFrameStyle style(QStyleFactory::create("Fusion"));
        const auto paint = [&](bool focused) {
            QStyleOptionButton option;
            option.initFrom(&exit);
            option.rect = exit.rect();
            option.text = exit.text();
            option.features = QStyleOptionButton::DefaultButton;
            option.state = QStyle::State_Enabled | QStyle::State_Raised;
            if (focused) option.state |= QStyle::State_HasFocus;
            QImage image(exit.size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            style.drawControl(QStyle::CE_PushButton, &option, &painter, &exit);
            return image;
        };
        QVERIFY(paint(true) != paint(false));
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
