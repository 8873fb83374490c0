#include <fstream>
#include <semaphore>
#include <thread>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "support/PrinterRig.h"
#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WidgetSnapshot.h"
#include "ui/Accessibility.h"
#include "windows/firmware/FirmwareWindow.h"

using namespace pelmora;
using ui::FirmwareWindow;
using ui::test::ScriptedPrompts;

namespace {

struct Window {
    test::PrinterRig rig;
    ScriptedPrompts prompts;
    FirmwareWindow dialog{rig.platform, rig.util.pendingSettings(), prompts};
    std::vector<int> progress;
    std::vector<bool> exitWhileSending;
    std::vector<bool> openAfterEscape;  ///< Esc pressed at each step: the window stays while sending

    Window() {
        QObject::connect(Bar(), &QProgressBar::valueChanged, [this](int value) {
            progress.push_back(value);
            exitWhileSending.push_back(Exit()->isEnabled());
            dialog.reject();
            openAfterEscape.push_back(dialog.isVisible());
        });
        dialog.show();
    }
    QProgressBar* Bar() { return dialog.findChild<QProgressBar*>("bar"); }
    QPushButton* Exit() { return dialog.findChild<QPushButton*>("exit"); }
    QString Status() { return dialog.findChild<QLabel*>("status")->text(); }

    QString File(const std::string& name, std::size_t size) {
        const auto path = rig.dir / name;
        std::ofstream out(path, std::ios::binary);
        for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>(i * 13));
        return QString::fromStdString(path.string());
    }

    /// Presses "Start Download" with `path` chosen and waits for the end.
    bool Download(const QString& path) {
        prompts.files.push_back({path});
        QSignalSpy finished(&dialog, &FirmwareWindow::downloadFinished);
        QTest::mouseClick(dialog.findChild<QPushButton*>("startDownload"), Qt::LeftButton);
        return finished.count() == 1 || finished.wait(10000);
    }
};

}  // namespace

class FirmwareWindowTest : public QObject {
    Q_OBJECT
private slots:
    void piecesShowTheirPercentages() {
        // An empty file leaves the bar at 0.
        const std::pair<std::size_t, std::vector<int>> cases[] = {{8192, {50, 100}}, {9000, {45, 91, 100}}, {0, {}}};
        for (const auto& [size, percents] : cases) {
            Window w;
            QVERIFY(w.Download(w.File("printer.fls", size)));
            QCOMPARE(w.progress, percents);
            QCOMPARE(w.Bar()->value(), size ? 100 : 0);
            QCOMPARE(w.prompts.Messages(), QStringList{"Success to download firmware!"});
            QCOMPARE(w.prompts.shown.back().title, QString("Pelmora"));
            QCOMPARE(w.prompts.shown.back().icon, ui::PromptIcon::Information);
            QCOMPARE(w.Status(), QString("Finished to download firmware and Reset the printer!"));
            for (bool enabled : w.exitWhileSending) QVERIFY(!enabled);
            for (bool open : w.openAfterEscape) QVERIFY(open);
            QVERIFY(w.Exit()->isEnabled());
            QCOMPARE(w.rig.platform.writeSizes().size(), (size + 4095) / 4096);
        }
    }

    // A window destroyed while it sends (the program ends) stops after the
    // piece on the wire instead of waiting for the rest of the file.
    void destroyedWhileSendingStopsAfterThePiece() {
        test::PrinterRig rig;
        ScriptedPrompts prompts;
        auto dialog = std::make_unique<FirmwareWindow>(rig.platform, rig.util.pendingSettings(), prompts);
        FirmwareWindow* window = dialog.get();
        std::binary_semaphore inSecondPiece(0);
        rig.platform.config().beforeWrite = [&](int index) {
            if (index != 1) return;
            inSecondPiece.release();
            while (!window->Stopping()) std::this_thread::yield();
        };
        const auto path = rig.dir / "printer.fls";
        std::ofstream(path, std::ios::binary) << std::string(10 * 4096, 'x');
        prompts.files.push_back({QString::fromStdString(path.string())});
        QTest::mouseClick(dialog->findChild<QPushButton*>("startDownload"), Qt::LeftButton);
        inSecondPiece.acquire();
        dialog.reset();
        QCOMPARE(rig.platform.writeSizes(), (std::vector<int>{4096, 4096}));
        QVERIFY(prompts.shown.size() == 1);  // the file choice, no box
    }

    // A cancelled choice changes nothing; the next starts where the last file was.
    void opensAsItsSnapshotAndChoosesAFile() {
        Window w;
        QVERIFY(ui::test::MatchesSnapshot(w.dialog, "firmware"));
        QCOMPARE(ui::UnnamedControls(&w.dialog), QStringList{});
        QTest::mouseClick(w.dialog.findChild<QPushButton*>("startDownload"), Qt::LeftButton);
        QVERIFY(!w.dialog.Sending());
        QCOMPARE(w.Status(), QString("Select Firmware File(*.fls). "));
        QCOMPARE(w.rig.platform.openAttempts(), 0);
        const QString first = w.File("a.fls", 10);
        QVERIFY(w.Download(first));
        QVERIFY(w.Download(w.File("b.fls", 10)));
        const auto& choices = w.prompts.shown;  // no box but the choices and the two successes
        QCOMPARE(choices[0].choice.filter, QString("Firmware File(*.fls)"));
        QCOMPARE(choices[0].choice.initialPath, QString());
        QCOMPARE(choices[1].choice.initialPath, QString());
        QCOMPARE(choices[3].choice.initialPath, first);
    }

    // Refused files say why under the fixed message; nothing is sent.
    void refusedFilesGiveAClearBox() {
        Window w;
        const QString readOnly = w.File("ro.fls", 10);
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        const QString folder = QString::fromStdString(w.rig.dir.path().string());
        const std::pair<QString, QString> cases[] = {{readOnly, "is read-only."}, {folder, "is a folder."}};
        for (const auto& [path, why] : cases) {
            w.prompts.shown.clear();
            QVERIFY(w.Download(path));
            const QStringList lines = w.prompts.Messages().value(0).split('\n');
            QCOMPARE(lines.value(0), QString("Error : File Open Error!"));
            QVERIFY2(lines.value(1).endsWith(why), qPrintable(lines.value(1)));
            QCOMPARE(w.Status(), QString("Ready firmware download."));
            QVERIFY(w.Exit()->isEnabled());
        }
        QCOMPARE(w.rig.platform.openAttempts(), 0);
    }

    void failuresEndWithTheirBoxAndExitEnabled() {
        const struct { bool portFails; std::size_t size; QString message; std::vector<int> progress; QString status; } cases[] = {
            {false, 9000, "Error : Send Failed!", {45}, "Finished to download firmware and Reset the printer!"},
            {true, 10, "Error : OpenPort! Please check printer", {}, "Firmware is downloading...Don't turn off the printer!!!"},
        };
        for (const auto& c : cases) {
            Window w;
            if (c.portFails) w.rig.platform.config().tcpAddress = "127.0.0.9";
            else w.rig.platform.config().shortWritesFrom = 1;
            QVERIFY(w.Download(w.File("printer.fls", c.size)));
            QCOMPARE(w.prompts.Messages(), QStringList{c.message});
            QCOMPARE(w.prompts.shown.back().icon, ui::PromptIcon::Warning);
            QCOMPARE(w.progress, c.progress);
            QCOMPARE(w.Status(), c.status);
            QVERIFY(w.Exit()->isEnabled());
        }
    }
};

PELMORA_SNAPSHOT_MAIN(FirmwareWindowTest)
#include "FirmwareWindowTest.moc"
