// pelmora_screenshots OUTDIR QMDIR: renders the windows offscreen to OUTDIR/*.png,
// with the translations compiled into QMDIR.
#include <cstdio>
#include <functional>
#include <string>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>

#include "context/SettingsStore.h"
#include "desktop/AppIcon.h"
#include "desktop/CAboutDlg.h"
#include "desktop/CQ700TCUtilityDlg.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualPlatform.h"
#include "ui/LanguageLoader.h"
#include "ui/Prompts.h"

namespace {

using namespace pelmora;

// Boxes would block an unattended run; the pictures show the windows only.
class SilentPrompts final : public ui::Prompts {
public:
    void Message(QWidget*, const QString&, const QString&, ui::PromptIcon) override {}
    bool Ask(QWidget*, const QString&, const QString&, ui::PromptIcon) override { return false; }
    QStringList ChooseFiles(QWidget*, const ui::FileChoice&) override { return {}; }
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

    if (ui::InstallLanguage(app, QLocale(QLocale::German, QLocale::Germany), {qmDir}).isEmpty()) {
        std::fprintf(stderr, "no German translation in %s\n", qPrintable(qmDir));
        return 1;
    }
    rig.Store(link::PortSerial, "COM1");
    rig.RenderMain(renderer, QStringLiteral("main-german"));
    return renderer.ok ? 0 : 1;
}
