#pragma once
// Euler's criterion, the plain oracle for square roots in Fr.

#include "curve/fr.h"

namespace korvo::curve::testing {

// x^((r-1)/2): 1 for a non-zero square, -1 for a non-square, 0 for zero.
inline Fr euler_criterion(const Fr& x) {
  Limbs half = Fr::modulus();
  half[0] -= 1;
  for (int i = 0; i < 4; ++i) half[i] = (half[i] >> 1) | (i < 3 ? half[i + 1] << 63 : 0);
  return x.pow(half);
}

inline bool is_square(const Fr& x) { return !(euler_criterion(x) == -Fr::one()); }

}  // namespace korvo::curve::testing
