#include "curve/point.h"

#include <algorithm>

#include "curve/sqrt_ratio.h"

namespace korvo::curve {

std::array<std::uint8_t, 32> compress_affine(const Fr& x, const Fr& y) {
  Limbs repr = y.to_limbs();
  repr[3] |= (x.to_limbs()[0] & 1) << 63;
  return limbs_to_le_bytes(repr);
}

template <class Subgroup>
std::optional<Point<Subgroup>> Point<Subgroup>::from_xy(const Fr& x, const Fr& y, const JubjubParams& params)
  requires(std::is_same_v<Subgroup, Unknown>)
{
  const Fr x2 = x.square();
  const Fr y2 = y.square();
  if (y2 - x2 != Fr::one() + params.edwards_d() * x2 * y2) return std::nullopt;
  return Point(x, y, x * y, Fr::one());
}

template <class Subgroup>
std::optional<Point<Subgroup>> Point<Subgroup>::read_var(std::span<const std::uint8_t, 32> bytes,
                                                         const JubjubParams& params)
  requires(std::is_same_v<Subgroup, Unknown>)
{
  Limbs y_limbs = limbs_from_le_bytes(bytes.data());
  const bool x_odd = (y_limbs[3] >> 63) != 0;
  y_limbs[3] &= ~(std::uint64_t{1} << 63);
  const auto y = Fr::from_limbs(y_limbs);
  if (!y) return std::nullopt;
  const Fr y2 = y->square();
  const Fr den = params.edwards_d() * y2 + Fr::one();
  if (den.is_zero()) return std::nullopt;
  auto x = sqrt_ratio_var(y2 - Fr::one(), den);
  if (!x) return std::nullopt;
  if (((x->to_limbs()[0] & 1) != 0) != x_odd) *x = -*x;
  return Point(*x, *y, *x * *y, Fr::one());
}

template <class Subgroup>
std::pair<Fr, Fr> Point<Subgroup>::into_xy() const {
  const Fr z_inverse = z_.invert().value;
  return {x_ * z_inverse, y_ * z_inverse};
}

template <class Subgroup>
void Point<Subgroup>::write(std::span<std::uint8_t, 32> out) const {
  const auto [x, y] = into_xy();
  const auto bytes = compress_affine(x, y);
  std::copy(bytes.begin(), bytes.end(), out.begin());
}

template <class Subgroup>
std::array<std::uint8_t, 32> Point<Subgroup>::to_le_bytes() const {
  std::array<std::uint8_t, 32> out;
  write(out);
  return out;
}

template class Point<PrimeOrder>;
template class Point<Unknown>;

}  // namespace korvo::curve
