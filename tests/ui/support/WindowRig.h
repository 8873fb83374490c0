#pragma once
// What a window test over the virtual printer starts from: a store of its own,
// the printer on virtual time, a phase timer on that clock and scripted boxes.
#include "context/SettingsStore.h"
#include "sim/VirtualPlatform.h"
#include "support/PrinterRig.h"
#include "ui/PhaseTimer.h"
#include "ui/support/ScriptedPrompts.h"

namespace pelmora::ui::test {

struct WindowRig {
    pelmora::test::TempDir dir;
    context::SettingsStore store{dir / "registry.reg"};
    sim::PrinterModel printer;
    sim::VirtualPlatform platform{printer};
    VirtualPhaseTimer timer{platform.virtualClock()};
    ScriptedPrompts prompts;

    std::string StoredPort() const {
        std::string port;
        store.GetRegString(context::ProductKey, "uPort", port);
        return port;
    }
    std::uint32_t StoredNumber(const char* name) const {
        std::uint32_t value = 0;
        store.GetRegDword(context::ProductKey, name, value);
        return value;
    }
};

}  // namespace pelmora::ui::test
