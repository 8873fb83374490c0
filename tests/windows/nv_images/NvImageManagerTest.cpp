// The manager window's actions and its address window, in both layouts, each
// with its own texts.
#include <filesystem>
#include <fstream>

#include <QtTest>
#include <QtWidgets>

#include "nv/NvCatalogue.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "windows/nv_images/NvManagerLaunch.h"
#include "windows/nv_images/NvPreview.h"
#include "ui/support/NvWindowRig.h"
#include "ui/support/WhenShown.h"
#include "ui/support/WidgetSnapshot.h"

using namespace pelmora;
using context::Layout;
using ui::NvAddressWindow;
using ui::PromptIcon;
using ui::test::NvWindowRig;
using Shown = ui::test::ScriptedPrompts::Shown;

namespace {

struct LayoutTexts {
    Layout layout;
    QString boxTitle, warningTitle /* nothing chosen, a file that does not load */, removeNone, downloadNone, tooSmall,
        writeFailed, printAllJobTitle;
};

const LayoutTexts kLayouts[] = {
    {context::Layout::Desktop, "NV Image Manager", "NV Image Manager", "Without a BMP file being selected.",
     "Without a BMP file being selected.", "NV image area too small!",
     " Failed to write data!\r\nPlease check your printer.", "NV Image Manager"},
    {context::Layout::Handheld, "NV Manager Utility", "Pelmora", "Without a bmpfile being selected.",
     "Without a bitmap file being selected.", "NV-bitimage area too small!",
     " Failed to write data!\r\nPlease Check your printer!", "Print NV All Image..."},
};

void CheckBox(const Shown& box, const QString& title, const QString& text, PromptIcon icon = PromptIcon::None,
              Shown::Kind kind = Shown::Message) {
    QCOMPARE(std::tuple(box.kind, box.title, box.text, box.icon), std::tuple(kind, title, text, icon));
}

void SelectRows(NvWindowRig& r, std::initializer_list<int> rows) {
    auto* view = r.Find<QAbstractItemView>("imageList");
    view->clearSelection();
    for (int row : rows) {
        view->selectionModel()->setCurrentIndex(view->model()->index(row, 0), QItemSelectionModel::NoUpdate);
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QString StoredEntry(NvWindowRig& r, int index) { return QString::fromStdString(nv::ReadCatalogueEntry(r.rig.store, index)); }

}  // namespace

class NvImageManagerTest : public QObject {
    Q_OBJECT
private slots:
    // The address window starts at "00", two characters at most.
    void eachLayoutMatchesItsSnapshots() {
        for (const auto& [layout, suffix] : {std::pair{Layout::Desktop, ""}, {Layout::Handheld, "-handheld"}}) {
            NvWindowRig r(layout, {"10", "A1"});
            QVERIFY(ui::test::MatchesSnapshot(*r.window, QString("manager") + suffix));
            NvAddressWindow address(layout, {}, r.prompts);
            QVERIFY(ui::test::MatchesSnapshot(address, QString("address") + suffix));  // its Cancel: see the download
        }
    }

    void nothingSelectedOrNothingListedSaysWhatIsMissing() {
        for (const LayoutTexts& t : kLayouts) {
            NvWindowRig r(t.layout, {});
            CheckBox(r.BoxAfter("removeImage"), t.warningTitle, t.removeNone, PromptIcon::Warning);
            CheckBox(r.BoxAfter("download"), t.warningTitle, t.downloadNone, PromptIcon::Warning);
            CheckBox(r.BoxAfter("print"), t.boxTitle, "Please select address!");
            CheckBox(r.BoxAfter("removeStored"), t.boxTitle, "Please select address!");
            // An empty list on a printer of the current command set: nothing to print is a failed job.
            CheckBox(r.BoxAfter("printAll"), t.boxTitle, t.writeFailed);
            QCOMPARE(std::tuple(r.host.dialog().windowTitle(), r.prompts.shown.size()), std::tuple(t.printAllJobTitle, 5u));
            // A list the printer does not give is a failure, not an empty list.
            r.rig.printer.faults.perCommand["nv-list"] = sim::Fault::Silent;
            r.Click("refresh");
            QCOMPARE(std::tuple(r.prompts.shown.size(), r.LastBox().title), std::tuple(6u, t.boxTitle));
        }
    }

    void addImageLoadsEachFileAndReportsWhatItRefuses() {
        for (const LayoutTexts& t : kLayouts) {
            NvWindowRig r(t.layout, {});
            std::ofstream(r.rig.dir / "broken.bmp") << "not a bitmap";
            const QString broken = QString::fromStdString((r.rig.dir / "broken.bmp").string());
            // Two of these pass the 262144-byte limit together (48 bytes a row).
            const QString tall = r.Bitmap("tall.bmp", 384, 2731);
            r.Add({r.Bitmap("a.bmp", 16, 8), broken, tall, tall});
            const Shown& choice = r.prompts.shown.front();
            QCOMPARE(std::tuple(choice.kind, choice.choice.multiple), std::tuple(Shown::Files, t.layout == context::Layout::Desktop));
            QVERIFY(choice.text.startsWith("Image Files(*.bmp);;") && choice.text.contains("*.png"));
            CheckBox(r.prompts.shown[1], t.warningTitle, "Failed to load image file!");
            CheckBox(r.prompts.shown[2], t.boxTitle, t.tooSmall);
            QCOMPARE(r.Names(), (std::vector<std::string>{"1:a.bmp", "2:tall.bmp"}));
            QCOMPARE(r.Find<QAbstractItemView>("imageList")->model()->rowCount(), 2);
            if (t.layout == context::Layout::Desktop)  // the handheld has neither (its snapshot)
                QCOMPARE(std::tuple(r.Find<QLabel>("status")->text(), r.Find<QTableWidget>("imageList")->item(1, 2)->text()),
                         std::tuple(QString("<Images: 2/0 - Memory: 131104/262144 (Byte)>"), QString("131088 Bytes")));
            // The folder is remembered for the next choice.
            r.Add({});
            QCOMPARE(r.LastBox().choice.initialPath, QString::fromStdString(r.rig.dir.path().string()));
        }
    }

    void sliderReachesTheCurrentImageAndTheImagesAddedAfter() {
        NvWindowRig r(context::Layout::Desktop, {});
        r.Add({r.Bitmap("a.bmp", 8, 8), r.Bitmap("b.bmp", 8, 8), r.Bitmap("c.bmp", 8, 8)});
        auto* slider = r.Find<QSlider>("brightness");
        SelectRows(r, {1});
        QCOMPARE(r.window->currentNumber(), 2);
        slider->setValue(40);
        QCOMPARE(r.Brightness(), (std::vector<std::int32_t>{0, 0, 0}));  // the timer carries it over
        r.window->Tick();
        QCOMPARE(r.Brightness(), (std::vector<std::int32_t>{0, 40, 0}));
        r.Add({r.Bitmap("d.bmp", 8, 8)});
        QCOMPARE(r.Brightness(), (std::vector<std::int32_t>{0, 40, 0, 40}));

        // A move the timer has not carried yet still belongs to the image it was made for.
        slider->setValue(70);
        SelectRows(r, {0});
        QCOMPARE(std::tuple(r.Brightness(), slider->value() /* the newly current image's own */, r.window->preview()->path()),
                 std::tuple(std::vector<std::int32_t>{0, 70, 0, 40}, 0, QString::fromStdString((r.rig.dir / "a.bmp").string())));
    }

    void tabLeavesTheListOnceItHasRows() {
        NvWindowRig r(context::Layout::Desktop, {});
        r.Add({r.Bitmap("a.bmp", 8, 8), r.Bitmap("b.bmp", 8, 8)});
        r.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.window.get()));
        r.window->activateWindow();
        auto* table = r.Find<QTableWidget>("imageList");
        SelectRows(r, {0});
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            table->setFocus();
            QTest::keyClick(table, key);
            QVERIFY2(r.window->focusWidget() != table, key == Qt::Key_Tab ? "Tab" : "Shift+Tab");
        }
    }

    void removingRowsOneAndThreeOfFiveRenumbersTheRest() {
        NvWindowRig r(context::Layout::Desktop, {});
        QStringList files;
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"}) files << r.Bitmap(name, 8, 8);
        r.Add(files);
        SelectRows(r, {0, 2});  // the last one clicked, "c", is current
        QCOMPARE(r.window->currentNumber(), 3);
        r.prompts.answers = {false};
        r.Click("removeImage");
        QCOMPARE(r.nv.imageList().size(), 5u);  // No keeps everything
        CheckBox(r.LastBox(), "NV Image Manager", "Do you want to remove all of selection?", PromptIcon::Question, Shown::Question);
        r.prompts.answers = {true};
        r.Click("removeImage");
        QCOMPARE(r.Names(), (std::vector<std::string>{"1:b.bmp", "2:d.bmp", "3:e.bmp"}));
        QCOMPARE(r.Find<QTableWidget>("imageList")->item(1, 1)->text(), QString("d.bmp"));
        QVERIFY(r.Find<QLabel>("status")->text().startsWith("<Images: 3/"));
        // "c" went: number 3 is "e" now, and the slider must not reach it.
        QCOMPARE(std::tuple(r.window->currentNumber(), r.window->preview()->path()), std::tuple(-1, QString()));
        r.Find<QSlider>("brightness")->setValue(25);
        r.window->Tick();
        QCOMPARE(r.Brightness(), (std::vector<std::int32_t>{0, 0, 0}));
        SelectRows(r, {0});
        QCOMPARE(r.window->currentNumber(), 1);
        r.Click("reset");
        QCOMPARE(std::tuple(r.nv.imageList().size(), r.window->currentNumber(), r.Find<QLabel>("status")->text()),
                 std::tuple(std::size_t(0), -1, QString("<Images: 0/0 - Memory: 0/262144 (Byte)>")));
    }

    // Desktop only: the handheld asks the version at every check, and the
    // expected model's version reply never names a legacy firmware. What
    // "Print All" sends then is NvManagerTest's.
    void legacyPrinterOffersNoCodesAndPrintsAllWithoutABox() {
        NvWindowRig r(context::Layout::Desktop);
        r.MakeLegacy();
        QVERIFY(r.Open());
        for (const char* name : {"autoAddressing", "refresh", "removeStored"}) QVERIFY2(!r.Find(name)->isEnabled(), name);
        r.Click("printAll");
        QVERIFY(r.prompts.shown.empty());
    }

    void autoAddressingDownloadsUnderFreeCodesAndReadsTheListAgain() {
        for (const LayoutTexts& t : kLayouts) {
            NvWindowRig r(t.layout, {"10", "12"});
            r.Find<QCheckBox>("autoAddressing")->setChecked(true);
            for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) r.Add({r.Bitmap(name, 16, 4)});
            r.Click("download");
            QCOMPARE(std::tuple(r.prompts.shown.size(), r.Addresses()), std::tuple(3u, QStringList{"10", "12", "11", "13", "14"}));
            if (t.layout == context::Layout::Desktop)
                QCOMPARE(r.Find<QLabel>("status")->text(), QString("<Images: 3/5 - Memory: 24/262144 (Byte)>"));
            r.Find<QListWidget>("addressList")->setCurrentRow(2);
            r.Click("print");
            r.Click("removeStored");
            QCOMPARE(r.printer().printed(), std::vector<std::string>{"11"});
            QCOMPARE(r.Addresses(), (QStringList{"10", "12", "13", "14"}));
        }
    }

    void addressWindowAsksPerImageAndItsCancelStopsTheDownload() {
        for (const LayoutTexts& t : kLayouts) {
            NvWindowRig r(t.layout, {"A1"});
            r.Add({r.Bitmap("a.bmp", 8, 2)});
            r.Add({r.Bitmap("b.bmp", 8, 2)});
            int asked = 0;
            ui::test::WhenShown answer("nvAddress", [&](QWidget* w) {
                auto* code = w->findChild<QLineEdit*>("code");
                QCOMPARE(code->text(), QString("00"));
                if (++asked == 1) {
                    code->setText("A1");  // held already: refused, the window stays
                    w->findChild<QPushButton*>("ok")->click();
                    QVERIFY(w->isVisible());
                    code->setText("a1");
                    w->findChild<QPushButton*>("ok")->click();
                } else {
                    w->findChild<QPushButton*>("cancel")->click();
                }
            });
            r.Click("download");
            QCOMPARE(asked, 2);
            CheckBox(r.prompts.shown[2], "Pelmora", "Exists address!");
            CheckBox(r.LastBox(), t.boxTitle, "Cancel to download image.", PromptIcon::Warning);  // nothing sent: NvManagerTest
        }
    }

    void escMidDownloadKeepsTheSentImagesAndLeavesTheCount() {
        NvWindowRig r(context::Layout::Desktop, {});
        r.Find<QCheckBox>("autoAddressing")->setChecked(true);
        r.Add({r.Bitmap("a.bmp", 8, 2), r.Bitmap("b.bmp", 8, 2), r.Bitmap("c.bmp", 8, 2)});
        int blocks = 0;
        auto* tick = r.window->findChild<QTimer*>("brightnessTick");
        bool tickedInJob = false;
        QObject::connect(&r.host.dialog(), &ui::JobProgressDialog::phaseStarted, [&](int phase) {
            tickedInJob |= tick->isActive();  // it edits the list the phases read
            if (phase == 2000 && ++blocks == 2) QTest::keyClick(&r.host.dialog(), Qt::Key_Escape);
        });
        r.Click("download");
        QVERIFY(!tickedInJob && tick->isActive());
        CheckBox(r.LastBox(), "NV Image Manager", "Download process is stoped...");
        // Esc as the second image's block starts: that image is never begun.
        QCOMPARE(r.printer().keyCodeImages().size(), 1u);
        std::uint32_t count = 0;
        QVERIFY(!r.rig.store.GetRegDword(nv::NvKey, "Count", count));
        // The list is read again after the job, as after every download.
        QCOMPARE(r.Addresses(), (QStringList{"10"}));
    }

    void catalogueIsSavedOnExitAndOnTheCloseBoxAndReloaded() {
        NvWindowRig r(context::Layout::Desktop, {});
        r.Add({r.Bitmap("a.bmp", 8, 2)});
        SelectRows(r, {0});
        r.Find<QSlider>("brightness")->setValue(40);
        r.Add({r.Bitmap("b.bmp", 8, 2)});
        r.Click("exit");  // no tick came between: the move and the add still count
        QVERIFY(StoredEntry(r, 1).endsWith("a.bmp,040"));
        QVERIFY(StoredEntry(r, 2).endsWith("b.bmp,040"));
        QVERIFY(r.nv.addressList().empty());

        r.window = std::make_unique<ui::NvImageManager>(context::Layout::Desktop, r.nv, r.manager, r.host, r.prompts);
        QCOMPARE(std::tuple(r.Names(), r.Brightness(), r.Find<QCheckBox>("asPrinted")->isChecked()),
                 std::tuple(std::vector<std::string>{"1:a.bmp", "2:b.bmp"}, std::vector<std::int32_t>{40, 40}, false));
        r.Click("reset");
        r.window->show();
        QVERIFY(r.window->close());
        QVERIFY(StoredEntry(r, 1).isEmpty());

        // A list that could not be stored would be gone at the next opening: the window says so.
        r.window = std::make_unique<ui::NvImageManager>(context::Layout::Desktop, r.nv, r.manager, r.host, r.prompts);
        r.Add({r.Bitmap("c.bmp", 8, 2)});
        std::filesystem::remove(r.rig.store.path());
        std::filesystem::create_directory(r.rig.store.path());
        const std::size_t before = r.prompts.shown.size();
        r.Click("exit");
        QCOMPARE(r.prompts.shown.size(), before + 1);
        QVERIFY(r.prompts.shown.back().text.startsWith("The image list could not be stored."));
    }

    // Two characters a key code can carry; a code held already, and case, are the
    // download's case and CheckAddressCode's.
    void addressWindowTakesOnlyTwoKeyCodeCharacters() {
        for (const QString& typed : {QString(" ~"), QString("10"), QString("1"), QString(), QString("\t1"), QString::fromUtf8("\xc3\xa9" "1")}) {
            const bool accepted = typed == " ~" || typed == "10";  // "10" is no "10x"
            ui::test::ScriptedPrompts prompts;
            NvAddressWindow window(context::Layout::Desktop, {"A1", "10x"}, prompts);
            window.show();
            window.findChild<QLineEdit*>("code")->setText(typed);
            window.findChild<QPushButton*>("ok")->click();
            QVERIFY2(window.isVisible() != accepted, qPrintable(typed));  // a refused code stays for another try
            QCOMPARE(prompts.shown.size(), std::size_t(accepted ? 0 : 1));
            if (accepted) QCOMPARE(QString::fromLatin1(window.Code().c_str()), typed);
            else CheckBox(prompts.shown.at(0), "Pelmora", "Invalid value!");
        }
    }

    // The launch both programs call, when its opening job fails; the manager it
    // opens is followed end to end from each program's own button.
    void launchWithAFailedCheckShowsTheJobsMessageAndOpensNoManager() {
        const struct { Layout layout; const char* faultyQuery; QString title, message; } cases[] = {
            {Layout::Desktop, "maker", "Pelmora", "Printer model is not matched!"},
            {Layout::Handheld, "model", "NV Manager Utility", "Printer Model name not matched...!!"},
        };
        for (const auto& c : cases) {
            test::PrinterRig rig;
            ui::VirtualPhaseTimer timer{rig.platform.virtualClock()};
            ui::test::ScriptedPrompts prompts;
            rig.printer.faults.perCommand[c.faultyQuery] = sim::Fault::WrongHeader;
            ui::test::WhenShown manager("nvManager", [](QWidget* w) { w->close(); });
            ui::LaunchNvManager(nullptr, c.layout, rig.util, rig.store, prompts, &timer);
            QCOMPARE(std::tuple(manager.shown, prompts.shown.size(), rig.util.link().IsOpen()), std::tuple(0, 1u, false));
            // As plain as the memory-switch job's.
            QCOMPARE(std::tuple(prompts.shown[0].title, prompts.shown[0].icon), std::tuple(c.title, ui::PromptIcon::None));
            QVERIFY2(prompts.shown[0].text.startsWith(c.message), qPrintable(prompts.shown[0].text));
        }
    }
};

PELMORA_SNAPSHOT_MAIN(NvImageManagerTest)
#include "NvImageManagerTest.moc"
