#pragma once
#include "sim/PrinterModel.h"

namespace pelmora::sim {

/// GS I and ESC M I queries, and the probe byte of a serial open.
class IdentityHandler final : public CommandHandler {
public:
    explicit IdentityHandler(PrinterModel& printer) : printer_(printer) {}
    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<Reply>& replies) override;

private:
    PrinterModel& printer_;
};

}  // namespace pelmora::sim
