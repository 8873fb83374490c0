#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "windows/nv_images/NvAddressWindow.h"
#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WidgetSnapshot.h"

using namespace pelmora;
using ui::NvAddressWindow;
using context::Layout;

class NvAddressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void okTakesOnlyAFreeTwoCharacterCode() {
        struct Case {
            QString typed;
            QString refusal;  ///< empty: accepted
        };
        const Case cases[] = {
            {"A1", "Exists address!"},
            {"a1", {}},  // codes are case-sensitive
            {"10", {}},
            {"1", "Invalid value!"},
            {"", "Invalid value!"},
            {QString::fromUtf8("\xc3\xa9" "1"), "Invalid value!"},  // no key-code byte for it
            {"\t1", "Invalid value!"},
            {" ~", {}},
        };
        for (const Case& c : cases) {
            ui::test::ScriptedPrompts prompts;
            NvAddressWindow window(context::Layout::Desktop, {"A1", "10x"}, prompts);
            window.show();
            window.findChild<QLineEdit*>("code")->setText(c.typed);
            window.findChild<QPushButton*>("ok")->click();
            if (c.refusal.isEmpty()) {
                QVERIFY2(prompts.shown.empty(), qPrintable(c.typed));
                QCOMPARE(window.result(), int(QDialog::Accepted));
                QCOMPARE(QString::fromLatin1(window.Code().c_str()), c.typed);
            } else {
                QCOMPARE(prompts.Messages(), QStringList{c.refusal});
                QCOMPARE(prompts.shown.front().title, QString("Pelmora"));
                QVERIFY2(window.isVisible(), qPrintable(c.typed));  // stays open for another try
            }
        }
    }

    // Each starts at "00", two characters at most.
    void eachLayoutMatchesItsSnapshotAndCancels() {
        for (const auto& [layout, snapshot] : {std::pair{Layout::Desktop, "address"}, {Layout::Handheld, "address-handheld"}}) {
            ui::test::ScriptedPrompts prompts;
            NvAddressWindow window(layout, {}, prompts);
            QVERIFY(ui::test::MatchesSnapshot(window, snapshot));
            window.findChild<QPushButton*>("cancel")->click();
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
    }
};

PELMORA_SNAPSHOT_MAIN(NvAddressWindowTest)
#include "NvAddressWindowTest.moc"
