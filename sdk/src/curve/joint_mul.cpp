#include "curve/joint_mul.h"

#include <algorithm>
#include <array>

#include "curve/batch_affine.h"
#include "curve/naf.h"

namespace korvo::curve {
namespace {

// Width of the digits of the variable point's scalar: its table is built on
// every call, so it stays small.
constexpr int kPointWidth = 5;

int magnitude(int digit) { return digit < 0 ? -digit : digit; }

}  // namespace

OddMultiplesTable::OddMultiplesTable(const Point<PrimeOrder>& base, const JubjubParams& params) {
  std::vector<Point<PrimeOrder>> odd(std::size_t{1} << (kWidth - 2));
  const Point<PrimeOrder> twice = base.doubled();
  odd[0] = base;
  for (std::size_t i = 1; i < odd.size(); ++i) odd[i] = odd[i - 1].add(twice, params);
  odd_ = to_affine_niels(odd, params);
}

AffineNiels OddMultiplesTable::multiple(int digit) const {
  const AffineNiels& entry = odd_[static_cast<std::size_t>(magnitude(digit) / 2)];
  if (digit > 0) return entry;
  return AffineNiels{entry.y_minus_x, entry.y_plus_x, -entry.xy2d};
}

Point<Unknown> joint_mul_var(const Point<Unknown>& p, const FsRepr& k, const OddMultiplesTable& base,
                             const FsRepr& m, const JubjubParams& params) {
  std::array<Point<Unknown>, std::size_t{1} << (kPointWidth - 2)> odd;
  odd[0] = p;
  const Point<Unknown> twice = p.doubled();
  for (std::size_t i = 1; i < odd.size(); ++i) odd[i] = odd[i - 1].add(twice, params);

  const Naf k_naf = non_adjacent_form(k, kPointWidth);
  const Naf m_naf = non_adjacent_form(m, OddMultiplesTable::kWidth);
  Point<Unknown> acc;
  for (int i = std::max(k_naf.length, m_naf.length) - 1; i >= 0; --i) {
    const int k_digit = i < k_naf.length ? k_naf.digits[static_cast<std::size_t>(i)] : 0;
    const int m_digit = i < m_naf.length ? m_naf.digits[static_cast<std::size_t>(i)] : 0;
    // t is only needed by an addition or by the caller.
    acc = k_digit != 0 || m_digit != 0 || i == 0 ? acc.doubled() : acc.doubled_without_t();
    if (k_digit != 0) {
      const Point<Unknown>& term = odd[static_cast<std::size_t>(magnitude(k_digit) / 2)];
      acc = acc.add(k_digit < 0 ? term.negate() : term, params);
    }
    if (m_digit != 0) acc = acc.add(base.multiple(m_digit));
  }
  return acc;
}

}  // namespace korvo::curve
