#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora::cli {

/// The SHA-256 digest of `bytes`, by the system's cryptography: nettle here
/// (Sha256.cpp), BCrypt on Windows (win32/Sha256.cpp). Throws
/// std::runtime_error when the system's cannot be used.
std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

/// Why Sha256 cannot work here: nettle cannot be loaded, named with what to
/// install. "" when it can; always "" on Windows.
std::string Sha256Problem();

}  // namespace pelmora::cli
