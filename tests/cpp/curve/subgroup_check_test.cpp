// The pairing-based subgroup test against multiplication by the subgroup
// order, on every coset of the subgroup.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/double_and_add.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"
#include "curve/torsion.h"

namespace korvo::curve {
namespace {

using P = Point<Unknown>;

bool has_order_dividing_s(const P& p, const JubjubParams& params) {
  return testing::double_and_add(p, Fs::char_(), params) == P::zero();
}

TEST(SubgroupCheck, TorsionPointsOfEveryOrder) {
  const auto& params = jubjub_params();
  const auto torsion = testing::torsion_points(params);
  int order_eight = 0;
  for (std::size_t j = 0; j < torsion.size(); ++j) {
    EXPECT_EQ(params.in_prime_subgroup_var(torsion[j]), j == 0) << j;
    order_eight += torsion[j].doubled().doubled() != P::zero();
  }
  EXPECT_EQ(order_eight, 4);
}

// Each random point of the subgroup plus each torsion point: exactly the
// sums with the zero torsion point are in the subgroup, whatever the
// projective scaling the additions leave.
// The paired check on every pair of cosets, torsion points alone included:
// true exactly when both points are in the subgroup.
TEST(SubgroupCheck, PairedCheckAgreesOnEveryPairOfCosets) {
  const auto& params = jubjub_params();
  const auto torsion = testing::torsion_points(params);
  std::mt19937_64 rng(43);
  std::vector<P> points;
  for (std::size_t j = 0; j < torsion.size(); ++j) {
    points.push_back(torsion[j]);
    points.push_back(P(mul_var(params.signing_generator(), testing::random_runs(rng), params)).add(torsion[j], params));
  }
  for (const P& p : points) {
    for (const P& q : points) {
      const bool expected = has_order_dividing_s(p, params) && has_order_dividing_s(q, params);
      ASSERT_EQ(params.both_in_prime_subgroup_var(p, q), expected);
    }
  }
}

TEST(SubgroupCheck, EveryCosetAgreesWithMultiplicationByTheOrder) {
  const auto& params = jubjub_params();
  const auto torsion = testing::torsion_points(params);
  std::mt19937_64 rng(41);
  for (int i = 0; i < 12; ++i) {
    const P member = mul_var(params.signing_generator(), testing::random_runs(rng), params);
    for (std::size_t j = 0; j < torsion.size(); ++j) {
      const P sum = member.add(torsion[j], params);
      const bool expected = has_order_dividing_s(sum, params);
      ASSERT_EQ(expected, j == 0);
      ASSERT_EQ(params.in_prime_subgroup_var(sum), expected) << i << " " << j;
      ASSERT_EQ(params.in_prime_subgroup_var(sum.negate()), expected) << i << " " << j;
    }
  }
}

TEST(SubgroupCheck, DecodedPointsAgreeWithMultiplicationByTheOrder) {
  const auto& params = jubjub_params();
  std::mt19937_64 rng(43);
  int inside = 0, outside = 0;
  for (int tried = 0; tried < 200; ++tried) {
    Limbs y = testing::random_runs(rng);
    y[3] &= 0x8fffffffffffffff;
    const auto p = P::read_var(limbs_to_le_bytes(y), params);
    if (!p) continue;
    const bool expected = has_order_dividing_s(p.value(), params);
    (expected ? inside : outside) += 1;
    ASSERT_EQ(params.in_prime_subgroup_var(p.value()), expected) << repr_to_hex(y);
    const P cleared = p.value().mul_by_cofactor();
    ASSERT_TRUE(params.in_prime_subgroup_var(cleared));
    ASSERT_EQ(params.in_prime_subgroup_var(cleared.add(p.value(), params)), expected);
  }
  EXPECT_GT(inside, 0);
  EXPECT_GT(outside, 0);
}

}  // namespace
}  // namespace korvo::curve
