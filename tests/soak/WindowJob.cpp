// One memory-switch job through the real windows, headless, against a printer
// on TCP: what scripts/soak runs beside the command line. A person's hand is
// played by clicks; with --cancel-after MS the Cancel of the progress window is
// pressed that long into the job, and the window must end within 2 s of it.
//   soak_window_job desktop|handheld save|default STORE HOST PORT [--cancel-after MS]
// Exit: 0 success or a cancel honoured, 1 a failure the window told the
// person about, 4 a job that ended saying nothing, 5 a Cancel not honoured in time.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTimer>

#include "context/SettingsStore.h"
#include "context/SystemPlatform.h"
#include "desktop/MainWindow.h"
#include "handheld/ConnectionScreen.h"
#include "handheld/WizardStepWindow.h"
#include "ui/JobProgressDialog.h"
#include "ui/support/Controls.h"
#include "ui/support/ScriptedPrompts.h"
#include "windows/memory_switches/MemorySwitchJob.h"
#include "windows/memory_switches/MemorySwitchManager.h"

using namespace pelmora;
using Clock = std::chrono::steady_clock;
using ui::test::Click;
using ui::test::Type;

namespace {

struct Job {
    bool handheld = false;
    bool factoryDefault = false;
    int cancelAfterMs = -1;
    Clock::time_point cancelledAt{};
    bool cancelled = false;
};

// Presses the progress window's Cancel if one is up; a job already past its
// exchanges has nothing left to cancel.
void ArmCancel(Job& job) {
    if (job.cancelAfterMs < 0) return;
    QTimer::singleShot(job.cancelAfterMs, qApp, [&job] {
        auto* dialog = qobject_cast<ui::JobProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        job.cancelled = true;
        job.cancelledAt = Clock::now();
        Click(*dialog, "cancelButton");
    });
}

void RunDesktop(Job& job, context::SettingsStore& store, link::Platform& platform, ui::Prompts& prompts,
                const QString& host, const QString& port) {
    desktop::MainWindow window(desktop::MainWindow::Services{store, platform, prompts, {[] {
        return std::vector<link::UsbPrinterInfo>{}; }, [](const std::string&) { return false; }}});
    ui::test::Choose(window, "interfaceList", link::PortTcp);
    Type(window, "addressEdit", host);
    Type(window, "tcpPortEdit", port);
    QObject::connect(&window.memorySwitchJob(), &ui::MemorySwitchJob::managerOpened,
                     [&job](ui::MemorySwitchManager* manager) {
                         if (job.factoryDefault) return Click(*manager, "default");
                         auto* density = ui::test::Find<QComboBox>(*manager, "density");
                         density->setCurrentIndex(std::rand() % density->count());
                         ArmCancel(job);
                         Click(*manager, "save");
                     });
    ArmCancel(job);
    Click(window, "vmsmButton");
}

void RunHandheld(Job& job, context::SettingsStore& store, link::Platform& platform, ui::Prompts& prompts,
                 const QString& host, const QString& port) {
    int step = 0;
    handheld::ConnectionScreen::Services services{.store = store, .platform = platform, .prompts = prompts};
    services.driveSteps = [&job, &step](handheld::WizardStepWindow& window) {
        if (++step == 1 && job.factoryDefault) return Click(window, "defaultButton");
        if (step == 4) ui::test::Choose(window, "baudList", std::rand() % 7);
        if (step == 5) ArmCancel(job);
        Click(window, step == 5 ? "saveButton" : "nextButton");
    };
    handheld::ConnectionScreen screen(std::move(services));
    ui::test::Find<QAbstractButton>(screen, "tcpCheck")->setChecked(true);
    Type(screen, "addressEdit", host);
    Type(screen, "tcpPortEdit", port);
    ArmCancel(job);
    Click(screen, "vmsmButton");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr, "usage: soak_window_job desktop|handheld save|default STORE HOST PORT [--cancel-after MS]\n");
        return 2;
    }
    const bool cancels = argc >= 8 && std::string(argv[6]) == "--cancel-after";
    Job job{.handheld = std::string(argv[1]) == "handheld", .factoryDefault = std::string(argv[2]) == "default",
            .cancelAfterMs = cancels ? std::atoi(argv[7]) : -1};
    std::srand(static_cast<unsigned>(Clock::now().time_since_epoch().count()));

    context::SettingsStore store{std::string(argv[3])};
    auto platform = context::StartSystemPlatform([&store]() -> const context::SettingsStore& { return store; });
    ui::test::ScriptedPrompts prompts;
    prompts.answers = {true, true, true, true};
    if (job.handheld)
        RunHandheld(job, store, *platform, prompts, argv[4], argv[5]);
    else
        RunDesktop(job, store, *platform, prompts, argv[4], argv[5]);

    const QStringList messages = prompts.Messages();
    for (const QString& m : messages) std::fprintf(stderr, "shown: %s\n", qPrintable(QString(m).replace("\r\n", " ")));
    if (job.cancelled) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - job.cancelledAt).count();
        if (ms > 2000) {
            std::fprintf(stderr, "the window ended %lld ms after Cancel\n", static_cast<long long>(ms));
            return 5;
        }
        return 0;
    }
    // The two programs spell their success with a different case.
    if (messages.isEmpty()) return 4;
    return messages.last().startsWith("Success to set VMSM", Qt::CaseInsensitive) ? 0 : 1;
}
