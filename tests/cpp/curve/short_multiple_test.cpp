// The half-length pair (u, v) of a challenge c: u = v*c mod s, both short,
// v non-zero, checked with the plain modular product.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/reference_bigint.h"
#include "curve/short_multiple.h"

namespace korvo::curve {
namespace {

using u128 = unsigned __int128;

TEST(ShortMultiple, IsAShortMultipleOfTheChallenge) {
  const Limbs s = Fs::char_();
  std::vector<Limbs> challenges = {Limbs{},
                                   Limbs{1, 0, 0, 0},
                                   Limbs{~0ull, (1ull << 62) - 1, 0, 0},  // 2^126 - 1: already short
                                   Limbs{0, 1ull << 62, 0, 0},            // 2^126: one step
                                   Limbs{s[0] - 1, s[1], s[2], s[3]},
                                   Limbs{s[0] >> 1 | s[1] << 63, s[1] >> 1 | s[2] << 63, s[2] >> 1 | s[3] << 63,
                                         s[3] >> 1}};
  std::mt19937_64 rng(71);
  for (int i = 0; i < 2000; ++i) challenges.push_back(testing::random_below(rng, s));
  for (const Limbs& c : challenges) {
    const ShortMultiple m = short_multiple(c);
    ASSERT_NE(m.v, 0u) << repr_to_hex(c);
    ASSERT_LT(m.u, u128{1} << 126) << repr_to_hex(c);
    ASSERT_LT(m.v, u128{1} << 125) << repr_to_hex(c);
    Limbs v_c = testing::mul_mod(limbs_from_u128(m.v), c, s);
    if (m.v_negative) v_c = testing::neg_mod(v_c, s);
    ASSERT_EQ(v_c, limbs_from_u128(m.u)) << repr_to_hex(c);
  }
}

}  // namespace
}  // namespace korvo::curve
