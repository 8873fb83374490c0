// The handheld program's windows at the handheld's screen size: the
// connection screen in both modes and the five wizard steps of a printer on
// firmware 160902 whose MSR reads encrypted cards only ("P").
#include "ScreenshotRig.h"
#include "handheld/ConnectionScreen.h"
#include "handheld/FormFactor.h"
#include "handheld/WizardSteps.h"

namespace pelmora::screenshots {

namespace {

void SaveHandheld(Renderer& renderer, QWidget& window, const QString& name) {
    window.resize(handheld::kScreenSize);
    renderer.Save(window, name);
}

}  // namespace

void RenderHandheld(Renderer& renderer, Rig& rig) {
    const std::pair<bool, const char*> modes[] = {{false, "handheld-serial"}, {true, "handheld-tcp"}};
    for (const auto& [tcp, name] : modes) {
        rig.Store(tcp ? 2 : 0, tcp ? "NET192.168.0.10" : "COM3:");
        rig.store.SetRegDword(context::ProductKey, "uBaudrate", tcp ? 9100 : 115200);
        handheld::ConnectionScreen window({.store = rig.store, .platform = rig.platform, .prompts = rig.prompts});
        SaveHandheld(renderer, window, QString::fromLatin1(name));
    }

    context::CCommonUtil util(rig.platform);
    util.FirmwareVersion = 160902;
    util.MsrSetValue = 'P';
    util.ModelName = "MPT-Q700VII";
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
        SaveHandheld(renderer, *dialog, QStringLiteral("handheld-step%1").arg(step));
    }
}

}  // namespace pelmora::screenshots
