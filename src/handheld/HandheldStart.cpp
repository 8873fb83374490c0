#include "handheld/HandheldStart.h"

#include <cstdlib>
#include <string>

#include <QApplication>

#include "context/PortMap.h"
#include "context/SettingsStore.h"
#include "handheld/ConnectionScreen.h"
#include "handheld/FormFactor.h"
#include "handheld/HandheldTools.h"
#include "link/RealPlatform.h"
#include "ui/AppIcon.h"
#include "ui/Prompts.h"

namespace pelmora::handheld {

int RunPelmoraCe(QApplication& app) {
    HandheldWindows shaped;
    app.installEventFilter(&shaped);
    QApplication::setWindowIcon(ui::AppIcon());
    context::SettingsStore store = context::SettingsStore::OpenDefault();
    link::NullTrace quiet;
    link::StderrTrace loud;
    const char* trace = std::getenv("PELMORA_TRACE");
    const bool traced = trace && *trace && std::string(trace) != "0";
    link::RealPlatform platform([&store](const std::string& name) { return context::ResolvePortName(store, name); },
                                traced ? static_cast<link::TraceSink&>(loud) : quiet);

    ui::Prompts& prompts = ui::SystemPrompts();
    ConnectionScreen window({.store = store,
                           .platform = platform,
                           .prompts = prompts,
                           .editSentinels = HandheldSentinelWindow(prompts),
                           .launchNv = HandheldNvManager(store, prompts)});
    window.exec();
    return 0;
}

}  // namespace pelmora::handheld
