#pragma once
// Discrete logarithms among the 2^28-th roots of unity of Fr, for the square
// root: 7-bit windows, each found in a table of 128 roots, replace the
// bit-by-bit search. Variable time: the square root is for public values.

#include <array>
#include <cstddef>
#include <cstdint>

#include "curve/fr.h"

namespace korvo::curve {

// z = 7^t, the generator of the 2^28-th roots of unity (r - 1 = 2^28 * t).
inline constexpr Fr kRootOfUnity =
    Fr::from_raw(Limbs{0xd34f1ed960c37c9c, 0x3215cf6dd39329c8, 0x98865ea93dd31f74, 0x03ddb9f5166d18b7});
inline constexpr int kTwoAdicity = 28;
inline constexpr int kRootOfUnityWindow = 7;

// table[k][j] = z^-(j * 2^(7k)), computed by the compiler: constant data, no
// work at first use. The last row, z^-(j * 2^21), runs through the 128 roots
// of unity of order dividing 128.
using RootOfUnityTables =
    std::array<std::array<Fr, std::size_t{1} << kRootOfUnityWindow>, kTwoAdicity / kRootOfUnityWindow>;
extern const RootOfUnityTables kRootOfUnityInversePowers;

// The e in [0, 2^28) with z^e = b, for b a 2^28-th root of unity.
std::uint32_t root_of_unity_log_var(const Fr& b);

// z^-e for e in [0, 2^28). Variable time: e selects the table entries read.
Fr root_of_unity_inverse_power_var(std::uint32_t e);

}  // namespace korvo::curve
