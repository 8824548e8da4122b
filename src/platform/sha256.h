#pragma once

#include <string>

// The SHA-256 digest of `bytes`, as 64 lowercase hexadecimal digits: nettle on Linux,
// the system's CNG (bcrypt) on Windows.
std::string Sha256Hex(const std::string& bytes);

// A digest as hexadecimal text.
inline std::string HexDigest(const unsigned char* digest, unsigned length) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 15];
    }
    return hex;
}
