#pragma once
// 256-bit integers as four 64-bit limbs, least significant first.

#include <array>
#include <cstdint>

namespace korvo::curve {

using Limbs = std::array<std::uint64_t, 4>;

constexpr Limbs limbs_from_u128(unsigned __int128 v) {
  return {static_cast<std::uint64_t>(v), static_cast<std::uint64_t>(v >> 64), 0, 0};
}

}  // namespace korvo::curve
