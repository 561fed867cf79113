// The constant-time fixed-base method against double-and-add.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/double_and_add.h"
#include "support/failure.h"
#include "curve/hex_bytes.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"

namespace korvo::curve {
namespace {

TEST(FixedBase, MatchesDoubleAndAddForEdgeAndRandomScalars) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.generator(5);
  const Limbs s = Fs::char_();
  Limbs s_minus_1 = s, s_plus_7 = s;
  s_minus_1[0] -= 1;
  s_plus_7[0] += 7;
  std::vector<Limbs> scalars = {Limbs{},
                                Limbs{1, 0, 0, 0},
                                Limbs{8, 0, 0, 0},
                                Limbs{0x88888888, 0, 0, 0},
                                s_minus_1,
                                s,
                                s_plus_7,
                                Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{0x8888888888888888, 0x8888888888888888, 0x8888888888888888, 0x0888888888888888},
                                Limbs{0x7777777777777777, 0x7777777777777777, 0x7777777777777777, 0x0577777777777777}};
  std::mt19937_64 rng(23);
  for (int i = 0; i < 40; ++i) scalars.push_back(testing::random_runs(rng));
  for (const Limbs& k : scalars) {
    const Point<PrimeOrder> fast = jubjub_params().mul_generator_ct(5, k);
    ASSERT_EQ(testing::hex_of(fast.to_bytes()), testing::hex_of(testing::double_and_add(g, k, params).to_bytes()))
        << repr_to_hex(k);
    // The result must also be usable in further arithmetic (t consistent).
    ASSERT_EQ(fast.add(g, params), testing::double_and_add(g, k, params).add(g, params)) << repr_to_hex(k);
  }
}

TEST(FixedBase, KnownMultiples) {
  EXPECT_EQ(testing::hex_of(jubjub_params().mul_generator_ct(5, Limbs{1, 0, 0, 0}).to_bytes()),
            "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a085");
  EXPECT_EQ(testing::hex_of(jubjub_params().mul_generator_ct(5, Limbs{2, 0, 0, 0}).to_bytes()),
            "1c9c25b0502a1a38ee1147b3b51a58efab8e4b642eafbe5b2daa9b3296215e0f");
  EXPECT_EQ(testing::hex_of(jubjub_params().mul_generator_ct(5, Limbs{3, 0, 0, 0}).to_bytes()),
            "539afce72fc09c713d35e839bb86adb9261410f9af57946df5d688e7c266ee08");
  Limbs s_minus_1 = Fs::char_();
  s_minus_1[0] -= 1;
  EXPECT_EQ(testing::hex_of(jubjub_params().mul_generator_ct(5, s_minus_1).to_bytes()),
            "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a005");
}

TEST(FixedBase, ScalarFormsAndGeneratorIndex) {
  const auto& params = jubjub_params();
  const Fs k = Fs::from_u64(0xfeedface) * Fs::from_u64(0xdeadbeef).square();
  EXPECT_EQ(params.mul_generator_ct(5, k), params.mul_generator_ct(5, k.into_repr()));
  EXPECT_THROW(params.mul_generator_ct(4, k), InternalFailure);
  EXPECT_THROW(params.mul_generator_ct(6, k), InternalFailure);
}

}  // namespace
}  // namespace korvo::curve
