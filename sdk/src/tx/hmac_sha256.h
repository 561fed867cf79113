#pragma once
// HMAC-SHA-256 under one 32-byte key, with the padded key states computed
// once so that each tag costs two compressions. Key material is wiped on
// destruction.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "tx/sha256_state.h"

namespace korvo::tx {

class HmacSha256 {
 public:
  using Tag = std::array<std::uint8_t, 32>;

  explicit HmacSha256(std::span<const std::uint8_t, 32> key);
  HmacSha256(const HmacSha256&) = delete;
  HmacSha256& operator=(const HmacSha256&) = delete;

  // The tag of the concatenation of `parts`.
  Tag mac(std::initializer_list<std::span<const std::uint8_t>> parts) const;

  // The two messages of the nonce's candidate loop, V and V || V || 0x00
  // with V of 32 bytes. Their padding is fixed, so each tag is a fixed run
  // of block compressions (two, three) without the streaming buffer.
  Tag mac_word(const Tag& v) const;
  Tag mac_word_twice_and_zero(const Tag& v) const;

 private:
  // The outer hash over the chaining value of `inner`.
  Tag outer(Sha256State& inner) const;

  Sha256State inner_;
  Sha256State outer_;
};

}  // namespace korvo::tx
