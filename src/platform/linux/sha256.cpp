#include <nettle/sha2.h>

#include <cstdint>
#include <string>

#include "platform/sha256.h"

// Nettle rather than libcrypto: the same digest from a library a small fraction of the
// size, whose symbols every program that links it binds at start.
std::string Sha256Hex(const std::string& bytes) {
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    return HexDigest(digest, sizeof digest);
}
