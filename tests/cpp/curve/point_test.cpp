// Point encoding, decoding failures and group laws.
#include <gtest/gtest.h>

#include <random>

#include "curve/double_and_add.h"
#include "curve/hex_bytes.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"

namespace korvo::curve {
namespace {

using testing::hex_limbs;
using testing::hex_of;
using P = Point<Unknown>;

const Limbs kR = hex_limbs("30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
const Limbs kS = Fs::char_();

std::optional<P> read(const Limbs& y_and_sign) { return P::read_var(limbs_to_le_bytes(y_and_sign), jubjub_params()); }

TEST(PointEncoding, NeutralAndSmallOrderPoints) {
  EXPECT_EQ(P::zero().to_le_bytes(), limbs_to_le_bytes(Limbs{1, 0, 0, 0}));
  EXPECT_EQ(read(Limbs{1, 0, 0, 0}).value(), P::zero());
  EXPECT_EQ(read(Limbs{1, 0, 0, 1ull << 63}).value(), P::zero());  // x = 0 has no sign
  const P order_two = read(Limbs{kR[0] - 1, kR[1], kR[2], kR[3]}).value();
  EXPECT_EQ(order_two.into_xy(), std::make_pair(Fr::zero(), -Fr::one()));
  EXPECT_EQ(order_two.doubled(), P::zero());
  const P order_four = read(Limbs{}).value();
  EXPECT_EQ(order_four.into_xy().first.square(), -Fr::one());
  EXPECT_EQ(order_four.doubled(), order_two);
}

TEST(PointEncoding, DecodingFailures) {
  for (std::uint64_t y : {2, 4, 6}) EXPECT_FALSE(read(Limbs{y, 0, 0, 0})) << "not on curve: " << y;
  EXPECT_FALSE(read(kR)) << "y is not in field";
  EXPECT_FALSE(read(Limbs{kR[0], kR[1], kR[2], kR[3] | 1ull << 63})) << "y is not in field";
}

TEST(PointEncoding, FromXy) {
  EXPECT_EQ(P::from_xy(Fr::zero(), Fr::one(), jubjub_params()), P::zero());
  EXPECT_FALSE(P::from_xy(Fr::one(), Fr::one(), jubjub_params()).has_value());
  const auto [x, y] = jubjub_params().signing_generator().into_xy();
  EXPECT_EQ(P::from_xy(x, y, jubjub_params()), jubjub_params().signing_generator());
}

TEST(PointEncoding, GeneratorMultiples) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.signing_generator();
  EXPECT_EQ(hex_of(g.to_le_bytes()), "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a085");
  EXPECT_EQ(hex_of(g.doubled().to_le_bytes()), "1c9c25b0502a1a38ee1147b3b51a58efab8e4b642eafbe5b2daa9b3296215e0f");
  EXPECT_EQ(hex_of(mul_var(g, Limbs{3, 0, 0, 0}, params).to_le_bytes()),
            "539afce72fc09c713d35e839bb86adb9261410f9af57946df5d688e7c266ee08");
  const std::string minus_g = "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a005";
  EXPECT_EQ(hex_of(mul_var(g, Limbs{kS[0] - 1, kS[1], kS[2], kS[3]}, params).to_le_bytes()), minus_g);
  EXPECT_EQ(hex_of(g.negate().to_le_bytes()), minus_g);
}

class PointLaws : public ::testing::Test {
 protected:
  // A decodable point without cofactor clearing: usually outside the subgroup.
  P random_curve_point() {
    while (true) {
      Limbs y = testing::random_runs(rng_);
      y[3] &= 0x8fffffffffffffff;
      if (auto p = read(y)) return *p;
    }
  }
  std::mt19937_64 rng_{17};
};

TEST_F(PointLaws, GroupLaws) {
  const auto& params = jubjub_params();
  for (int i = 0; i < 20; ++i) {
    const P a = random_curve_point(), b = random_curve_point(), c = random_curve_point();
    EXPECT_EQ(a.add(b, params), b.add(a, params));
    EXPECT_EQ(a.add(b, params).add(c, params), a.add(b.add(c, params), params));
    EXPECT_EQ(a.add(a, params), a.doubled());
    EXPECT_EQ(a.add(a.negate(), params), P::zero());
    EXPECT_EQ(P::read_var(a.add(b, params).to_le_bytes(), params).value(), a.add(b, params));
    const Point<PrimeOrder> cleared = a.mul_by_cofactor();
    EXPECT_EQ(testing::double_and_add(cleared, kS, params), Point<PrimeOrder>::zero());
  }
}

TEST_F(PointLaws, WindowedMultiplicationMatchesDoubleAndAdd) {
  const auto& params = jubjub_params();
  std::vector<Limbs> scalars = {Limbs{},  Limbs{1, 0, 0, 0},    Limbs{31, 0, 0, 0},
                                kS,       {kS[0] + 1, kS[1], kS[2], kS[3]}, Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{~0ull, 0, ~0ull, 0}};
  for (int i = 0; i < 12; ++i) scalars.push_back(testing::random_runs(rng_));
  std::vector<P> points = {P::zero(), read(Limbs{}).value(), P(params.signing_generator())};
  for (int i = 0; i < 4; ++i) points.push_back(random_curve_point());
  for (const P& p : points) {
    for (const Limbs& k : scalars) {
      const P fast = mul_var(p, k, params), slow = testing::double_and_add(p, k, params);
      ASSERT_EQ(hex_of(fast.to_le_bytes()), hex_of(slow.to_le_bytes())) << repr_to_hex(k);
      ASSERT_EQ(fast.add(p, params), slow.add(p, params)) << "t must be consistent: " << repr_to_hex(k);
    }
  }
}

}  // namespace
}  // namespace korvo::curve
