#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace pelmora::cli {

/// The SHA-256 digest of `bytes`, by the system's cryptography: nettle here
/// (Sha256.cpp), BCrypt on Windows (win32/Sha256.cpp).
std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

}  // namespace pelmora::cli
