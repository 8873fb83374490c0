// The handheld program's windows as pelmora_ce shows them on its 480 x 640
// screen: the connection screen in both modes, the five wizard steps of a
// printer on firmware 160902 whose MSR reads encrypted cards only ("P"), the
// sentinel window, the NV manager and a message box.
#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ScreenshotRig.h"
#include "handheld/ConnectionScreen.h"
#include "handheld/FormFactor.h"
#include "handheld/WizardSteps.h"
#include "link/CommSettings.h"
#include "nv/NvEngine.h"
#include "nv/NvManager.h"
#include "ui/JobWindowHost.h"
#include "ui/PhaseTimer.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "windows/nv_images/NvImageManager.h"

namespace pelmora::screenshots {

namespace {

void RenderConnectionAndWizard(Renderer& renderer, Rig& rig) {
    const std::pair<bool, const char*> modes[] = {{false, "handheld-serial"}, {true, "handheld-tcp"}};
    for (const auto& [tcp, name] : modes) {
        rig.Store(tcp ? 2 : 0, tcp ? "NET192.168.0.10" : "COM3:");
        rig.store.SetRegDword(context::ProductKey, "uBaudrate", tcp ? 9100 : 115200);
        handheld::ConnectionScreen window({.store = rig.store, .platform = rig.platform, .prompts = rig.prompts});
        renderer.Save(window, QString::fromLatin1(name));
    }

    context::PrinterContext util(rig.platform);
    util.identityForTest().firmwareVersion = 160902;
    util.identityForTest().msrSetValue = 'P';
    util.identityForTest().modelName = "MPT-Q700VII";
    vmsm::PrinterConfig record;
    record.Service = 1;
    record.CuttingPosition = 120;
    record.TimeOff = 30;
    record.TimeSave = 100;
    record.BtPinCode = "0000";
    record.BtDeviceName = "MPT-Q700VII";
    handheld::WizardContext context{record, util, rig.prompts, {}};
    for (int step = 1; step <= handheld::kWizardSteps; ++step) {
        const auto dialog = handheld::MakeWizardStep(static_cast<handheld::WizardStep>(step), context, nullptr);
        renderer.Save(*dialog, QStringLiteral("handheld-step%1").arg(step));
    }
}

void RenderNvManager(Renderer& renderer, Rig& rig) {
    rig.StoreLogos();
    context::PrinterContext util(rig.platform);
    util.HandOver(Rig::VirtualPrinter());
    nv::NvEngine nv(util, rig.store);
    ui::VirtualPhaseTimer timer(rig.platform.virtualClock());
    ui::JobWindowHost host(context::Layout::Handheld, nullptr, &timer);
    nv::NvManager manager(nv, host, nv::HandheldNvJob());
    if (!manager.Open().ok) {  // as the launch does: check the printer, read its codes
        std::fprintf(stderr, "the handheld NV manager did not open on the virtual printer\n");
        renderer.ok = false;
    }
    ui::NvImageManager window(context::Layout::Handheld, nv, manager, host, rig.prompts);
    renderer.Save(window, QStringLiteral("nv-handheld"));
    manager.Close();
}

// The real box, through the prompts the program uses, drawn while it waits.
void RenderMessageBox(Renderer& renderer) {
    QTimer::singleShot(0, [&renderer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            std::fprintf(stderr, "no message box came up\n");
            renderer.ok = false;
            return;
        }
        renderer.Grab(*box, QStringLiteral("handheld-message"));
        box->accept();
    });
    ui::SystemPrompts().Message(nullptr, QStringLiteral("VMSM Manager Utility"),
                                QStringLiteral("Failed to save VMSM configuration!\r\nPlease check your printer state."));
}

}  // namespace

void RenderHandheldGerman(Renderer& renderer, Rig& rig) {
    handheld::HandheldWindows shaped;
    qApp->installEventFilter(&shaped);
    rig.Store(link::PortTcp, "NET192.168.0.10");
    rig.store.SetRegDword(context::ProductKey, "uBaudrate", 9100);
    handheld::ConnectionScreen window({.store = rig.store, .platform = rig.platform, .prompts = rig.prompts});
    renderer.Save(window, QStringLiteral("handheld-german"));
    qApp->removeEventFilter(&shaped);
}

void RenderHandheld(Renderer& renderer, Rig& rig) {
    handheld::HandheldWindows shaped;  // as pelmora_ce installs it
    qApp->installEventFilter(&shaped);
    RenderConnectionAndWizard(renderer, rig);
    ui::SentinelWindow sentinels(context::Layout::Handheld, rig.prompts, vmsm::SentinelDynamic,
                                 {"%", ";", ";", "?", "?", "?"});
    renderer.Save(sentinels, QStringLiteral("sentinels-handheld"));
    RenderNvManager(renderer, rig);
    RenderMessageBox(renderer);
    qApp->removeEventFilter(&shaped);
}

}  // namespace pelmora::screenshots
