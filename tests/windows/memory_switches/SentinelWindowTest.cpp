#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WidgetSnapshot.h"
#include "ui/Accessibility.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "vmsm/PrinterConfig.h"

using namespace pelmora;
using ui::SentinelWindow;
using context::Layout;

namespace {

const char* const kBoxes[] = {"start1", "start2", "start3", "end1", "end2", "end3"};

struct Window {
    explicit Window(std::uint32_t mode = vmsm::SentinelDynamic, vmsm::SentinelSix texts = {"A", "B", "C", "", "", ""},
                    context::Layout layout = context::Layout::Desktop)
        : dialog(layout, prompts, mode, texts) {}
    ui::test::ScriptedPrompts prompts;
    SentinelWindow dialog;

    QLineEdit* Box(int i) { return dialog.findChild<QLineEdit*>(kBoxes[i]); }
    QCheckBox* Form() { return dialog.findChild<QCheckBox*>("entryForm"); }
    void Type(const vmsm::SentinelSix& texts) {
        for (int i = 0; i < 6; ++i) Box(i)->setText(QString::fromLatin1(texts[i]));
    }
    void Ok() { dialog.findChild<QPushButton*>("ok")->click(); }
};

}  // namespace

class SentinelWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachLayoutMatchesItsSnapshot() {
        Window desktop;
        QVERIFY(ui::test::MatchesSnapshot(desktop.dialog, "sentinels"));
        desktop.Form()->click();  // the other form: its own label, name and empty boxes
        QVERIFY(ui::test::MatchesSnapshot(desktop.dialog, "sentinels-hexa"));
        Window handheld(vmsm::SentinelDynamic, {"%", "", "", "?", "", ""}, Layout::Handheld);
        QVERIFY(ui::test::MatchesSnapshot(handheld.dialog, "sentinels-handheld"));
    }

    // The conversion and check rules themselves are the memory switch tests';
    // here: what the window shows and hands back, and that the end boxes count.
    void okConvertsAndChecksInOrder() {
        const QString length = "Invalid value!\r\nSentinel length is over 10 ( length range : 1~10 )";
        const QString value = "Invalid value!\r\nSentinel is invalid value (0x20~0x7F)";
        const QString hexa = "Invalid value!\r\nInvalid HEXA Format!!";
        struct Case {
            bool hexaForm;
            vmsm::SentinelSix typed;
            QString error;                 ///< empty: accepted
            vmsm::SentinelSix handedBack;  ///< when accepted
        };
        const Case cases[] = {
            {false, {"%", "B", "C", "?", "", ""}, "", {"%", "B", "C", "?", "", ""}},
            {true, {"25 3F", "42", "43", "", "", ""}, "", {"%?", "B", "C", "", "", ""}},
            {true, {"2 53F", "42", "43", "", "", ""}, hexa, {}},
            {true, {"25 3", "42", "43", "", "", ""}, length, {}},  // odd digits convert to nothing
            {true, {"0A 1F 10 4C", "42", "43", "", "", ""}, value, {}},
            {false, {"ABCDEFGHIJ", "B", "C", "ABCDEFGHIJ", "", ""}, "", {"ABCDEFGHIJ", "B", "C", "ABCDEFGHIJ", "", ""}},
            {false, {"A", "B", "C", "", "", "ABCDEFGHIJK"}, length, {}},
            {false, {"A", "", "C", "", "", ""}, length, {}},
        };
        for (const Case& c : cases) {
            Window w;
            if (c.hexaForm) w.Form()->click();
            w.Type(c.typed);
            w.Ok();
            const QString what = QString::fromLatin1(c.typed[0] + "|" + c.typed[3]);
            if (c.error.isEmpty()) {
                QVERIFY2(w.prompts.shown.empty(), qPrintable(what));
                QCOMPARE(w.dialog.result(), int(QDialog::Accepted));
                QCOMPARE(w.dialog.Texts(), c.handedBack);
                QCOMPARE(w.Box(0)->text(), QString::fromLatin1(c.handedBack[0]));  // shown converted
            } else {
                QCOMPARE(w.prompts.Messages(), QStringList{c.error});
                QCOMPARE(w.prompts.shown.front().title, QString("Virtual Memory Switch Manager"));
                QVERIFY2(w.dialog.result() != QDialog::Accepted, qPrintable(what));
                QCOMPARE(w.Box(0)->text(), QString::fromLatin1(c.typed[0]));  // boxes stay as typed
            }
        }
    }

    void formSwitchEmptiesTheBoxesAndSwapsTheLabel() {
        Window w(vmsm::SentinelNone, {"A", "B", "C", "X", "Y", "Z"});
        QCOMPARE(ui::SpokenText(w.Form()->text()), QString("ASCII (ex: \"START(1)\")"));
        w.Form()->click();
        QVERIFY(w.Form()->isChecked());
        QCOMPARE(ui::SpokenText(w.Form()->text()), QString("HEXA (ex: \\\"0A 1F 10 4C\\\")"));
        for (int i = 0; i < 6; ++i) QVERIFY(w.Box(i)->text().isEmpty());
        QVERIFY(w.dialog.HexaForm());
        w.Form()->click();
        QCOMPARE(ui::SpokenText(w.Form()->text()), QString("ASCII (ex: \\\"START(1)\\\")"));
        QVERIFY(!w.dialog.HexaForm());
        w.Ok();  // mode None, start texts now empty
        QCOMPARE(w.prompts.Messages(),
                 QStringList{"Invalid value!\r\nSentinel length is over 10 ( length range : 1~10 )"});
    }

    void radiosEnableTheBoxesOnlyForDynamic() {
        Window w(vmsm::SentinelStatic);
        QVERIFY(w.dialog.findChild<QRadioButton*>("modeStatic")->isChecked());
        QVERIFY(!w.Box(0)->isEnabled());
        w.dialog.findChild<QRadioButton*>("modeDynamic")->click();
        for (int i = 0; i < 6; ++i) QVERIFY(w.Box(i)->isEnabled());
        w.Box(3)->setText("!");
        w.dialog.findChild<QRadioButton*>("modeNone")->click();
        QVERIFY(!w.Box(3)->isEnabled());
        QCOMPARE(w.Box(3)->text(), QString("!"));  // contents stay
        w.Ok();
        QCOMPARE(w.dialog.Mode(), std::uint32_t(vmsm::SentinelNone));
        QCOMPARE(w.dialog.Texts()[3], std::string("!"));
    }

    void characterBeyondLatin1IsRefusedNotTakenAsQuestionMark() {
        Window w;
        w.Box(0)->setText(QString(QChar(0x20AC)));
        w.Ok();
        QCOMPARE(w.prompts.Messages(), QStringList{"Invalid value!\r\nSentinel is invalid value (0x20~0x7F)"});
    }

    // Each layout's texts are in the snapshots; each refuses an empty start
    // text in its own box, in every mode (Dynamic: see above).
    void layoutsRefuseAnEmptyStartInTheirOwnBox() {
        const struct { context::Layout layout; std::uint32_t mode; const char* boxTitle; } cases[] = {
            {context::Layout::Handheld, vmsm::SentinelNone, "Pelmora"},
            {context::Layout::Desktop, vmsm::SentinelStatic, "Virtual Memory Switch Manager"},
        };
        for (const auto& c : cases) {
            Window w(c.mode, {"", "B", "C", "", "", ""}, c.layout);
            w.Ok();
            QCOMPARE(w.prompts.shown.size(), std::size_t(1));
            QCOMPARE(w.prompts.shown.front().title, QString(c.boxTitle));
            QVERIFY(w.dialog.result() != QDialog::Accepted);
        }
    }
};

PELMORA_SNAPSHOT_MAIN(SentinelWindowTest)
#include "SentinelWindowTest.moc"
