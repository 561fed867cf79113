#include "curve/fr.h"

#include "curve/divstep_inverse.h"
#include "curve/root_of_unity_log.h"

namespace korvo::curve {
namespace {

constexpr Limbs kTMinusOneHalf{0xcdcb848a1f0fac9f, 0x0c0ac2e9419f4243, 0x098d014dc2822db4,
                               0x0000000183227397};
constexpr Limbs kHalfOrder{0xa1f0fac9f8000000, 0x9419f4243cdcb848, 0xdc2822db40c0ac2e,
                           0x183227397098d014};

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

std::optional<Fr> Fr::from_str(std::string_view decimal) {
  if (decimal.empty()) return std::nullopt;
  if (decimal == "0") return zero();
  if (decimal.front() == '0') return std::nullopt;
  const Fr ten = from_u64(10);
  Fr value = zero();
  for (const char c : decimal) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * ten + from_u64(static_cast<std::uint64_t>(c - '0'));
  }
  return value;
}

std::optional<Fr> Fr::inverse() const {
  const Checked<Fr> inverted = invert();
  if (!inverted.valid) return std::nullopt;
  return inverted.value;
}

Legendre Fr::legendre() const {
  const Fr x = pow(kHalfOrder);
  if (x.is_zero()) return Legendre::Zero;
  if (x == one()) return Legendre::QuadraticResidue;
  return Legendre::QuadraticNonResidue;
}

std::optional<Fr> Fr::sqrt() const { return sqrt_ratio(*this, one()); }

std::optional<Fr> Fr::sqrt_ratio(const Fr& u, const Fr& v) {
  if (u.is_zero()) return zero();
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
  return x * root_of_unity_inverse_power(e / 2);
}

Checked<Fr> Fr::from_repr(const Bytes& le) {
  const Limbs limbs = limbs_from_le(le.data());
  return {from_raw(limbs), in_field(limbs)};
}

Fr::Bytes Fr::to_repr() const { return limbs_to_le(into_repr()); }

Fr Fr::from_u512(const std::array<std::uint64_t, 8>& limbs) {
  const Limbs lo{limbs[0], limbs[1], limbs[2], limbs[3]};
  const Limbs hi{limbs[4], limbs[5], limbs[6], limbs[7]};
  return from_stored(Core::add(Core::mul(FrParams::R2, lo), Core::mul(FrParams::R3, hi)));
}

Fr Fr::from_bytes_wide(const std::array<std::uint8_t, 64>& le) {
  const Limbs lo = limbs_from_le(le.data());
  const Limbs hi = limbs_from_le(le.data() + 32);
  return from_u512({lo[0], lo[1], lo[2], lo[3], hi[0], hi[1], hi[2], hi[3]});
}

Checked<Fr> Fr::invert() const {
  // The inverse of the stored a*R is a^-1*R^-1; the Montgomery product with
  // R^3 turns it into the stored form a^-1*R.
  const Limbs inverse = divstep_inverse(stored(), FrParams::MODULUS, FrParams::INV);
  return {from_stored(Core::mul(FrParams::R3, inverse)), detail::is_zero_bit(stored()) == 0};
}

}  // namespace korvo::curve
