#include <fstream>
#include <semaphore>
#include <thread>

#include <QtTest>
#include <QtWidgets>

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
    std::unique_ptr<FirmwareWindow> dialog = std::make_unique<FirmwareWindow>(rig.platform, rig.util.pendingSettings(), prompts);
    std::vector<int> progress;
    int exitsWhileSending = 0;  ///< Exit enabled, or Esc closing the window, at a step

    Window() {
        QObject::connect(Bar(), &QProgressBar::valueChanged, [this](int value) {
            progress.push_back(value);
            exitsWhileSending += Exit()->isEnabled();
            dialog->reject();
            exitsWhileSending += !dialog->isVisible();
        });
        dialog->show();
    }
    QProgressBar* Bar() { return dialog->findChild<QProgressBar*>("bar"); }
    QPushButton* Exit() { return dialog->findChild<QPushButton*>("exit"); }
    QString Status() { return dialog->findChild<QLabel*>("status")->text(); }

    QString File(const std::string& name, std::size_t size) {
        const auto path = rig.dir / name;
        std::ofstream out(path, std::ios::binary);
        for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>(i * 13));
        return QString::fromStdString(path.string());
    }

    /// Presses "Start Download" with `path` chosen and waits for the end.
    bool Download(const QString& path) {
        prompts.files.push_back({path});
        QSignalSpy finished(dialog.get(), &FirmwareWindow::downloadFinished);
        Start();
        return finished.count() == 1 || finished.wait(10000);
    }
    void Start() { QTest::mouseClick(dialog->findChild<QPushButton*>("startDownload"), Qt::LeftButton); }
};

}  // namespace

class FirmwareWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Each piece shows its percentage (an empty file leaves the bar at 0); a
    // failure ends with its warning. Exit and Esc do nothing while it sends.
    // The pieces themselves are FirmwareDownloadTest's.
    void downloadsEndWithTheirBoxAndExitEnabled() {
        enum Fault { None, ShortWrite, NoPort };
        const QString ok = "Success to download firmware!", finished = "Finished to download firmware and Reset the printer!";
        const struct { std::size_t size; Fault fault; QString message; std::vector<int> progress; QString status; } cases[] = {
            {8192, None, ok, {50, 100}, finished}, {9000, None, ok, {45, 91, 100}, finished}, {0, None, ok, {}, finished},
            {9000, ShortWrite, "Error : Send Failed!", {45}, finished},
            {10, NoPort, "Error : OpenPort! Please check printer", {}, "Firmware is downloading...Don't turn off the printer!!!"},
        };
        for (const auto& c : cases) {
            Window w;
            if (c.fault == NoPort) w.rig.platform.config().tcpAddress = "127.0.0.9";
            if (c.fault == ShortWrite) w.rig.platform.config().shortWritesFrom = 1;
            QVERIFY(w.Download(w.File("printer.fls", c.size)));
            QCOMPARE(std::tuple(w.progress, w.Bar()->value(), w.Status(), w.exitsWhileSending, w.Exit()->isEnabled()),
                     std::tuple(c.progress, c.progress.empty() ? 0 : c.progress.back(), c.status, 0, true));
            const ui::PromptIcon icon = c.fault == None ? ui::PromptIcon::Information : ui::PromptIcon::Warning;
            QCOMPARE(std::tuple(w.prompts.Messages(), w.prompts.shown.back().title, w.prompts.shown.back().icon),
                     std::tuple(QStringList{c.message}, QString("Pelmora"), icon));
        }
    }

    // A window destroyed while it sends (the program ends) stops after the
    // piece on the wire instead of waiting for the rest of the file.
    void destroyedWhileSendingStopsAfterThePiece() {
        Window w;
        FirmwareWindow* window = w.dialog.get();
        std::binary_semaphore inSecondPiece(0);
        w.rig.platform.config().beforeWrite = [&](int index) {
            if (index != 1) return;
            inSecondPiece.release();
            while (!window->Stopping()) std::this_thread::yield();
        };
        w.prompts.files.push_back({w.File("printer.fls", 10 * 4096)});
        w.Start();
        inSecondPiece.acquire();
        w.dialog.reset();
        QCOMPARE(std::tuple(w.rig.platform.writeSizes(), w.prompts.shown.size()), std::tuple(std::vector<int>{4096, 4096}, 1u));  // no box
    }

    // A cancelled choice changes nothing; the next starts where the last file was.
    void opensAsItsSnapshotAndChoosesAFile() {
        Window w;
        QVERIFY(ui::test::MatchesSnapshot(*w.dialog, "firmware"));
        QCOMPARE(ui::UnnamedControls(w.dialog.get()), QStringList{});
        w.Start();
        QCOMPARE(std::tuple(w.dialog->Sending(), w.Status(), w.rig.platform.openAttempts()),
                 std::tuple(false, QString("Select Firmware File(*.fls). "), 0));
        const QString first = w.File("a.fls", 10);
        QVERIFY(w.Download(first));
        QVERIFY(w.Download(w.File("b.fls", 10)));
        const auto& choices = w.prompts.shown;  // no box but the choices and the two successes
        QCOMPARE(QStringList({choices[0].choice.filter, choices[0].choice.initialPath, choices[1].choice.initialPath,
                              choices[3].choice.initialPath}), QStringList({"Firmware File(*.fls)", "", "", first}));
    }

    // Refused files say why under the fixed message (that nothing is sent: FirmwareDownloadTest).
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
            QCOMPARE(std::tuple(w.Status(), w.Exit()->isEnabled()), std::tuple(QString("Ready firmware download."), true));
        }
    }
};

PELMORA_SNAPSHOT_MAIN(FirmwareWindowTest)
#include "FirmwareWindowTest.moc"
