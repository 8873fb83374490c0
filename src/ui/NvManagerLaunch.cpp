#include "ui/NvManagerLaunch.h"

#include <QCoreApplication>

#include "nv/CCommonNv.h"
#include "ui/CNVDlg.h"
#include "ui/CoreTexts.h"
#include "ui/JobWindowHost.h"
#include "ui/Prompts.h"

namespace pelmora::ui {

void LaunchNvManager(QWidget* parent, NvLayout layout, context::CCommonUtil& util, context::SettingsStore& store,
                     Prompts& prompts, PhaseTimer* timer) {
    const bool desktop = layout == NvLayout::Desktop;
    nv::CCommonNv nv(util, store);
    JobWindowHost host(desktop ? JobLayout::Desktop : JobLayout::Handheld, parent, timer);
    nv::NvManager manager(nv, host, CNVDlg::Variant(layout));
    const nv::NvOutcome opened = manager.Open();
    if (!opened.ok) {
        const QString title = desktop ? QCoreApplication::translate("pelmora::ui::NvManagerLaunch", "Pelmora")
                                      : QCoreApplication::translate("pelmora::ui::NvManagerLaunch", "NV Manager Utility");
        prompts.Message(parent, title, CoreText(opened.message));
        return;
    }
    {
        CNVDlg window(layout, nv, manager, prompts, parent);
        window.exec();
    }  // the catalogue is saved as the window goes
    manager.Close();
}

}  // namespace pelmora::ui
