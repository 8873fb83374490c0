#include "cli/Sha256.h"

#include <nettle/sha2.h>
#include <nettle/version.h>

#include <stdexcept>

#include "link/SharedLibrary.h"

namespace pelmora::cli {

namespace {

// Only `inventory` hashes, so only it opens the library. The header's sha256_*
// are macros over these names.
#define PELMORA_NETTLE_FUNCTIONS(X) X(nettle_sha256_init) X(nettle_sha256_update) X(nettle_sha256_digest)

static_assert(NETTLE_VERSION_MAJOR == 3 && NETTLE_VERSION_MINOR >= 6);  // soname 8
PELMORA_LIBRARY_FUNCTIONS(Nettle, "libnettle.so.8", "libnettle8", PELMORA_NETTLE_FUNCTIONS);

}  // namespace

std::string Sha256Problem() { return Nettle::Loaded().library.Problem(); }

std::array<std::uint8_t, 32> Sha256(std::string_view bytes) {
    static_assert(SHA256_DIGEST_SIZE == 32);
    const Nettle& nettle = Nettle::Loaded();
    if (!nettle.library.Usable()) throw std::runtime_error(nettle.library.Problem());
    sha256_ctx hash;
    nettle.nettle_sha256_init(&hash);
    nettle.nettle_sha256_update(&hash, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::array<std::uint8_t, 32> digest{};
    nettle.nettle_sha256_digest(&hash, digest.size(), digest.data());
    return digest;
}

}  // namespace pelmora::cli
