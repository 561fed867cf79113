#include "curve/fixed_base.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "curve/batch_affine.h"
#include "support/failure.h"
#include "support/secret.h"

namespace korvo::curve {
namespace {

constexpr std::size_t kWindows = FixedBaseTable::kWindows;
constexpr std::size_t kEntries = FixedBaseTable::kEntries;
constexpr std::size_t kBits = FixedBaseTable::kBits;

using Row = std::array<AffineNiels, kEntries>;

[[gnu::always_inline]] inline void conditional_assign(AffineNiels& target, const AffineNiels& source,
                                                      std::uint64_t mask) {
  target.y_plus_x.conditional_assign(source.y_plus_x, mask);
  target.y_minus_x.conditional_assign(source.y_minus_x, mask);
  target.xy2d.conditional_assign(source.xy2d, mask);
}

// All ones when a == b.
[[gnu::always_inline]] inline std::uint64_t equal_mask(std::uint64_t a, std::uint64_t b) {
  return detail::mask_of(((a ^ b) - 1) >> 63);
}

template <class Lane>
using Lanes = std::array<Lane, sizeof(AffineNiels) / sizeof(Lane)>;

// picked |= entry where mask is all ones.
template <class Lane>
[[gnu::always_inline]] inline void accumulate(Lanes<Lane>& picked, const AffineNiels& entry, std::uint64_t mask) {
  static_assert(sizeof(Lanes<Lane>) == sizeof(AffineNiels) && std::is_trivially_copyable_v<AffineNiels>);
  const Lane lane_mask = Lane{} + detail::opaque(mask);
  // One load per lane straight from the table: a whole-entry copy would be
  // stored in smaller pieces and read back in lanes, stalling each read.
  const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
  for (std::size_t l = 0; l < picked.size(); ++l) {
    Lane lane;
    std::memcpy(&lane, bytes + l * sizeof(Lane), sizeof(Lane));
    picked[l] |= lane & lane_mask;
  }
}

// digit * 2^(kBits*w) * G from row w, reading every entry of the row in
// vector lanes.
template <class Lane>
[[gnu::always_inline]] inline AffineNiels select(const Row& row, std::int8_t digit) {
  const std::uint64_t negative = static_cast<std::uint8_t>(digit) >> 7;
  const std::uint64_t widened = static_cast<std::uint64_t>(static_cast<std::int64_t>(digit));
  const std::uint64_t magnitude = (widened ^ (0 - negative)) + negative;
  Lanes<Lane> picked{};
  accumulate<Lane>(picked, AffineNiels{}, equal_mask(magnitude, 0));
  for (std::size_t j = 0; j < kEntries; ++j) accumulate<Lane>(picked, row[j], equal_mask(magnitude, j + 1));
  AffineNiels out = std::bit_cast<AffineNiels>(picked);
  conditional_assign(out, out.negated(), detail::mask_of(negative));
  return out;
}

// SSE2, which every x86-64 processor has; plain words elsewhere.
using Lane16 = std::uint64_t __attribute__((vector_size(16)));
AffineNiels select_lanes16(const Row& row, std::int8_t digit) { return select<Lane16>(row, digit); }

#if defined(__x86_64__)
using Lane32 = std::uint64_t __attribute__((vector_size(32)));
[[gnu::target("avx2")]] AffineNiels select_lanes32(const Row& row, std::int8_t digit) {
  return select<Lane32>(row, digit);
}
#endif

// Bits [kBits*i, kBits*(i+1)) of k, which may straddle two limbs.
std::uint64_t window(const Limbs& k, std::size_t i) {
  const std::size_t bit = kBits * i, limb = bit / 64, shift = bit % 64;
  std::uint64_t value = k[limb] >> shift;
  if (shift + kBits > 64 && limb + 1 < k.size()) value |= k[limb + 1] << (64 - shift);
  return value & ((std::uint64_t{1} << kBits) - 1);
}

// Radix-2^kBits digits of k recentred into [-kEntries, kEntries); the top
// one absorbs the carry.
std::array<std::int8_t, kWindows> signed_digits(const Limbs& k) {
  constexpr int kRadix = 1 << kBits;
  std::array<std::int8_t, kWindows> digits{};
  int carry = 0;
  for (std::size_t i = 0; i + 1 < kWindows; ++i) {
    const int value = static_cast<int>(window(k, i)) + carry;
    carry = (value + kRadix / 2) >> kBits;
    digits[i] = static_cast<std::int8_t>(value - (carry << kBits));
  }
  digits[kWindows - 1] = static_cast<std::int8_t>(static_cast<int>(window(k, kWindows - 1)) + carry);
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

bool FixedBaseTable::supported(RowRead read) {
#if defined(__x86_64__)
  if (read == RowRead::kLanes32) return __builtin_cpu_supports("avx2");
#endif
  return read == RowRead::kLanes16;
}

Point<PrimeOrder> FixedBaseTable::mul(const FsRepr& k) const {
  // The processor's features are read at load time; asking is one load.
  return mul(k, supported(RowRead::kLanes32) ? RowRead::kLanes32 : RowRead::kLanes16);
}

Point<PrimeOrder> FixedBaseTable::mul(const FsRepr& k, RowRead read) const {
  ensure(supported(read), "this processor cannot read the table that way");
  AffineNiels (*select)(const Row&, std::int8_t) = select_lanes16;
#if defined(__x86_64__)
  if (read == RowRead::kLanes32) select = select_lanes32;
#endif
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
