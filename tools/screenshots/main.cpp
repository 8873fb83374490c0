// pelmora_screenshots desktop OUTDIR QMDIR | handheld OUTDIR: renders one
// program's windows offscreen to OUTDIR/*.png, on a screen of that program's
// size, each window as it opens there (QMDIR: the compiled translations).
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QTemporaryFile>
#include <QEventLoop>
#include <QProgressBar>
#include <QLocale>

#include "ScreenshotRig.h"
#include "ui/AppIcon.h"
#include "desktop/AboutBox.h"
#include "desktop/MainWindow.h"
#include "handheld/FormFactor.h"
#include "windows/firmware/FirmwareWindow.h"
#include "ui/JobProgressDialog.h"
#include "ui/LanguageLoader.h"
#include "ui/PhaseTimer.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/VmsmJobRunner.h"

namespace pelmora::screenshots {

namespace {

void RenderMain(Renderer& renderer, Rig& rig, const QString& name) {
    const desktop::UsbPrinterSource usb{
        [] { return std::vector<link::UsbPrinterInfo>{{"USB01", "/dev/usb/lp0"}, {"USB02", "/dev/usb/lp1"}}; },
        [](const std::string&) { return true; }};
    desktop::MainWindow window({rig.store, rig.platform, rig.prompts, usb, false});
    renderer.Save(window, name);
}

// The progress window while GetStatus reads the switches.
}  // namespace

void RenderProgress(Renderer& renderer, Rig& rig) {
    context::PrinterContext util(rig.platform);
    util.HandOver(Rig::VirtualPrinter());
    vmsm::MemorySwitchEngine engine(util);
    ui::VirtualPhaseTimer timer(rig.platform.virtualClock());
    ui::JobProgressDialog dialog(context::Layout::Desktop, nullptr, &timer);
    vmsm::VmsmJobRunner runner(engine, dialog.view(), vmsm::VmsmJob::GetStatus);
    bool grabbed = false;
    QObject::connect(&dialog, &ui::JobProgressDialog::phaseStarted, [&](int phase) {
        if (phase == 101 && !grabbed) {
            grabbed = true;
            renderer.Grab(dialog, QStringLiteral("progress-get-status"));
        }
    });
    dialog.Run(runner);
    if (!grabbed) {
        std::fprintf(stderr, "the progress window never reached the switch reads\n");
        renderer.ok = false;
    }
}

// The firmware window halfway through sending a file to the virtual printer.
void RenderFirmware(Renderer& renderer, Rig& rig) {
    const QString file = rig.dir.filePath(QStringLiteral("printer.fls"));
    std::ofstream(file.toStdString(), std::ios::binary) << std::string(10 * 4096, '\x5a');
    rig.prompts.chosen = file;
    ui::FirmwareWindow dialog(rig.platform, Rig::VirtualPrinter(), rig.prompts);
    dialog.show();
    bool grabbed = false;
    QObject::connect(dialog.findChild<QProgressBar*>(QStringLiteral("bar")), &QProgressBar::valueChanged,
                     [&](int value) {
                         if (value >= 50 && !grabbed) {
                             grabbed = true;
                             renderer.Grab(dialog, QStringLiteral("firmware-download"));
                         }
                     });
    QEventLoop finished;
    QObject::connect(&dialog, &ui::FirmwareWindow::downloadFinished, &finished, &QEventLoop::quit);
    dialog.StartDownload();
    if (dialog.Sending()) finished.exec();
    if (!grabbed) {
        std::fprintf(stderr, "the firmware window never reached half way\n");
        renderer.ok = false;
    }
}
void RenderMainWindows(Renderer& renderer, Rig& rig) {
    const std::pair<std::int32_t, const char*> interfaces[] = {
        {link::PortSerial, "main-serial"}, {link::PortBluetooth, "main-bluetooth"},
        {link::PortUsb, "main-usb"}, {link::PortTcp, "main-tcp"}};
    for (const auto& [type, name] : interfaces) {
        rig.Store(type, type == link::PortTcp ? "NET192.168.0.10" : type == link::PortUsb ? "/dev/usb/lp1" : "COM3");
        RenderMain(renderer, rig, QString::fromLatin1(name));
    }
    desktop::AboutBox about;
    renderer.Save(about, QStringLiteral("about"));
}

}  // namespace pelmora::screenshots

using namespace pelmora;
using namespace pelmora::screenshots;

namespace {

// A roomy desktop monitor; the handheld's own screen.
constexpr QSize kDesktopScreen{1920, 1080};

// The offscreen platform reads its one screen from this file.
bool DescribeScreen(QTemporaryFile& file, QSize size) {
    if (!file.open()) return false;
    file.write(QStringLiteral(R"({"screens": [{"name": "shots", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96, "dpr": 1}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
    return true;
}

int RenderDesktop(QApplication& app, Renderer& renderer, const QString& qmDir) {
    Rig rig;
    RenderMainWindows(renderer, rig);
    RenderProgress(renderer, rig);
    RenderFirmware(renderer, rig);
    RenderNv(renderer, rig);
    RenderMemorySwitch(renderer, rig);
    RenderFindPrinters(renderer);
    if (ui::InstallLanguage(app, QLocale(QLocale::German, QLocale::Germany), {qmDir}).isEmpty()) {
        std::fprintf(stderr, "no German translation in %s\n", qPrintable(qmDir));
        return 1;
    }
    rig.Store(link::PortSerial, "COM1");
    RenderMain(renderer, rig, QStringLiteral("main-german"));
    return renderer.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool handheld = mode == "handheld";
    if (!(mode == "desktop" || handheld) || argc != 4) {
        std::fprintf(stderr, "usage: pelmora_screenshots desktop|handheld OUTDIR QMDIR\n");
        return 2;
    }
    QTemporaryFile screen;
    if (!DescribeScreen(screen, handheld ? handheld::kScreenSize : kDesktopScreen)) return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setWindowIcon(ui::AppIcon());
    Renderer renderer{QString::fromLocal8Bit(argv[2])};
    QDir().mkpath(renderer.outDir);
    if (!handheld) return RenderDesktop(app, renderer, QString::fromLocal8Bit(argv[3]));
    Rig rig;
    RenderHandheld(renderer, rig);
    // The handheld speaks the system's language as well.
    if (ui::InstallLanguage(app, QLocale(QLocale::German, QLocale::Germany), {QString::fromLocal8Bit(argv[3])}).isEmpty()) {
        std::fprintf(stderr, "no German translation in %s\n", argv[3]);
        return 1;
    }
    RenderHandheldGerman(renderer, rig);
    return renderer.ok ? 0 : 1;
}
