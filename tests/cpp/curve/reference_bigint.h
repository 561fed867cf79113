#pragma once
// Slow, obviously correct 512-bit arithmetic for checking the fields: 32-bit
// schoolbook products and bit-by-bit shift-subtract reduction.

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace korvo::curve::testing {

using Limbs = std::array<std::uint64_t, 4>;

struct Wide {
  std::array<std::uint32_t, 16> w{};  // least significant first

  static Wide from(const Limbs& a) {
    Wide out;
    for (int i = 0; i < 4; ++i) {
      out.w[2 * i] = static_cast<std::uint32_t>(a[i]);
      out.w[2 * i + 1] = static_cast<std::uint32_t>(a[i] >> 32);
    }
    return out;
  }
  Limbs low() const {
    Limbs out{};
    for (int i = 0; i < 4; ++i) out[i] = w[2 * i] | (std::uint64_t{w[2 * i + 1]} << 32);
    return out;
  }
  bool bit(int i) const { return (w[i / 32] >> (i % 32)) & 1; }
};

// Big-endian hex digits (optional "0x") into limbs.
inline Limbs hex_limbs(std::string_view hex) {
  if (hex.substr(0, 2) == "0x") hex.remove_prefix(2);
  Limbs out{};
  int bit = 0;
  for (auto it = hex.rbegin(); it != hex.rend(); ++it, bit += 4) {
    const char c = *it;
    const std::uint64_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    out[bit / 64] |= digit << (bit % 64);
  }
  return out;
}

inline Wide wide_mul(const Wide& a, const Wide& b) {
  Wide out;
  for (int i = 0; i < 8; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < 8; ++j) {
      const std::uint64_t cur = std::uint64_t{a.w[i]} * b.w[j] + out.w[i + j] + carry;
      out.w[i + j] = static_cast<std::uint32_t>(cur);
      carry = cur >> 32;
    }
    out.w[i + 8] = static_cast<std::uint32_t>(carry);
  }
  return out;
}

inline Wide wide_add(const Wide& a, const Wide& b) {
  Wide out;
  std::uint64_t carry = 0;
  for (int i = 0; i < 16; ++i) {
    const std::uint64_t cur = std::uint64_t{a.w[i]} + b.w[i] + carry;
    out.w[i] = static_cast<std::uint32_t>(cur);
    carry = cur >> 32;
  }
  return out;
}

inline bool wide_less(const Wide& a, const Wide& b) {
  for (int i = 15; i >= 0; --i) {
    if (a.w[i] != b.w[i]) return a.w[i] < b.w[i];
  }
  return false;
}

inline Wide wide_sub(const Wide& a, const Wide& b) {
  Wide out;
  std::int64_t borrow = 0;
  for (int i = 0; i < 16; ++i) {
    std::int64_t cur = std::int64_t{a.w[i]} - b.w[i] - borrow;
    borrow = cur < 0;
    if (cur < 0) cur += std::int64_t{1} << 32;
    out.w[i] = static_cast<std::uint32_t>(cur);
  }
  return out;
}

// a mod p, one bit at a time from the top.
inline Limbs wide_mod(const Wide& a, const Limbs& p) {
  const Wide modulus = Wide::from(p);
  Wide rem;
  for (int i = 511; i >= 0; --i) {
    rem = wide_add(rem, rem);
    rem.w[0] |= a.bit(i);
    if (!wide_less(rem, modulus)) rem = wide_sub(rem, modulus);
  }
  return rem.low();
}

inline Limbs mul_mod(const Limbs& a, const Limbs& b, const Limbs& p) {
  return wide_mod(wide_mul(Wide::from(a), Wide::from(b)), p);
}
inline Limbs add_mod(const Limbs& a, const Limbs& b, const Limbs& p) {
  return wide_mod(wide_add(Wide::from(a), Wide::from(b)), p);
}
inline Limbs sub_mod(const Limbs& a, const Limbs& b, const Limbs& p) {
  // a + (p - b mod p), all below p.
  const Limbs neg_b = wide_mod(wide_sub(Wide::from(p), Wide::from(wide_mod(Wide::from(b), p))), p);
  return add_mod(a, neg_b, p);
}

// 256-bit values made of random-length runs of equal bits, which reach the
// carry chains that uniform values almost never exercise.
inline Limbs random_runs(std::mt19937_64& rng) {
  Limbs out{};
  int pos = 0;
  while (pos < 256) {
    const int len = 1 + static_cast<int>(rng() % 70);
    const bool ones = rng() & 1;
    for (int i = pos; i < pos + len && i < 256; ++i) {
      if (ones) out[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    pos += len;
  }
  if (rng() % 4 == 0) out[rng() % 4] = rng();
  return out;
}

inline Limbs random_below(std::mt19937_64& rng, const Limbs& p) {
  return wide_mod(Wide::from(random_runs(rng)), p);
}

}  // namespace korvo::curve::testing
