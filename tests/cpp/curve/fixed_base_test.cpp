// The constant-time fixed-base method against double-and-add.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/double_and_add.h"
#include "curve/hex_bytes.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

// Every window but the top one set to `value`.
Limbs every_window(std::uint64_t value) {
  constexpr std::size_t kBits = FixedBaseTable::kBits;
  Limbs k{};
  for (std::size_t i = 0; i + 1 < FixedBaseTable::kWindows; ++i) {
    for (std::size_t b = 0; b < kBits; ++b) {
      if ((value >> b) & 1) k[(kBits * i + b) / 64] |= std::uint64_t{1} << ((kBits * i + b) % 64);
    }
  }
  return k;
}

TEST(FixedBase, MatchesDoubleAndAddForEdgeAndRandomScalars) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.signing_generator();
  const Limbs s = Fs::char_();
  // Windows of half the radix carry into every next digit; one less and all
  // ones do not, or carry with the largest magnitudes.
  constexpr std::uint64_t kHalf = FixedBaseTable::kEntries;
  std::vector<Limbs> scalars = {Limbs{}, Limbs{1, 0, 0, 0}, Limbs{kHalf, 0, 0, 0}, {s[0] - 1, s[1], s[2], s[3]}, s,
                                {s[0] + 7, s[1], s[2], s[3]}, Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                every_window(kHalf), every_window(kHalf - 1), every_window(2 * kHalf - 1),
                                every_window(kHalf + 1)};
  std::mt19937_64 rng(23);
  for (int i = 0; i < 40; ++i) scalars.push_back(testing::random_runs(rng));
  for (const Limbs& k : scalars) {
    const Point<PrimeOrder> fast = params.mul_generator_ct(k);
    const Point<PrimeOrder> slow = testing::double_and_add(g, k, params);
    ASSERT_EQ(testing::hex_of(fast.to_le_bytes()), testing::hex_of(slow.to_le_bytes())) << repr_to_hex(k);
    ASSERT_EQ(fast.add(g, params), slow.add(g, params)) << "t must be consistent: " << repr_to_hex(k);
  }
  // Every way of reading the rows this processor supports, on its own table.
  const FixedBaseTable table(g, params);
  for (const auto read : {FixedBaseTable::RowRead::kLanes16, FixedBaseTable::RowRead::kLanes32}) {
    if (!FixedBaseTable::supported(read)) {
      EXPECT_THROW(table.mul(scalars[1], read), InternalFailure);
      continue;
    }
    for (const Limbs& k : scalars) {
      ASSERT_EQ(testing::hex_of(table.mul(k, read).to_le_bytes()),
                testing::hex_of(testing::double_and_add(g, k, params).to_le_bytes()))
          << static_cast<int>(read) << " " << repr_to_hex(k);
    }
  }
  EXPECT_TRUE(FixedBaseTable::supported(FixedBaseTable::RowRead::kLanes16));
  const Fs k = Fs::from_u64(0xfeedface) * Fs::from_u64(0xdeadbeef).square();
  EXPECT_EQ(params.mul_generator_ct(k), params.mul_generator_ct(k.to_limbs()));
}

}  // namespace
}  // namespace korvo::curve
