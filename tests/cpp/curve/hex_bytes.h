#pragma once
// Hex text (byte 0 first) as bytes and back, for expected encodings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvo::curve::testing {

inline std::array<std::uint8_t, 32> bytes32(std::string_view hex) {
  std::array<std::uint8_t, 32> out{};
  const auto nibble = [](char c) { return static_cast<std::uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10); };
  for (std::size_t i = 0; i < 32; ++i) out[i] = static_cast<std::uint8_t>(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
  return out;
}

inline std::string hex_of(const std::array<std::uint8_t, 32>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 0xf];
  }
  return out;
}

}  // namespace korvo::curve::testing
