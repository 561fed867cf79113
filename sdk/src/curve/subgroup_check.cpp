#include "curve/subgroup_check.h"

#include <utility>

#include "curve/joint_mul.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

// (r - 1) / 8.
constexpr Limbs eighth_of_group_order() {
  Limbs e = FrParams::MODULUS;
  e[0] -= 1;
  for (int i = 0; i < 4; ++i) e[i] = (e[i] >> 3) | (i < 3 ? e[i + 1] << 61 : 0);
  return e;
}
constexpr Limbs kExponent = eighth_of_group_order();

Fr inverse_of(const Fr& value) {
  const CtChecked<Fr> inverse = value.invert();
  ensure(inverse.valid, "subgroup check: a degenerate constant");
  return inverse.value;
}

// Montgomery coordinates u = (1 + y)/(1 - y), v = u/x of an affine point
// with x non-zero.
std::pair<Fr, Fr> to_montgomery(const Point<Unknown>& p) {
  const auto [x, y] = p.into_xy();
  const Fr u = (Fr::one() + y) * inverse_of(Fr::one() - y);
  return {u, u * inverse_of(x)};
}

// A point of order 8: the 8-torsion part s*P of decodable points P until
// one has order 8 (half of them do, the 2-part of the group being cyclic).
Point<Unknown> order_eight_point(const JubjubParams& params) {
  for (std::uint8_t y = 2;; ++y) {
    std::array<std::uint8_t, 32> bytes{};
    bytes[0] = y;
    const auto p = Point<Unknown>::read_var(bytes, params);
    if (!p) continue;
    const Point<Unknown> torsion = mul_var(*p, Fs::char_(), params);
    if (torsion.doubled().doubled() != Point<Unknown>::zero()) return torsion;
    ensure(y != 255, "subgroup check: no point of order 8 found");
  }
}

bool in_eight_torsion(const Point<Unknown>& p) {
  return p.doubled().doubled().doubled() == Point<Unknown>::zero();
}

}  // namespace

SubgroupCheck::SubgroupCheck(const JubjubParams& params, const Point<PrimeOrder>& member) {
  // Montgomery form B*v^2 = u^3 + A*u^2 + u with A = 2(a + d)/(a - d),
  // B = 4/(a - d) and a = -1.
  const Fr& d = params.edwards_d();
  const Fr a_minus_d_inverse = inverse_of(-Fr::one() - d);
  const Fr mont_a = (d - Fr::one()).doubled() * a_minus_d_inverse;
  const Fr mont_b = Fr::from_u64(4) * a_minus_d_inverse;
  const auto tangent = [&](const Point<Unknown>& q) {
    const auto [u, v] = to_montgomery(q);
    const Fr slope = (Fr::from_u64(3) * u.square() + mont_a.doubled() * u + Fr::one()) *
                     inverse_of(mont_b.doubled() * v);
    return Line{slope, v - slope * u};
  };

  const Point<Unknown> t = order_eight_point(params);
  const Point<Unknown> t2 = t.doubled();
  constants_.tangent_t = tangent(t);
  constants_.tangent_2t = tangent(t2);
  constants_.u_2t = to_montgomery(t2).first;
  // 4T = (0, -1): u = 0, and v = u/x is not needed for a vertical line.
  constants_.u_4t = Fr::zero();
  ensure(t2.doubled() == Point<Unknown>::from_xy(Fr::zero(), -Fr::one(), params), "subgroup check: 4T is not (0, -1)");
  constants_.subgroup_value = function_value_var(member).pow(kExponent);
}

Fr SubgroupCheck::function_value_var(const Point<Unknown>& p) const {
  // u = nu/du and v = nv/dv over the projective (X : Y : Z).
  const Fr nu = p.z() + p.y();
  const Fr du = p.z() - p.y();
  const Fr nv = nu * p.z();
  const Fr dv = du * p.x();
  const Fr nu_x = nu * p.x();
  // v - lambda*u - mu over dv, u - c over du.
  const auto line = [&](const Line& l) { return nv - l.lambda * nu_x - l.mu * dv; };
  const auto vertical = [&](const Fr& c) { return nu - c * du; };
  // f = l_T^4 * l_2T^2 / (v_4T * v_2T^4): divisor 8(T) - 8(O).
  const Fr l1 = line(constants_.tangent_t);
  const Fr l2 = line(constants_.tangent_2t);
  const Fr w2 = vertical(constants_.u_2t);
  const Fr numerator = l1.square().square() * l2.square() * du.square().square() * du;
  const Fr dv2 = dv.square();
  const Fr denominator = dv2.square() * dv2 * vertical(constants_.u_4t) * w2.square().square();
  // n/d and n*d^7 agree up to an eighth power, which the exponent removes.
  const Fr d2 = denominator.square();
  const Fr d7 = d2.square() * d2 * denominator;
  return numerator * d7;
}

bool SubgroupCheck::contains_var(const Point<Unknown>& p) const {
  // The 8-torsion carries the zeros and poles of f; of it only zero is in
  // the subgroup.
  if (in_eight_torsion(p)) return p == Point<Unknown>::zero();
  return function_value_var(p).pow(kExponent) == constants_.subgroup_value;
}

bool SubgroupCheck::contains_both_var(const Point<Unknown>& p, const Point<Unknown>& q) const {
  if (in_eight_torsion(p) || in_eight_torsion(q)) return contains_var(p) && contains_var(q);
  const auto [p_value, q_value] = Fr::pow_each<2>({function_value_var(p), function_value_var(q)}, kExponent);
  return p_value == constants_.subgroup_value && q_value == constants_.subgroup_value;
}

}  // namespace korvo::curve
