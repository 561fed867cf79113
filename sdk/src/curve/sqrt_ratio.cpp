#include "curve/sqrt_ratio.h"

#include "curve/root_of_unity_log.h"

namespace korvo::curve {
namespace {

// (t - 1) / 2 for r - 1 = 2^28 * t.
constexpr Limbs kTMinusOneHalf{0xcdcb848a1f0fac9f, 0x0c0ac2e9419f4243, 0x098d014dc2822db4,
                               0x0000000183227397};

// x^(2^n) * y.
Fr squarings_times(Fr x, int n, const Fr& y) {
  for (int i = 0; i < n; ++i) x = x.square();
  return x * y;
}

// v^(2^28 - 1) by the chain of exponents 2^k - 1 for k = 1, 2, 4, 8, 16,
// 24, 28: 27 squarings and 6 products instead of 27 of each.
Fr power_of_two_minus_one(const Fr& v) {
  static_assert(kTwoAdicity == 28);
  const Fr e2 = squarings_times(v, 1, v);
  const Fr e4 = squarings_times(e2, 2, e2);
  const Fr e8 = squarings_times(e4, 4, e4);
  const Fr e16 = squarings_times(e8, 8, e8);
  const Fr e24 = squarings_times(e16, 8, e8);
  return squarings_times(e24, 4, e4);
}

}  // namespace

std::optional<Fr> sqrt_ratio_var(const Fr& u, const Fr& v) {
  if (u.is_zero()) return Fr::zero();
  // With W = v^(2^29 - 1), u*W = (u/v) * v^(2^29) has the character of u/v.
  // h = (u*W)^((t-1)/2) * v^(2^28 - 1) gives x = h*u and b = x*h*v = (u*W)^t
  // with x^2 = (u/v) * b. b is a 2^28-th root of unity, z^e; e is even
  // exactly for a residue, and then x * z^(-e/2) is a root.
  const Fr v_power = power_of_two_minus_one(v);  // v^(2^28 - 1)
  const Fr uw = u * v_power.square() * v;
  const Fr h = uw.pow(kTMinusOneHalf) * v_power;
  const Fr x = h * u;
  const std::uint32_t e = root_of_unity_log_var(x * h * v);
  if (e % 2 != 0) return std::nullopt;
  return x * root_of_unity_inverse_power_var(e / 2);
}

}  // namespace korvo::curve
