#pragma once
// Width-w non-adjacent form of a 256-bit scalar, for the variable-time
// multiplications of public scalars.

#include <array>
#include <cstdint>

#include "curve/limbs.h"

namespace korvo::curve {

// Digits odd in [-(2^(w-1) - 1), 2^(w-1) - 1] or zero, at most one non-zero
// digit in any w consecutive positions, least significant first. k may need
// a digit past bit 255.
struct Naf {
  std::array<std::int8_t, 257> digits{};
  int length = 0;
};

// For widths 2 to 8.
Naf non_adjacent_form(const Limbs& k, int width);

}  // namespace korvo::curve
