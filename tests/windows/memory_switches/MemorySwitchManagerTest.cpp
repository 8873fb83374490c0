// The memory switch manager and its sentinel window.
#include <QtTest>
#include <QtWidgets>

#include "ui/support/Controls.h"
#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WidgetSnapshot.h"
#include "ui/Accessibility.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/SentinelWindow.h"

using namespace pelmora;
using ui::MemorySwitchManager;
using ui::SentinelWindow;
using context::Layout;

namespace {

using Read = std::function<void(vmsm::PrinterConfig&)>;  ///< what the printer held, over the defaults

struct Window {
    explicit Window(std::uint32_t firmware = 160902, const Read& read = {}, std::uint32_t model = 703)
        : record([&read] { vmsm::PrinterConfig r; if (read) read(r); return r; }()),
          dialog(record, {firmware, model, "MPT-Q700VII", "V1.00 090216", "PC437"}, prompts) {}
    vmsm::PrinterConfig record;
    ui::test::ScriptedPrompts prompts;
    MemorySwitchManager dialog;

    template <typename T> T* Find(const char* name) { return ui::test::Find<T>(dialog, name); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    void Click(const char* name) { ui::test::Click(dialog, name); }
    /// What the main window would copy back after OK.
    vmsm::PrinterConfig Result() {
        vmsm::PrinterConfig back = record;
        dialog.CopyBack(back);
        return back;
    }
    void Leave(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
        QCoreApplication::processEvents();
    }
};

const char* const kBoxes[] = {"start1", "start2", "start3", "end1", "end2", "end3"};

struct Sentinels {
    explicit Sentinels(std::uint32_t mode = vmsm::SentinelDynamic, vmsm::SentinelSix texts = {"A", "B", "C", "", "", ""},
                       Layout layout = Layout::Desktop) : dialog(layout, prompts, mode, texts) {}
    ui::test::ScriptedPrompts prompts;
    SentinelWindow dialog;

    QLineEdit* Box(int i) { return dialog.findChild<QLineEdit*>(kBoxes[i]); }
    QCheckBox* Form() { return dialog.findChild<QCheckBox*>("entryForm"); }
    void Ok() { dialog.findChild<QPushButton*>("ok")->click(); }
};

}  // namespace

class MemorySwitchManagerTest : public QObject {
    Q_OBJECT
private slots:
    // The snapshots hold the title, the tabs, every choice and every name
    // (a label's "&&" is read as one "&", not as a mnemonic).
    void titleTabsAndNames() {
        Window w;
        QCOMPARE(ui::UnnamedControls(&w.dialog), QStringList{});
        QVERIFY(ui::test::MatchesSnapshot(w.dialog, "manager"));
        Window older(21021);  // fewer fonts, no tear-off, the older speeds and code pages
        QVERIFY(ui::test::MatchesSnapshot(older.dialog, "manager-older-firmware"));
    }

    // The lists are the memory switch tests', their firmware rows the snapshots'; here the window passes the model too.
    void listsFollowTheModel() {
        QCOMPARE(ui::test::Items(Window(101001, {}, 900).List("speed")), (QStringList{"80mm/s", "50mm/s"}));
    }

    // A choice saves its code, not its place. The density's code is MemorySwitchJobTest's
    // saved 150 %; an untouched font below three fonts, ManagerPagesTest's.
    void choicesSaveTheirCodes() {
        Window older(21021);
        older.List("codePage")->setCurrentIndex(31);
        older.Click("save");
        Window w(101001);
        w.Click("fontC");
        w.Click("save");
        QCOMPARE(std::tuple(older.Result().CodePage, w.Result().FontType), std::tuple(31u, 2u));
    }

    void tearOffFollowsFirmwareAndService() {
        Window w(160902, [](auto& r) { r.CuttingPosition = 120; });
        QCOMPARE(std::tuple(w.Box("tearOff")->text(), w.Box("tearOff")->isEnabled()), std::tuple(QString("120"), false));
        w.List("service")->setCurrentIndex(1);  // "Label"
        QVERIFY(w.Box("tearOff")->isEnabled());
        w.Box("tearOff")->setText("640");
        w.List("service")->setCurrentIndex(0);
        QVERIFY(!w.Box("tearOff")->isEnabled());
        w.Click("save");
        QCOMPARE(w.Result().CuttingPosition, 640u);

        Window old(160901, [](auto& r) { r.Service = 1; r.CuttingPosition = 120; });
        QCOMPARE(std::tuple(old.Box("tearOff")->text(), old.Box("tearOff")->isEnabled()), std::tuple(QString("0"), false));
        old.Click("save");
        QCOMPARE(old.Result().CuttingPosition, 120u);  // untouched: what was read goes back

        QVERIFY(!Window(160902, {}, 710).List("service")->isEnabled());  // a receipt-only model
        QVERIFY(!Window(21020).Find<QPushButton>("advance")->isEnabled());  // 21021 opens it: its snapshot
    }

    // The mended rule: a box out of range or not a number never reaches the record.
    // How a text reads is ConfigFieldsTest's; here each box's range and each message.
    void numberBoxesTellAndSaveWaits() {
        const struct { const char *box, *typed; QString message; } cases[] = {
            {"timeOff", "91", "Enter an integer between 0 and 90."},
            {"timeOff", "abc", "Enter a positive integer."},
            {"timeSave", "300", "Enter an integer between 0 and 255."},
            {"tearOff", "70000", "Enter an integer between 0 and 640."},  // not cut to sixteen bits
        };
        for (const auto& c : cases) {
            Window w(160902, [](auto& r) { r.Service = 1 /* the tear-off box is open */; r.TimeOff = 30; r.TimeSave = 100; });
            w.dialog.show();
            QLineEdit* box = w.Box(c.box);
            box->setText(c.typed);
            w.Leave(box);
            QCOMPARE(std::tuple(w.prompts.Messages(), w.prompts.shown.front().title), std::tuple(QStringList{c.message}, "Pelmora"));
            w.Click("save");
            // "Save" did not end it, the box has the focus on its own tab, and the page kept the last numbers.
            QCOMPARE(std::tuple(w.prompts.Messages(), w.dialog.isVisible(), box->hasFocus(), w.Result().TimeOff, w.Result().TimeSave),
                     std::tuple(QStringList{c.message, c.message}, true, true, 30u, 100u));
        }
        Window w(160902);
        w.dialog.show();
        w.Box("timeSave")->setText("5");  // 1..9 are accepted for power saving
        w.Box("timeOff")->setText(" 90 ");
        w.Leave(w.Box("timeOff"));
        w.Click("save");
        QCOMPARE(std::tuple(w.prompts.shown.size(), w.dialog.result(), w.Result().TimeSave, w.Result().TimeOff),
                 std::tuple(std::size_t(0), int(QDialog::Accepted), 5u, 90u));
    }

    // Left unticked, what goes back is ManagerPagesTest's.
    void bluetoothOnlyWhenTicked() {
        Window w(160902, [](auto& r) { r.BtConnMode = 2; r.BtPinCode = "0000"; });
        w.Click("enableBluetooth");
        QCOMPARE(std::tuple(w.Box("btPin")->isEnabled(), w.List("btConnMode")->isEnabled(), w.List("btConnMode")->currentText()),
                 std::tuple(true, true, QString("Mode 3")));
        w.Box("btPin")->setText("4321");
        w.Click("default");
        QCOMPARE(std::tuple(w.dialog.DefaultRequested(), w.dialog.result(), w.Result().BtKeep, w.Result().BtPinCode),
                 std::tuple(true, int(QDialog::Accepted), 0u, std::string("4321")));
    }

    // The manager's "Advance" window for the MSR sentinels. Switched back to
    // ASCII, the label keeps the escaped quotes.
    void sentinelsMatchTheirSnapshots() {
        Sentinels desktop;
        QVERIFY(ui::test::MatchesSnapshot(desktop.dialog, "sentinels"));
        desktop.Form()->click();  // the other form: its own label, name and empty boxes
        QVERIFY(ui::test::MatchesSnapshot(desktop.dialog, "sentinels-hexa"));
        desktop.Form()->click();
        QCOMPARE(ui::SpokenText(desktop.Form()->text()), QString("ASCII (ex: \\\"START(1)\\\")"));
        Sentinels handheld(vmsm::SentinelDynamic, {"%", "", "", "?", "", ""}, Layout::Handheld);
        QVERIFY(ui::test::MatchesSnapshot(handheld.dialog, "sentinels-handheld"));
    }

    // The conversion and check rules themselves are the memory switch tests';
    // here: what the window shows and hands back, that the end boxes count, and
    // that each layout refuses in its own box, the boxes closed (None) or not.
    void sentinelOkConvertsAndChecksInOrder() {
        const QString length = "Invalid value!\r\nSentinel length is over 10 ( length range : 1~10 )";
        const QString value = "Invalid value!\r\nSentinel is invalid value (0x20~0x7F)";
        struct Case {
            bool hexaForm;
            QStringList typed;
            QString error;                 ///< empty: accepted
            vmsm::SentinelSix handedBack;  ///< when accepted
            Layout layout = Layout::Desktop;
            std::uint32_t mode = vmsm::SentinelDynamic;
        };
        const Case cases[] = {
            {false, {"%", "B", "C", "?", "", ""}, "", {"%", "B", "C", "?", "", ""}},
            {true, {"25 3F", "42", "43", "", "", ""}, "", {"%?", "B", "C", "", "", ""}},
            {false, {"A", "B", "C", "", "", "ABCDEFGHIJK"}, length, {}},
            {false, {QString(QChar(0x20AC)), "B", "C", "", "", ""}, value, {}},  // refused, not taken as "?"
            {false, {"", "B", "C", "", "", ""}, length, {}, Layout::Handheld, vmsm::SentinelNone},
        };
        for (const Case& c : cases) {
            Sentinels w(c.mode, {}, c.layout);
            if (c.hexaForm) w.Form()->click();
            for (int i = 0; i < 6; ++i) w.Box(i)->setText(c.typed[i]);
            w.Ok();
            const QString what = c.typed[0] + "|" + c.typed[3];
            if (c.error.isEmpty()) {
                QCOMPARE(std::tuple(what, w.prompts.shown.size(), w.dialog.result(), w.Box(0)->text() /* shown converted */),
                         std::tuple(what, std::size_t(0), int(QDialog::Accepted), QString::fromLatin1(c.handedBack[0])));
                QCOMPARE(w.dialog.Texts(), c.handedBack);
            } else {
                const QString title = c.layout == Layout::Desktop ? "Virtual Memory Switch Manager" : "Pelmora";
                QCOMPARE(std::tuple(what, w.prompts.Messages(), w.prompts.shown.front().title, w.dialog.result() == QDialog::Accepted),
                         std::tuple(what, QStringList{c.error}, title, false));
                QCOMPARE(w.Box(0)->text(), c.typed[0]);  // boxes stay as typed
            }
        }
    }

    void sentinelRadiosEnableTheBoxesOnlyForDynamic() {
        Sentinels w(vmsm::SentinelStatic);
        QCOMPARE(std::tuple(w.dialog.findChild<QRadioButton*>("modeStatic")->isChecked(), w.Box(0)->isEnabled()), std::tuple(true, false));
        w.dialog.findChild<QRadioButton*>("modeDynamic")->click();
        for (int i = 0; i < 6; ++i) QVERIFY(w.Box(i)->isEnabled());
        w.Box(3)->setText("!");
        w.dialog.findChild<QRadioButton*>("modeNone")->click();
        QCOMPARE(std::tuple(w.Box(3)->isEnabled(), w.Box(3)->text()), std::tuple(false, QString("!")));  // contents stay
        w.Ok();
        QCOMPARE(std::tuple(w.dialog.Mode(), w.dialog.Texts()[3]), std::tuple(std::uint32_t(vmsm::SentinelNone), std::string("!")));
    }
};

PELMORA_SNAPSHOT_MAIN(MemorySwitchManagerTest)
#include "MemorySwitchManagerTest.moc"
