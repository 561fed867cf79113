#pragma once
// U256: unsigned 256-bit integer, four 64-bit limbs, least significant first.
// The carrier of hashes, identifiers, packed keys, coordinates and signature
// parts between the steps of the SDK.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "support/result.h"

namespace korvo::encoding {

class U256 {
 public:
  using Limbs = std::array<std::uint64_t, 4>;

  constexpr U256() = default;
  constexpr explicit U256(const Limbs& limbs) : limbs_(limbs) {}
  static constexpr U256 from_u64(std::uint64_t v) { return U256(Limbs{v, 0, 0, 0}); }
  static constexpr U256 from_u32(std::uint32_t v) { return from_u64(v); }
  static constexpr U256 from_u128(unsigned __int128 v) {
    return U256(Limbs{static_cast<std::uint64_t>(v), static_cast<std::uint64_t>(v >> 64), 0, 0});
  }
  // Internal failure "Unsigned integer can't be created from negative value".
  static U256 from_i128(__int128 v);

  // At most 32 bytes, zero-extended on the high side; more is an internal failure.
  static U256 from_le_bytes(std::span<const std::uint8_t> bytes);
  std::array<std::uint8_t, 32> to_le_bytes() const;
  std::array<std::uint8_t, 32> to_be_bytes() const;

  // Hex text: one optional lower-case "0x", at most 64 digits of either case.
  // The error is the bare hex error text, e.g. "Invalid character 'g' at position 0".
  static Result<U256> from_str(std::string_view text);
  static Result<U256> from_str_radix(std::string_view text, unsigned radix);

  // "0x" and 64 lower-case digits.
  std::string to_hex() const;

  constexpr const Limbs& limbs() const { return limbs_; }
  constexpr std::uint64_t limb(std::size_t i) const { return limbs_[i]; }
  constexpr bool is_zero() const { return (limbs_[0] | limbs_[1] | limbs_[2] | limbs_[3]) == 0; }
  constexpr bool bit(unsigned i) const { return (limbs_[i / 64] >> (i % 64)) & 1; }

  // Bits beyond 255 are dropped; a shift of 256 or more gives zero.
  U256 operator<<(unsigned n) const;
  // A carry out of bit 255 is an internal failure "arithmetic operation overflow".
  U256& operator+=(const U256& other);
  U256 operator+(const U256& other) const;
  // A product of 2^256 or more is an internal failure "arithmetic operation overflow".
  U256 operator*(const U256& other) const;

  friend constexpr bool operator==(const U256&, const U256&) = default;
  friend constexpr bool operator<(const U256& a, const U256& b) {
    for (int i = 3; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i];
    }
    return false;
  }

 private:
  Limbs limbs_{};
};

}  // namespace korvo::encoding
