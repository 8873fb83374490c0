#include "cli/Sha256.h"

#include <nettle/sha2.h>

namespace pelmora::cli {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes) {
    static_assert(SHA256_DIGEST_SIZE == 32);
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::array<std::uint8_t, 32> digest{};
    sha256_digest(&hash, digest.size(), digest.data());
    return digest;
}

}  // namespace pelmora::cli
