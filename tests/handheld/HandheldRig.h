#pragma once
// The connection screen against the virtual printer on virtual time, with
// scripted boxes, a scripted sentinel window and a scripted NV launch, and
// the wizard's steps answered by a script instead of being shown.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QtTest>

#include "handheld/ConnectionScreen.h"
#include "handheld/WizardStepWindow.h"
#include "handheld/HandheldTools.h"
#include "handheld/WizardSteps.h"
#include "sim/ConfigHandler.h"
#include "ui/support/Controls.h"
#include "ui/support/WindowRig.h"

namespace pelmora::handheld::test {

using ui::test::Choose;
using ui::test::Click;
using ui::test::Find;
using ui::test::Items;
using ui::test::Type;

struct HandheldRig : ui::test::WindowRig {

    /// One action per step shown, in order; a step without one is left as it is
    /// (it ends cancelled).
    std::deque<std::function<void(WizardStepWindow&)>> steps;
    std::vector<int> shown;  ///< the steps shown, by number
    std::vector<link::CommSettings> nvLaunches;  ///< the printer context's settings at each NV launch
    bool realNvManager = false;                  ///< the shared NV launch and window instead of the script

    void Store(std::uint32_t portType, const std::string& port, std::uint32_t baud) {
        store.SetRegDword(context::ProductKey, "uPortType", portType);
        store.SetRegString(context::ProductKey, "uPort", port);
        store.SetRegDword(context::ProductKey, "uBaudrate", baud);
    }
    void StoreTcp() { Store(2, "NET127.0.0.1", 9100); }

    std::unique_ptr<ConnectionScreen> OpenTcp() {
        StoreTcp();
        return Open();
    }
    std::unique_ptr<ConnectionScreen> Open() {
        ConnectionScreen::Services services{.store = store, .platform = platform, .prompts = prompts, .timer = &timer};
        services.editSentinels = [](QWidget*, std::uint32_t&, std::array<std::string, 6>&) { return false; };
        services.launchNv = [this](QWidget*, context::PrinterContext& util) {
            nvLaunches.push_back(util.pendingSettings());
            QCOMPARE(util.link().settings().portType, util.pendingSettings().portType);
            QCOMPARE(util.link().OpenPort(), 1);  // as the NV job would
        };
        if (realNvManager) services.launchNv = HandheldNvManager(store, prompts, &timer);
        services.driveSteps = [this](WizardStepWindow& step) {
            shown.push_back(static_cast<int>(step.step()));
            if (steps.empty()) return;
            const auto action = std::move(steps.front());
            steps.pop_front();
            action(step);
        };
        return std::make_unique<ConnectionScreen>(std::move(services));
    }

    sim::PrinterSettings& held() { return printer.Handler<sim::ConfigHandler>()->settings; }
};

// One step over a record, with the printer facts the steps read.
struct StepRig {
    sim::PrinterModel printer;
    sim::VirtualPlatform platform{printer};
    context::PrinterContext util{platform};
    ui::test::ScriptedPrompts prompts;
    vmsm::PrinterConfig record;
    std::function<bool(std::uint32_t&, std::array<std::string, 6>&)> sentinels;
    WizardContext context{record, util, prompts,
                          [this](QWidget*, std::uint32_t& mode, std::array<std::string, 6>& texts) {
                              return sentinels && sentinels(mode, texts);
                          }};

    explicit StepRig(std::uint32_t firmware = 160902, std::uint8_t msrMode = '9') {
        util.identityForTest().firmwareVersion = firmware;
        util.identityForTest().msrSetValue = msrMode;
        util.identityForTest().modelName = "MPT-Q700VII";
    }
    std::unique_ptr<WizardStepWindow> Make(WizardStep step) { return MakeWizardStep(step, context, nullptr); }
};

/// Step actions.
inline std::function<void(WizardStepWindow&)> Press(const char* button) {
    return [button](WizardStepWindow& step) { Click(step, button); };
}
inline std::function<void(WizardStepWindow&)> Then(std::function<void(WizardStepWindow&)> first, const char* button) {
    return [first, button](WizardStepWindow& step) { first(step); Click(step, button); };
}

}  // namespace pelmora::handheld::test
