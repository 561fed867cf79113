#pragma once
// SHA-256: a resumable state, copied freely (the midstate after a key block is
// reused for every tag of an HMAC key), and the digest of one message.

#include <array>
#include <cstdint>
#include <span>

// The one-call digest API cannot resume from a midstate; the classic context
// API can and is still supported.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

namespace korvo::tx {

class Sha256State {
 public:
  Sha256State();
  ~Sha256State();
  Sha256State(const Sha256State&) = default;
  Sha256State& operator=(const Sha256State&) = default;

  void update(std::span<const std::uint8_t> data);
  std::array<std::uint8_t, 32> finish();

  // Block level, for callers that pad by hand: one whole block (nothing may
  // be buffered), and the chaining value big-endian, which is the digest
  // once the padding block is in.
  void compress(std::span<const std::uint8_t, 64> block);
  std::array<std::uint8_t, 32> chaining_value() const;

 private:
  SHA256_CTX ctx_;
};

std::array<std::uint8_t, 32> sha256(std::span<const std::uint8_t> data);

}  // namespace korvo::tx
