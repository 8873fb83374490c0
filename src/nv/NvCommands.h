#pragma once
#include <cstdint>
#include <vector>

namespace pelmora::nv {

using Bytes = std::vector<std::uint8_t>;

namespace byte {
inline constexpr std::uint8_t GS = 0x1D;
inline constexpr std::uint8_t OpenParen = 0x28;   ///< "("
inline constexpr std::uint8_t L = 0x4C;           ///< "L"
inline constexpr std::uint8_t m48 = 0x30;         ///< m of the GS ( L functions
inline constexpr std::uint8_t FnDefineRaster = 0x43;  ///< function 67: define NV graphics, raster
inline constexpr std::uint8_t FnKeyCodeList = 0x40;   ///< function 64: list key codes
inline constexpr std::uint8_t FnDeleteAll = 0x41;     ///< function 65: delete all ("CLR")
inline constexpr std::uint8_t FnDeleteOne = 0x42;     ///< function 66: delete one key code
inline constexpr std::uint8_t FnPrint = 0x45;         ///< function 69: print one key code
inline constexpr std::uint8_t LegacyPrefix1 = 0x08;   ///< numbered-image commands: 08 5E
inline constexpr std::uint8_t LegacyPrefix2 = 0x5E;
inline constexpr std::uint8_t LegacyImage = 0x4C;     ///< 08 5E 4C: delete all / print one
inline constexpr std::uint8_t LegacyDownload = 0x37;  ///< 08 5E 37: download header
inline constexpr std::uint8_t LegacyDeleteAll = 0x41;
inline constexpr std::uint8_t LegacyPrint = 0x45;
inline constexpr std::uint8_t NumberedBlockMarker = 0x01;
inline constexpr std::uint8_t Colour1 = 0x31;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t CAN = 0x18;
inline constexpr std::uint8_t ReplyHeader = 0x37;     ///< key-code list reply: 37 72 status codes... 00
inline constexpr std::uint8_t KeyCodeReplyTag = 0x72; ///< "r"
inline constexpr std::uint8_t MoreBlocksFollow = 0x41;///< "A" status
}  // namespace byte

/// GS ( L fn 64 "KC": asks for the key codes of the stored NV graphics.
Bytes ReadKeyCodeListCommand();
/// GS ( L fn 66: deletes the image stored under kc1 kc2.
Bytes DeleteKeyCodeCommand(std::uint8_t kc1, std::uint8_t kc2);
/// GS ( L fn 65 "CLR": deletes every key-code image.
Bytes DeleteAllKeyCodesCommand();
/// GS ( L fn 69: prints kc1 kc2 at magnification 1 x 1.
Bytes PrintKeyCodeCommand(std::uint8_t kc1, std::uint8_t kc2);
/// 08 5E 4C fn 41: deletes every numbered image.
Bytes DeleteAllNumberedCommand();
/// 08 5E 4C fn 45: prints numbered image n at magnification 1 x 1.
Bytes PrintNumberedCommand(std::uint8_t n);
/// 08 5E 37: announces `total` bytes of numbered-image blocks (sent as total + 2) in n lists.
Bytes LegacyDownloadHeader(std::uint8_t n, std::uint32_t total);

}  // namespace pelmora::nv
