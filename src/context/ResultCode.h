#pragma once

namespace pelmora {

/// Result codes shared by the printer context and both engines.
namespace rc {
constexpr int Ok = 0;             ///< success
constexpr int NotOpen = 101;      ///< the link is not open; nothing was sent
constexpr int NotSupported = 107; ///< not the expected printer, or not supported by its firmware
constexpr int RfNoData = 108;     ///< RF-interface reply without data; the link stays open
constexpr int BadHeader = 109;    ///< a reply arrived with the wrong header; link closed
constexpr int ShortWrite = 300;   ///< a write was not taken completely; link closed
constexpr int NoReply = 301;      ///< no complete reply in time; link closed
constexpr int Nothing = 400;      ///< nothing to work on (no images, no count, empty list)
constexpr int OverLimit = 401;    ///< the image list would pass the NV memory limit
constexpr int CodeTooShort = 402; ///< an address code shorter than two characters
}  // namespace rc

}  // namespace pelmora
