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

TEST(FixedBase, MatchesDoubleAndAddForEdgeAndRandomScalars) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.generator(5);
  const Limbs s = Fs::char_();
  // All-8 and all-7 nibbles reach the carries of the signed digits.
  std::vector<Limbs> scalars = {Limbs{}, Limbs{1, 0, 0, 0}, Limbs{8, 0, 0, 0}, {s[0] - 1, s[1], s[2], s[3]}, s,
                                {s[0] + 7, s[1], s[2], s[3]}, Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{0x8888888888888888, 0x8888888888888888, 0x8888888888888888, 0x0888888888888888},
                                Limbs{0x7777777777777777, 0x7777777777777777, 0x7777777777777777, 0x0577777777777777}};
  std::mt19937_64 rng(23);
  for (int i = 0; i < 40; ++i) scalars.push_back(testing::random_runs(rng));
  for (const Limbs& k : scalars) {
    const Point<PrimeOrder> fast = params.mul_generator_ct(5, k);
    const Point<PrimeOrder> slow = testing::double_and_add(g, k, params);
    ASSERT_EQ(testing::hex_of(fast.to_bytes()), testing::hex_of(slow.to_bytes())) << repr_to_hex(k);
    ASSERT_EQ(fast.add(g, params), slow.add(g, params)) << "t must be consistent: " << repr_to_hex(k);
  }
  const Fs k = Fs::from_u64(0xfeedface) * Fs::from_u64(0xdeadbeef).square();
  EXPECT_EQ(params.mul_generator_ct(5, k), params.mul_generator_ct(5, k.into_repr()));
  EXPECT_THROW(params.mul_generator_ct(4, k), InternalFailure);
}

}  // namespace
}  // namespace korvo::curve
