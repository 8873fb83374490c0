#pragma once
#include <cstdint>
#include <string_view>

namespace pelmora::context {

/// The firmware version number formed from a version reply (the text with
/// its leading '_'), by the rule that the model code selects.
std::uint32_t FirmwareVersionFromReply(std::uint32_t modelCode, std::string_view reply);

/// Model check of a model reply: 703 for the expected model, else 0.
std::uint32_t ModelCodeFromReply(std::string_view reply);

/// Maker check of a maker reply.
bool IsExpectedMaker(std::string_view reply);

}  // namespace pelmora::context
