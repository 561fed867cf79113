#pragma once
// Slow, obviously correct arithmetic for checking the fields: 512-bit
// integers as 32-bit words, schoolbook products, bit-by-bit reduction.

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace korvo::curve::testing {

using Limbs = std::array<std::uint64_t, 4>;
using Wide = std::array<std::uint32_t, 16>;  // least significant first

inline Wide widen(const Limbs& a, const Limbs& high = {}) {
  Wide out{};
  for (int i = 0; i < 8; ++i) {
    out[i] = static_cast<std::uint32_t>(a[i / 2] >> (32 * (i % 2)));
    out[i + 8] = static_cast<std::uint32_t>(high[i / 2] >> (32 * (i % 2)));
  }
  return out;
}

// a mod p, shifting in one bit at a time from the top.
inline Limbs wide_mod(const Wide& a, const Limbs& p) {
  unsigned __int128 lo = 0;  // remainder = hi * 2^128 + lo, below 2p < 2^256
  unsigned __int128 hi = 0;
  const unsigned __int128 p_lo = (static_cast<unsigned __int128>(p[1]) << 64) | p[0];
  const unsigned __int128 p_hi = (static_cast<unsigned __int128>(p[3]) << 64) | p[2];
  for (int i = 511; i >= 0; --i) {
    hi = (hi << 1) | (lo >> 127);
    lo = (lo << 1) | ((a[i / 32] >> (i % 32)) & 1);
    if (hi > p_hi || (hi == p_hi && lo >= p_lo)) {
      hi -= p_hi + (lo < p_lo);
      lo -= p_lo;
    }
  }
  return {static_cast<std::uint64_t>(lo), static_cast<std::uint64_t>(lo >> 64), static_cast<std::uint64_t>(hi),
          static_cast<std::uint64_t>(hi >> 64)};
}

inline Limbs mul_mod(const Limbs& a, const Limbs& b, const Limbs& p) {
  const Wide x = widen(a), y = widen(b);
  Wide out{};
  for (int i = 0; i < 8; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < 8; ++j) {
      const std::uint64_t cur = std::uint64_t{x[i]} * y[j] + out[i + j] + carry;
      out[i + j] = static_cast<std::uint32_t>(cur);
      carry = cur >> 32;
    }
    out[i + 8] = static_cast<std::uint32_t>(carry);
  }
  return wide_mod(out, p);
}

// (a + b) mod p for a, b below p < 2^255, so the sum fits in 256 bits.
inline Limbs add_mod(const Limbs& a, const Limbs& b, const Limbs& p) {
  Limbs sum{};
  unsigned __int128 carry = 0;
  for (int i = 0; i < 4; ++i) {
    carry += static_cast<unsigned __int128>(a[i]) + b[i];
    sum[i] = static_cast<std::uint64_t>(carry);
    carry >>= 64;
  }
  return wide_mod(widen(sum), p);
}
inline Limbs neg_mod(const Limbs& a, const Limbs& p) {
  if (a == Limbs{}) return a;
  Limbs out{};
  std::uint64_t borrow = 0;
  for (int i = 0; i < 4; ++i) {
    const unsigned __int128 d = static_cast<unsigned __int128>(p[i]) - a[i] - borrow;
    out[i] = static_cast<std::uint64_t>(d);
    borrow = static_cast<std::uint64_t>(d >> 64) & 1;
  }
  return out;
}

// Big-endian hex digits (optional "0x").
inline Limbs hex_limbs(std::string_view hex) {
  if (hex.substr(0, 2) == "0x") hex.remove_prefix(2);
  Limbs out{};
  int bit = 0;
  for (auto it = hex.rbegin(); it != hex.rend(); ++it, bit += 4) {
    const std::uint64_t digit = *it <= '9' ? *it - '0' : (*it | 0x20) - 'a' + 10;
    out[bit / 64] |= digit << (bit % 64);
  }
  return out;
}

// Random-length runs of equal bits reach the carry chains that uniform
// values almost never exercise.
inline Limbs random_runs(std::mt19937_64& rng) {
  Limbs out{};
  for (int pos = 0, len; pos < 256; pos += len) {
    len = 1 + static_cast<int>(rng() % 70);
    if (rng() & 1) {
      for (int i = pos; i < pos + len && i < 256; ++i) out[i / 64] |= std::uint64_t{1} << (i % 64);
    }
  }
  if (rng() % 4 == 0) out[rng() % 4] = rng();
  return out;
}

inline Limbs random_below(std::mt19937_64& rng, const Limbs& p) { return wide_mod(widen(random_runs(rng)), p); }

}  // namespace korvo::curve::testing
