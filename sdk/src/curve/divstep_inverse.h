#pragma once
// Modular inversion by divsteps (the constant-time gcd of Bernstein and
// Yang): a fixed number of steps, each a fixed sequence of operations, so
// the running time and memory accesses do not depend on the value.

#include <cstdint>

#include "curve/limbs.h"

namespace korvo::curve {

// a^-1 mod modulus for 0 < a < modulus, zero for a = 0. The modulus must be
// odd and below 2^255; neg_inverse is -modulus^-1 mod 2^64.
Limbs divstep_inverse(const Limbs& a, const Limbs& modulus, std::uint64_t neg_inverse);

}  // namespace korvo::curve
