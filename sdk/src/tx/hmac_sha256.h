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

 private:
  Sha256State inner_;
  Sha256State outer_;
};

}  // namespace korvo::tx
