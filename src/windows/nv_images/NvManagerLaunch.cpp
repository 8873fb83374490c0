#include "windows/nv_images/NvManagerLaunch.h"

#include <QCoreApplication>

#include "nv/NvEngine.h"
#include "windows/nv_images/NvImageManager.h"
#include "ui/CoreTexts.h"
#include "ui/JobWindowHost.h"
#include "ui/Prompts.h"

namespace pelmora::ui {

void LaunchNvManager(QWidget* parent, context::Layout layout, context::PrinterContext& util, context::SettingsStore& store,
                     Prompts& prompts, PhaseTimer* timer) {
    const bool desktop = layout == context::Layout::Desktop;
    nv::NvEngine nv(util, store);
    JobWindowHost host(layout, parent, timer);
    nv::NvManager manager(nv, host, NvImageManager::JobVariant(layout));
    const nv::NvOutcome opened = manager.Open();
    if (!opened.ok) {
        const QString title = desktop ? QCoreApplication::translate("pelmora::ui::NvManagerLaunch", "Pelmora")
                                      : QCoreApplication::translate("pelmora::ui::NvManagerLaunch", "NV Manager Utility");
        prompts.Message(parent, title, CoreText(opened.message));
        return;
    }
    {
        NvImageManager window(layout, nv, manager, host, prompts, parent);
        window.exec();
    }  // the catalogue is saved as the window goes
    manager.Close();
}

}  // namespace pelmora::ui
