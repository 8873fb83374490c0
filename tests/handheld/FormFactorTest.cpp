// Every window pelmora_ce opens, shown on a 480 x 640 screen without a window
// manager: it fills the screen, all of it is on the screen, nothing a finger
// touches is smaller than kFingerHeight, and every control has a name; the
// program's own windows also as a screen reader works them.
#include <QtWidgets>

#include "HandheldRig.h"
#include "handheld/FormFactor.h"
#include "ui/Accessibility.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/support/AccessibleWalk.h"
#include "ui/support/NvWindowRig.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

namespace {

// Shows the window as the program does and lists what is wrong with it.
QStringList Check(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    QStringList faults;
    const QString name = window.objectName().isEmpty() ? window.windowTitle() : window.objectName();
    if (window.geometry() != QRect(QPoint(), kScreenSize))
        faults << QString("%1 stands at %2,%3 %4x%5").arg(name).arg(window.geometry().x()).arg(window.geometry().y()).arg(window.width()).arg(window.height());
    const QSize least = window.minimumSizeHint();
    if (least.width() > kScreenSize.width() || least.height() > kScreenSize.height())
        faults << QString("%1 needs %2x%3").arg(name).arg(least.width()).arg(least.height());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible()) continue;
        const QRect place(control->mapTo(&window, QPoint()), control->size());
        if (!window.rect().contains(place)) faults << QString("%1 %2 lies off the screen at %3,%4 %5x%6").arg(control->objectName(), control->metaObject()->className()).arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
        const bool touched = qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control);
        if (touched && control->height() < kFingerHeight)
            faults << QString("%1 is %2 px tall").arg(control->objectName()).arg(control->height());
        if (auto* view = qobject_cast<QAbstractItemView*>(control); view && view->model()->rowCount() > 0) {
            // A table's rows are as tall as its header makes them, whatever their text asks.
            auto* table = qobject_cast<QTableView*>(view);
            const int row = table ? table->rowHeight(0) : view->sizeHintForRow(0);
            if (row < kFingerHeight) faults << QString("%1 has rows of %2 px").arg(control->objectName()).arg(row);
        }
    }
    faults << ui::UnnamedControls(&window);
    window.hide();
    return faults;
}

// Where the fields of the shown window start, left to right: one place when they line up.
QSet<int> FieldColumns(QWidget& window) {
    window.show();
    QSet<int> lefts;
    for (QWidget* field : window.findChildren<QWidget*>())
        if (field->isVisible() && (qobject_cast<QComboBox*>(field) || qobject_cast<QLineEdit*>(field)) &&
            !qobject_cast<QComboBox*>(field->parentWidget()))
            lefts << field->mapTo(&window, QPoint()).x();
    return lefts;
}

// Rows a finger pressing their far corner, away from the mark and the text, misses.
QStringList MissedPresses(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    QStringList faults;
    for (QAbstractButton* row : window.findChildren<QAbstractButton*>()) {
        if (!row->isVisible() || !row->isEnabled() || !row->isCheckable() || row->isChecked()) continue;
        QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 2, row->height() - 2));
        if (!row->isChecked() || row->width() < kFingerHeight || row->height() < kFingerHeight) faults << row->objectName() + " missed the press";
    }
    return faults;
}

}  // namespace

class FormFactorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->size(), kScreenSize);
        qApp->installEventFilter(new HandheldWindows(qApp));
    }

    void connectionScreenInBothModes() {
        for (const bool tcp : {false, true}) {
            HandheldRig rig;
            if (tcp) rig.StoreTcp();
            auto w = rig.Open();
            EXPECT_NO_FAULTS(Check(*w));
            // Ticking TCP/IP swaps the fields in place.
            const QSet<int> before = FieldColumns(*w);
            w->findChild<QCheckBox*>("tcpCheck")->toggle();
            QCoreApplication::processEvents();
            QCOMPARE(std::tuple(FieldColumns(*w), before.size()), std::tuple(before, 1));
            EXPECT_NO_FAULTS(ui::test::AccessibilityFaults([&rig] { return rig.Open(); }));
            EXPECT_NO_FAULTS(MissedPresses(*rig.Open()));
        }
    }

    // The longest lists: firmware 101001 (37 code pages) and the nine-entry MSR list.
    void everyWizardStep() {
        for (const std::uint32_t firmware : {101001u, 160902u, 11059u}) {
            StepRig rig(firmware, '5');
            for (int step = 1; step <= kWizardSteps; ++step) {
                const auto window = rig.Make(static_cast<WizardStep>(step));
                EXPECT_NO_FAULTS(Check(*window));
                if (step == 2 || step == 4) QCOMPARE(FieldColumns(*window).size(), 1);
                EXPECT_NO_FAULTS(ui::test::AccessibilityFaults([&] { return rig.Make(static_cast<WizardStep>(step)); }));
                EXPECT_NO_FAULTS(MissedPresses(*rig.Make(static_cast<WizardStep>(step))));
            }
        }
    }

    // The shared windows: the memory-switch job's, with its "Cancel" button, and
    // the NV manager with its address and sentinel windows.
    void sharedWindows() {
        ui::test::NvWindowRig rig(context::Layout::Handheld);
        (void)rig.host.ConfigJob(rig.rig.store, [](vmsm::MemorySwitchEngine&) { return vmsm::EditChoice::Cancel; },
                                 context::Layout::Handheld);
        EXPECT_NO_FAULTS(Check(rig.host.dialog()));
        rig.Preload({"A1", "B2"});
        QVERIFY(rig.Open());
        rig.Add({rig.Bitmap("logo.bmp", 16, 8)});
        QCOMPARE(rig.window->findChild<QListWidget*>("addressList")->count(), 2);
        EXPECT_NO_FAULTS(Check(*rig.window));
        ui::NvAddressWindow address(context::Layout::Handheld, {"A1"}, rig.prompts);
        EXPECT_NO_FAULTS(Check(address));
        ui::SentinelWindow sentinels(context::Layout::Handheld, rig.prompts, 1, {"%", "", "", "?", "", ""});
        EXPECT_NO_FAULTS(Check(sentinels));
    }

    // The boxes the operator answers: the real ones, with a long text.
    void messageBoxes() {
        QStringList faults;
        QTimer::singleShot(0, [&faults] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            faults = Check(*box);
        });
        ui::SystemPrompts().Message(nullptr, "Pelmora",
                                    "Failed to save Virtual memory switch!!\r\nPlease Check your printer state", ui::PromptIcon::Warning);
        EXPECT_NO_FAULTS(faults);
    }
};

// A handheld's screen, as the offscreen platform plays it.
int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "handheld", "x": 0, "y": 0, "width": 480, "height": 640,
                      "logicalDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    FormFactorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormFactorTest.moc"
