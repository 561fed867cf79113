#include "curve/joint_mul.h"

#include <algorithm>
#include <array>

#include "curve/batch_affine.h"
#include "curve/naf.h"

namespace korvo::curve {
namespace {

// Width of the digits of the variable points' scalars: their tables are
// built on every call, so they stay small.
constexpr int kPointWidth = 5;

constexpr int kHalfBits = 128;

// P, 3P, 5P, ..., (2^(width-1) - 1)P: the multiples that digits of this width select.
template <int kDigitWidth, class Subgroup>
std::array<Point<Subgroup>, std::size_t{1} << (kDigitWidth - 2)> odd_multiples(const Point<Subgroup>& p,
                                                                                const JubjubParams& params) {
  std::array<Point<Subgroup>, std::size_t{1} << (kDigitWidth - 2)> odd;
  odd[0] = p;
  const Point<Subgroup> twice = p.doubled();
  for (std::size_t i = 1; i < odd.size(); ++i) odd[i] = odd[i - 1].add(twice, params);
  return odd;
}

using OddPoints = std::array<Point<Unknown>, std::size_t{1} << (kPointWidth - 2)>;

int magnitude(int digit) { return digit < 0 ? -digit : digit; }

template <class Subgroup, std::size_t N>
Point<Subgroup> multiple(const std::array<Point<Subgroup>, N>& odd, int digit) {
  const Point<Subgroup>& entry = odd[static_cast<std::size_t>(magnitude(digit) / 2)];
  return digit < 0 ? entry.negate() : entry;
}

Point<PrimeOrder> times_two_to_half_bits(Point<PrimeOrder> p) {
  for (int i = 0; i < kHalfBits; ++i) p = p.doubled();
  return p;
}

int digit_at(const Naf& naf, int i) { return i < naf.length ? naf.digits[static_cast<std::size_t>(i)] : 0; }

// The chain of doublings shared by every scalar, from digit position
// `length` - 1 down to 0: `adds(i)` tells whether any scalar has a digit at
// i, `add_terms(acc, i)` adds their multiples.
template <class Subgroup, class Adds, class AddTerms>
[[gnu::always_inline]] inline Point<Subgroup> doubling_chain(int length, Adds adds, AddTerms add_terms) {
  Point<Subgroup> acc;
  for (int i = length - 1; i >= 0; --i) {
    // t is only needed by an addition or by the caller.
    acc = adds(i) || i == 0 ? acc.doubled() : acc.doubled_without_t();
    acc = add_terms(acc, i);
  }
  return acc;
}

}  // namespace

OddMultiplesTable::OddMultiplesTable(const Point<PrimeOrder>& base, const JubjubParams& params) {
  const auto affine = to_affine_niels(odd_multiples<kWidth>(base, params), params);
  std::copy(affine.begin(), affine.end(), odd_.begin());
}

AffineNiels OddMultiplesTable::multiple(int digit) const {
  const AffineNiels& entry = odd_[static_cast<std::size_t>(magnitude(digit) / 2)];
  return digit > 0 ? entry : entry.negated();
}

SplitBaseTables::SplitBaseTables(const Point<PrimeOrder>& base, const JubjubParams& params)
    : low(base, params), high(times_two_to_half_bits(base), params) {}

Point<Unknown> joint_mul_var(const Point<Unknown>& p, unsigned __int128 k, const Point<Unknown>& q,
                             unsigned __int128 l, const SplitBaseTables& base, const FsRepr& m,
                             const JubjubParams& params) {
  const OddPoints p_odd = odd_multiples<kPointWidth>(p, params);
  const OddPoints q_odd = odd_multiples<kPointWidth>(q, params);
  const Naf k_naf = non_adjacent_form(limbs_from_u128(k), kPointWidth);
  const Naf l_naf = non_adjacent_form(limbs_from_u128(l), kPointWidth);
  const Naf m_low = non_adjacent_form(Limbs{m[0], m[1], 0, 0}, OddMultiplesTable::kWidth);
  const Naf m_high = non_adjacent_form(Limbs{m[2], m[3], 0, 0}, OddMultiplesTable::kWidth);

  const int length = std::max({k_naf.length, l_naf.length, m_low.length, m_high.length});
  const auto adds = [&](int i) {
    return (digit_at(k_naf, i) | digit_at(l_naf, i) | digit_at(m_low, i) | digit_at(m_high, i)) != 0;
  };
  const auto add_terms = [&](Point<Unknown> acc, int i) {
    const int k_digit = digit_at(k_naf, i), l_digit = digit_at(l_naf, i);
    const int low_digit = digit_at(m_low, i), high_digit = digit_at(m_high, i);
    if (k_digit != 0) acc = acc.add(multiple(p_odd, k_digit), params);
    if (l_digit != 0) acc = acc.add(multiple(q_odd, l_digit), params);
    if (low_digit != 0) acc = acc.add(base.low.multiple(low_digit));
    if (high_digit != 0) acc = acc.add(base.high.multiple(high_digit));
    return acc;
  };
  return doubling_chain<Unknown>(length, adds, add_terms);
}

template <class Subgroup>
Point<Subgroup> mul_var(const Point<Subgroup>& p, const Limbs& k, const JubjubParams& params) {
  const auto odd = odd_multiples<kPointWidth>(p, params);
  const Naf naf = non_adjacent_form(k, kPointWidth);
  const auto adds = [&](int i) { return digit_at(naf, i) != 0; };
  const auto add_terms = [&](Point<Subgroup> acc, int i) {
    const int digit = digit_at(naf, i);
    return digit != 0 ? acc.add(multiple(odd, digit), params) : acc;
  };
  return doubling_chain<Subgroup>(naf.length, adds, add_terms);
}

template Point<PrimeOrder> mul_var(const Point<PrimeOrder>&, const Limbs&, const JubjubParams&);
template Point<Unknown> mul_var(const Point<Unknown>&, const Limbs&, const JubjubParams&);

}  // namespace korvo::curve
