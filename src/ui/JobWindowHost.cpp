#include "ui/JobWindowHost.h"

namespace pelmora::ui {

JobWindowHost::JobWindowHost(context::Layout layout, QWidget* parent, PhaseTimer* timer)
    : dialog_(layout, parent, timer) {}

vmsm::ConfigJob JobWindowHost::ConfigJob(context::SettingsStore& store,
                                         std::function<vmsm::EditChoice(vmsm::MemorySwitchEngine&)> edit,
                                         context::Layout variant) {
    dialog_.SetCancelButton(true);  // memory-switch jobs can be stopped by touch as well as by Esc
    return {store, view(), [this](context::JobRunner& runner) { return Run(runner); }, std::move(edit), variant};
}

}  // namespace pelmora::ui
