#include "desktop/DesktopStart.h"

#include <cstdlib>
#include <string>

#include <QApplication>

#include "context/SystemPlatform.h"
#include "context/SettingsStore.h"
#include "ui/AppIcon.h"
#include "ui/FocusFrameStyle.h"
#include "desktop/MainWindow.h"
#include "desktop/StartupProbe.h"
#include "ui/LanguageLoader.h"
#include "ui/Prompts.h"

namespace pelmora::desktop {

namespace {

bool EnvOn(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::string(value) != "0";
}

}  // namespace

int RunPelmoraPc(QApplication& app) {
    // Texts are looked up when the windows are built, so the language comes first.
    ui::InstallLanguage(app, QLocale::system(), ui::TranslationFolders());
    QApplication::setWindowIcon(ui::AppIcon());
    QApplication::setStyle(new ui::FocusFrameStyle);

    context::SettingsStore store = context::SettingsStore::OpenDefault();
    const auto platform = context::StartSystemPlatform([&store]() -> const context::SettingsStore& { return store; });

    MainWindow::Services services{store, *platform, ui::SystemPrompts(), SystemUsbPrinters(),
                                  MainWindow::FirmwareManagerWanted()};
    services.localPorts = [&platform] { return context::LocalCandidates(platform->trace()); };
    MainWindow window(std::move(services));
    if (EnvOn("PELMORA_STARTUP_PROBE")) new StartupProbe(window);
    window.exec();
    return 0;
}

}  // namespace pelmora::desktop
