#pragma once
// Encodings as hex text, byte 0 first.

#include <array>
#include <cstdint>
#include <string>

#include "curve/field_core.h"

namespace korvo::curve::testing {

inline std::string hex_of(const std::array<std::uint8_t, 32>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t b : bytes) out += {kDigits[b >> 4], kDigits[b & 0xf]};
  return out;
}

}  // namespace korvo::curve::testing
