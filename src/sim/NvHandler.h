#pragma once
#include "sim/PrinterModel.h"

namespace pelmora::sim {

// Placeholder until the Nv commands are modelled.
class NvHandler final : public CommandHandler {
public:
    explicit NvHandler(PrinterModel& printer) : printer_(printer) {}
    Match Handle(std::span<const std::uint8_t>, std::size_t&, std::string&,
                 std::vector<Reply>&) override { return Match::No; }

private:
    [[maybe_unused]] PrinterModel& printer_;
};

}  // namespace pelmora::sim
