#include "cli/Sha256.h"

#include <windows.h>
#include <bcrypt.h>

#include <stdexcept>

namespace pelmora::cli {

// The digest names what a fleet's printers hold; a wrong one would be worse than none.
std::array<std::uint8_t, 32> Sha256(std::string_view bytes) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    std::array<std::uint8_t, 32> digest{};
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    const bool ok = BCRYPT_SUCCESS(::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)) &&
                    BCRYPT_SUCCESS(::BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0)) &&
                    BCRYPT_SUCCESS(::BCryptHashData(hash, data, static_cast<ULONG>(bytes.size()), 0)) &&
                    BCRYPT_SUCCESS(::BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
    if (hash) ::BCryptDestroyHash(hash);
    if (algorithm) ::BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!ok) throw std::runtime_error("the system's SHA-256 (BCrypt) failed");
    return digest;
}

std::string Sha256Problem() { return {}; }

}  // namespace pelmora::cli
