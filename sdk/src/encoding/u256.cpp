#include "encoding/u256.h"

#include "encoding/hex.h"
#include "support/failure.h"

namespace korvo::encoding {

namespace {
constexpr const char* kOverflow = "arithmetic operation overflow";
}

U256 U256::from_i128(__int128 v) {
  if (v < 0) fail("Unsigned integer can't be created from negative value");
  return from_u128(static_cast<unsigned __int128>(v));
}

U256 U256::from_le_bytes(std::span<const std::uint8_t> bytes) {
  ensure(bytes.size() <= 32, "U256::from_le_bytes: more than 32 bytes");
  Limbs limbs{};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    limbs[i / 8] |= static_cast<std::uint64_t>(bytes[i]) << (8 * (i % 8));
  }
  return U256(limbs);
}

std::array<std::uint8_t, 32> U256::to_le_bytes() const {
  std::array<std::uint8_t, 32> out{};
  for (std::size_t i = 0; i < 32; ++i) out[i] = static_cast<std::uint8_t>(limbs_[i / 8] >> (8 * (i % 8)));
  return out;
}

std::array<std::uint8_t, 32> U256::to_be_bytes() const {
  auto out = to_le_bytes();
  for (std::size_t i = 0; i < 16; ++i) std::swap(out[i], out[31 - i]);
  return out;
}

Result<U256> U256::from_str(std::string_view text) {
  if (text.size() >= 2 && text.starts_with("0x")) text.remove_prefix(2);
  if (text.size() > 64) return Error{"Invalid string length"};
  // An odd count is padded with a leading '0'; positions count in the padded text.
  const std::size_t pad = text.size() % 2;
  Limbs limbs{};
  const std::size_t digits = text.size() + pad;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int v = hex_digit_value(c);
    if (v < 0) return Error{invalid_character_text(c, i + pad)};
    const std::size_t nibble = digits - 1 - (i + pad);  // weight 16^nibble
    limbs[nibble / 16] |= static_cast<std::uint64_t>(v) << (4 * (nibble % 16));
  }
  return U256(limbs);
}

Result<U256> U256::from_str_radix(std::string_view text, unsigned radix) {
  ensure(radix == 16, "U256::from_str_radix: only radix 16 is supported");
  return from_str(text);
}

std::string U256::to_hex() const {
  const auto be = to_be_bytes();
  return "0x" + hex_lower(be);
}

U256 U256::operator<<(unsigned n) const {
  if (n >= 256) return U256();
  Limbs out{};
  const unsigned limb_shift = n / 64, bit_shift = n % 64;
  for (unsigned i = 3 + 1; i-- > limb_shift;) {
    std::uint64_t v = limbs_[i - limb_shift] << bit_shift;
    if (bit_shift != 0 && i - limb_shift > 0) v |= limbs_[i - limb_shift - 1] >> (64 - bit_shift);
    out[i] = v;
  }
  return U256(out);
}

U256& U256::operator+=(const U256& other) {
  unsigned __int128 carry = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    carry += static_cast<unsigned __int128>(limbs_[i]) + other.limbs_[i];
    limbs_[i] = static_cast<std::uint64_t>(carry);
    carry >>= 64;
  }
  if (carry != 0) fail(kOverflow);
  return *this;
}

U256 U256::operator+(const U256& other) const {
  U256 sum = *this;
  sum += other;
  return sum;
}

U256 U256::operator*(const U256& other) const {
  std::uint64_t wide[8] = {};
  for (std::size_t i = 0; i < 4; ++i) {
    unsigned __int128 carry = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      carry += static_cast<unsigned __int128>(limbs_[i]) * other.limbs_[j] + wide[i + j];
      wide[i + j] = static_cast<std::uint64_t>(carry);
      carry >>= 64;
    }
    wide[i + 4] = static_cast<std::uint64_t>(carry);
  }
  if ((wide[4] | wide[5] | wide[6] | wide[7]) != 0) fail(kOverflow);
  return U256(Limbs{wide[0], wide[1], wide[2], wide[3]});
}

}  // namespace korvo::encoding
