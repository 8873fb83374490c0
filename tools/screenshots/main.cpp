// pelmora_screenshots OUTDIR QMDIR: renders the windows offscreen to OUTDIR/*.png,
// with the translations compiled into QMDIR.
#include <cstdio>
#include <functional>
#include <string>

#include <fstream>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProgressBar>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>

#include "context/SettingsStore.h"
#include "desktop/AppIcon.h"
#include "desktop/CAboutDlg.h"
#include "desktop/CQ700TCUtilityDlg.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualPlatform.h"
#include "ui/CFirmwarednDlg.h"
#include "ui/JobProgressDialog.h"
#include "ui/LanguageLoader.h"
#include "ui/PhaseTimer.h"
#include "ui/Prompts.h"
#include "vmsm/CCommonVmsm.h"
#include "vmsm/VmsmJobRunner.h"

namespace {

using namespace pelmora;

// Boxes would block an unattended run; the pictures show the windows only.
// File choices answer with `chosen`.
class SilentPrompts final : public ui::Prompts {
public:
    void Message(QWidget*, const QString&, const QString&, ui::PromptIcon) override {}
    bool Ask(QWidget*, const QString&, const QString&, ui::PromptIcon) override { return false; }
    QStringList ChooseFiles(QWidget*, const ui::FileChoice&) override { return {chosen}; }
    QString chosen;
};

struct Renderer {
    QString outDir;
    bool ok = true;

    void Save(QWidget& window, const QString& name) {
        window.show();
        QApplication::processEvents();
        const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
        window.hide();
    }

    // For a window that is in the middle of something: drawn as it stands.
    void Grab(QWidget& window, const QString& name) {
        const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
};

struct Rig {
    QTemporaryDir dir;
    context::SettingsStore store{dir.filePath(QStringLiteral("registry.reg")).toStdString()};
    sim::PrinterModel printer;
    sim::VirtualPlatform platform{printer};
    SilentPrompts prompts;

    void Store(std::int32_t portType, const std::string& port) {
        store.SetRegDword(context::ProductKey, "uPortType", static_cast<std::uint32_t>(portType));
        store.SetRegString(context::ProductKey, "uPort", port);
    }

    void RenderMain(Renderer& renderer, const QString& name) {
        const desktop::UsbPrinterSource usb{
            [] { return std::vector<link::UsbPrinterInfo>{{"USB01", "/dev/usb/lp0"}, {"USB02", "/dev/usb/lp1"}}; },
            [](const std::string&) { return true; }};
        desktop::CQ700TCUtilityDlg window({store, platform, prompts, usb, false});
        renderer.Save(window, name);
    }

    static link::CommSettings VirtualPrinter() { return {link::PortTcp, "NET127.0.0.1", 9100, 8, 0, 0, 0}; }

    // The progress window while GetStatus reads the switches.
    void RenderProgress(Renderer& renderer) {
        context::CCommonUtil util(platform);
        util.PendingSettings = VirtualPrinter();
        util.ApplyPortSettings();
        vmsm::CCommonVmsm engine(util);
        ui::VirtualPhaseTimer timer(platform.virtualClock());
        ui::JobProgressDialog dialog(ui::JobLayout::Desktop, nullptr, &timer);
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
    void RenderFirmware(Renderer& renderer) {
        const QString file = dir.filePath(QStringLiteral("printer.fls"));
        std::ofstream(file.toStdString(), std::ios::binary) << std::string(10 * 4096, '\x5a');
        prompts.chosen = file;
        ui::CFirmwarednDlg dialog(platform, VirtualPrinter(), prompts);
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
        QObject::connect(&dialog, &ui::CFirmwarednDlg::downloadFinished, &finished, &QEventLoop::quit);
        dialog.StartDownload();
        if (dialog.Sending()) finished.exec();
        if (!grabbed) {
            std::fprintf(stderr, "the firmware window never reached half way\n");
            renderer.ok = false;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setWindowIcon(desktop::AppIcon());
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmora_screenshots OUTDIR QMDIR\n");
        return 2;
    }
    Renderer renderer{QString::fromLocal8Bit(argv[1])};
    const QString qmDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(renderer.outDir);

    Rig rig;
    const std::pair<std::int32_t, const char*> interfaces[] = {
        {link::PortSerial, "main-serial"}, {link::PortBluetooth, "main-bluetooth"},
        {link::PortUsb, "main-usb"}, {link::PortTcp, "main-tcp"}};
    for (const auto& [type, name] : interfaces) {
        rig.Store(type, type == link::PortTcp ? "NET192.168.0.10" : type == link::PortUsb ? "/dev/usb/lp1" : "COM3");
        rig.RenderMain(renderer, QString::fromLatin1(name));
    }
    desktop::CAboutDlg about;
    renderer.Save(about, QStringLiteral("about"));
    rig.RenderProgress(renderer);
    rig.RenderFirmware(renderer);

    if (ui::InstallLanguage(app, QLocale(QLocale::German, QLocale::Germany), {qmDir}).isEmpty()) {
        std::fprintf(stderr, "no German translation in %s\n", qPrintable(qmDir));
        return 1;
    }
    rig.Store(link::PortSerial, "COM1");
    rig.RenderMain(renderer, QStringLiteral("main-german"));
    return renderer.ok ? 0 : 1;
}
