#pragma once
// HMAC-SHA-256 under one 32-byte key for the two messages of the nonce's
// candidate loop, V and V || V || 0x00 (V 32 bytes). Their padding is fixed,
// so each tag is a fixed sequence of block compressions from the key's
// midstates: two for V, three for V || V || 0x00, with none of a streaming
// hash's buffering. Key material is wiped on destruction.

#include <array>
#include <cstdint>
#include <span>

// Midstates and padding by hand need the classic context API.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

namespace korvo::tx {

class NonceHmac {
 public:
  using Tag = std::array<std::uint8_t, 32>;

  explicit NonceHmac(std::span<const std::uint8_t, 32> key);
  ~NonceHmac();
  NonceHmac(const NonceHmac&) = delete;
  NonceHmac& operator=(const NonceHmac&) = delete;

  // HMAC(K, V).
  Tag mac(const Tag& v) const;
  // HMAC(K, V || V || 0x00).
  Tag mac_twice_and_zero(const Tag& v) const;

 private:
  // The outer hash over the digest of `inner_state`, which is wiped.
  Tag outer(SHA256_CTX& inner_state) const;

  SHA256_CTX inner_;  // after the block key ^ ipad
  SHA256_CTX outer_;  // after the block key ^ opad
};

}  // namespace korvo::tx
