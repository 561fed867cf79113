#include "curve/fixed_base.h"

#include <array>
#include <cstdint>
#include <vector>

#include "curve/batch_affine.h"
#include "support/secret.h"

namespace korvo::curve {
namespace {

constexpr std::size_t kWindows = FixedBaseTable::kWindows;
constexpr std::size_t kEntries = FixedBaseTable::kEntries;

using Row = std::array<AffineNiels, kEntries>;

// All ones when a == b (both below 16).
std::uint64_t equal_mask(std::uint64_t a, std::uint64_t b) { return detail::mask_of(((a ^ b) - 1) >> 63); }

void conditional_assign(AffineNiels& target, const AffineNiels& source, std::uint64_t mask) {
  target.y_plus_x.conditional_assign(source.y_plus_x, mask);
  target.y_minus_x.conditional_assign(source.y_minus_x, mask);
  target.xy2d.conditional_assign(source.xy2d, mask);
}

// digit * 16^w * G from row w, reading every entry of the row.
AffineNiels select(const Row& row, std::int8_t digit) {
  const std::uint64_t negative = static_cast<std::uint8_t>(digit) >> 7;
  const std::uint64_t widened = static_cast<std::uint64_t>(static_cast<std::int64_t>(digit));
  const std::uint64_t magnitude = (widened ^ (0 - negative)) + negative;
  AffineNiels out;
  for (std::size_t j = 0; j < kEntries; ++j) conditional_assign(out, row[j], equal_mask(magnitude, j + 1));
  const AffineNiels negated{out.y_minus_x, out.y_plus_x, -out.xy2d};
  conditional_assign(out, negated, detail::mask_of(negative));
  return out;
}

std::uint64_t nibble(const Limbs& k, std::size_t i) { return (k[i / 16] >> (4 * (i % 16))) & 0xf; }

// Radix-16 digits of k recentred into [-8, 7]; the top one absorbs the carry.
std::array<std::int8_t, kWindows> signed_digits(const Limbs& k) {
  std::array<std::int8_t, kWindows> digits{};
  int carry = 0;
  for (std::size_t i = 0; i + 1 < kWindows; ++i) {
    const int value = static_cast<int>(nibble(k, i)) + carry;
    carry = (value + 8) >> 4;
    digits[i] = static_cast<std::int8_t>(value - (carry << 4));
  }
  digits[kWindows - 1] = static_cast<std::int8_t>(static_cast<int>(nibble(k, kWindows - 1)) + carry);
  return digits;
}

}  // namespace

FixedBaseTable::FixedBaseTable(const Point<PrimeOrder>& base, const JubjubParams& params) {
  // All 512 multiples in extended form first, then made affine with one
  // shared inversion.
  std::vector<Point<PrimeOrder>> points;
  points.reserve(kWindows * kEntries);
  Point<PrimeOrder> window_base = base;
  for (std::size_t w = 0; w < kWindows; ++w) {
    points.push_back(window_base);
    for (std::size_t j = 1; j < kEntries; ++j) points.push_back(points.back().add(window_base, params));
    window_base = points.back().doubled();
  }
  const std::vector<AffineNiels> affine = to_affine_niels(points, params);
  for (std::size_t i = 0; i < affine.size(); ++i) rows_[i / kEntries][i % kEntries] = affine[i];
}

Point<PrimeOrder> FixedBaseTable::mul(const FsRepr& k) const {
  using Core = FieldCore<FsParams>;
  Limbs reduced = Core::from_montgomery(Core::to_montgomery(k));
  std::array<std::int8_t, kWindows> digits = signed_digits(reduced);
  Point<PrimeOrder> acc;
  AffineNiels term;
  for (std::size_t w = 0; w < kWindows; ++w) {
    term = select(rows_[w], digits[w]);
    acc = acc.add(term);
  }
  wipe(reduced);
  wipe(digits);
  wipe(term);
  return acc;
}

}  // namespace korvo::curve
