#include "handheld/HandheldStart.h"

#include <cstdlib>
#include <string>

#include <QApplication>

#include "context/SystemPlatform.h"
#include "context/SettingsStore.h"
#include "handheld/ConnectionScreen.h"
#include "handheld/FormFactor.h"
#include "handheld/HandheldTools.h"
#include "ui/AppIcon.h"
#include "ui/LanguageLoader.h"
#include "ui/Prompts.h"

namespace pelmora::handheld {

int RunPelmoraCe(QApplication& app) {
    // The system's language, from the desktop's translations, before any window is built.
    ui::InstallLanguage(app, QLocale::system(), ui::TranslationFolders());
    HandheldWindows shaped;
    app.installEventFilter(&shaped);
    QApplication::setWindowIcon(ui::AppIcon());
    context::SettingsStore store = context::SettingsStore::OpenDefault();
    const auto platform = context::StartSystemPlatform([&store]() -> const context::SettingsStore& { return store; });

    ui::Prompts& prompts = ui::SystemPrompts();
    ConnectionScreen window({.store = store,
                           .platform = *platform,
                           .prompts = prompts,
                           .editSentinels = HandheldSentinelWindow(prompts),
                           .launchNv = HandheldNvManager(store, prompts)});
    window.exec();
    return 0;
}

}  // namespace pelmora::handheld
