#include "nv/NvCommands.h"

namespace pelmora::nv {

namespace {
// Appended one by one: GCC 12 misreads vector::insert of an initializer_list
// at -O2 and warns about bounds it never crosses.
void Append(Bytes& bytes, std::initializer_list<std::uint8_t> more) {
    for (std::uint8_t b : more) bytes.push_back(b);
}

Bytes KeyCodeFunction(std::uint8_t function, std::initializer_list<std::uint8_t> parameters) {
    const auto p = static_cast<std::uint16_t>(2 + parameters.size());
    Bytes bytes;
    bytes.reserve(7 + parameters.size());
    Append(bytes, {byte::GS, byte::OpenParen, byte::L, static_cast<std::uint8_t>(p & 0xFF),
                   static_cast<std::uint8_t>(p >> 8), byte::m48, function});
    Append(bytes, parameters);
    return bytes;
}

Bytes LegacyImageFunction(std::initializer_list<std::uint8_t> parameters) {
    const auto p = static_cast<std::uint16_t>(parameters.size());
    Bytes bytes;
    bytes.reserve(5 + parameters.size());
    Append(bytes, {byte::LegacyPrefix1, byte::LegacyPrefix2, byte::LegacyImage, static_cast<std::uint8_t>(p & 0xFF),
                   static_cast<std::uint8_t>(p >> 8)});
    Append(bytes, parameters);
    return bytes;
}
}  // namespace

Bytes ReadKeyCodeListCommand() { return KeyCodeFunction(byte::FnKeyCodeList, {'K', 'C'}); }

Bytes DeleteKeyCodeCommand(std::uint8_t kc1, std::uint8_t kc2) {
    return KeyCodeFunction(byte::FnDeleteOne, {kc1, kc2});
}

Bytes DeleteAllKeyCodesCommand() { return KeyCodeFunction(byte::FnDeleteAll, {'C', 'L', 'R'}); }

Bytes PrintKeyCodeCommand(std::uint8_t kc1, std::uint8_t kc2) {
    return KeyCodeFunction(byte::FnPrint, {kc1, kc2, 0x01, 0x01});
}

Bytes DeleteAllNumberedCommand() { return LegacyImageFunction({byte::LegacyDeleteAll}); }

Bytes PrintNumberedCommand(std::uint8_t n) { return LegacyImageFunction({byte::LegacyPrint, n, 0x01, 0x01}); }

Bytes LegacyDownloadHeader(std::uint8_t n, std::uint32_t total) {
    const std::uint32_t length = total + 2;
    return {byte::LegacyPrefix1, byte::LegacyPrefix2, byte::LegacyDownload,
            static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
            static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24),
            0x43, n};
}

}  // namespace pelmora::nv
