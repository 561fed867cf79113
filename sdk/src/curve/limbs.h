#pragma once
// 256-bit integers as four 64-bit limbs, least significant first.

#include <array>
#include <cstdint>

namespace korvo::curve {

using Limbs = std::array<std::uint64_t, 4>;

}  // namespace korvo::curve
