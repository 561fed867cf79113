// Point encoding, decoding failures and group laws.
#include <gtest/gtest.h>

#include <random>

#include "curve/double_and_add.h"
#include "curve/hex_bytes.h"
#include "curve/jubjub_params.h"
#include "curve/point.h"
#include "curve/reference_bigint.h"

namespace korvo::curve {
namespace {

using testing::bytes32;
using testing::hex_limbs;
using testing::hex_of;
using P = Point<Unknown>;

const Limbs kR = hex_limbs("30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
const Limbs kS = hex_limbs("060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1");

std::array<std::uint8_t, 32> le(const Limbs& v) { return limbs_to_le(v); }

std::string read_error(const std::array<std::uint8_t, 32>& bytes) {
  const auto result = P::read(bytes, jubjub_params());
  return result.ok() ? "ok" : result.error().description;
}

TEST(PointEncoding, NeutralPoint) {
  const auto bytes = P::zero().to_bytes();
  std::array<std::uint8_t, 32> expected{};
  expected[0] = 1;
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(P::read(expected, jubjub_params()).value(), P::zero());
  expected[31] |= 0x80;
  EXPECT_EQ(P::read(expected, jubjub_params()).value(), P::zero());
}

TEST(PointEncoding, SmallOrderPoints) {
  Limbs r_minus_1 = kR;
  r_minus_1[0] -= 1;
  const P two_torsion = P::read(le(r_minus_1), jubjub_params()).value();
  const auto [x, y] = two_torsion.into_xy();
  EXPECT_TRUE(x.is_zero());
  EXPECT_EQ(y, -Fr::one());
  EXPECT_EQ(two_torsion.doubled(), P::zero());

  const P four_torsion = P::read(std::array<std::uint8_t, 32>{}, jubjub_params()).value();
  const auto [x4, y4] = four_torsion.into_xy();
  EXPECT_TRUE(y4.is_zero());
  EXPECT_EQ(x4.square(), -Fr::one());
  EXPECT_NE(four_torsion.doubled(), P::zero());
  EXPECT_EQ(four_torsion.doubled(), two_torsion);
  EXPECT_EQ(four_torsion.doubled().doubled(), P::zero());
}

TEST(PointEncoding, DecodingFailures) {
  for (std::uint64_t y : {2, 4, 6}) EXPECT_EQ(read_error(le(Limbs{y, 0, 0, 0})), "not on curve") << y;
  EXPECT_EQ(read_error(le(kR)), "y is not in field");
  Limbs r_with_sign = kR;
  r_with_sign[3] |= std::uint64_t{1} << 63;
  EXPECT_EQ(read_error(le(r_with_sign)), "y is not in field");
  const std::array<std::uint8_t, 31> short_input{};
  const auto result = P::read(short_input, jubjub_params());
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().description, "failed to fill whole buffer");
}

TEST(PointEncoding, ReadsOnlyTheFirst32Bytes) {
  const auto g = jubjub_params().generator(5).to_bytes();
  std::array<std::uint8_t, 40> longer{};
  std::copy(g.begin(), g.end(), longer.begin());
  longer[35] = 0xff;
  EXPECT_EQ(P::read(longer, jubjub_params()).value(), jubjub_params().generator(5));
}

TEST(PointEncoding, FromXy) {
  EXPECT_EQ(P::from_xy(Fr::zero(), Fr::one(), jubjub_params()), P::zero());
  EXPECT_FALSE(P::from_xy(Fr::one(), Fr::one(), jubjub_params()).has_value());
  const auto [x, y] = jubjub_params().generator(5).into_xy();
  EXPECT_EQ(P::from_xy(x, y, jubjub_params()), jubjub_params().generator(5));
  EXPECT_FALSE(P::from_xy(x + Fr::one(), y, jubjub_params()).has_value());
}

TEST(PointEncoding, GeneratorMultiples) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.generator(5);
  const auto [x, y] = g.into_xy();
  EXPECT_EQ(x.into_repr(), hex_limbs("2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7"));
  EXPECT_EQ(y.into_repr(), hex_limbs("05a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7"));
  EXPECT_EQ(hex_of(g.to_bytes()), "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a085");
  EXPECT_EQ(hex_of(g.doubled().to_bytes()), "1c9c25b0502a1a38ee1147b3b51a58efab8e4b642eafbe5b2daa9b3296215e0f");
  EXPECT_EQ(hex_of(g.mul_var(Limbs{3, 0, 0, 0}, params).to_bytes()),
            "539afce72fc09c713d35e839bb86adb9261410f9af57946df5d688e7c266ee08");
  Limbs s_minus_1 = kS;
  s_minus_1[0] -= 1;
  const std::string minus_g = "b7946c9c0e5c4b987dd5f6f515c8327506e4684a642442783f5d78ea6711a005";
  EXPECT_EQ(hex_of(g.mul_var(s_minus_1, params).to_bytes()), minus_g);
  EXPECT_EQ(hex_of(testing::double_and_add(g, s_minus_1, params).to_bytes()), minus_g);
  EXPECT_EQ(hex_of(g.negate().to_bytes()), minus_g);
}

class PointLaws : public ::testing::Test {
 protected:
  Point<PrimeOrder> random_subgroup_point() {
    return jubjub_params().generator(5).mul_var(testing::random_runs(rng_), jubjub_params());
  }
  // A decodable point with no cofactor clearing: usually outside the subgroup.
  P random_curve_point() {
    while (true) {
      Limbs y = testing::random_runs(rng_);
      y[3] &= 0x8fffffffffffffff;
      const auto p = P::read(le(y), jubjub_params());
      if (p.ok()) return p.value();
    }
  }
  std::mt19937_64 rng_{17};
};

TEST_F(PointLaws, SubgroupPoints) {
  const auto& params = jubjub_params();
  for (int i = 0; i < 20; ++i) {
    const Point<PrimeOrder> p = random_subgroup_point();
    EXPECT_EQ(P::read(p.to_bytes(), params).value(), p);
    EXPECT_EQ(p.add(p.negate(), params), Point<PrimeOrder>::zero());
    EXPECT_EQ(p.add(p, params), p.doubled());
    EXPECT_EQ(p.add(Point<PrimeOrder>::zero(), params), p);
    EXPECT_EQ(p.mul_var(Limbs{}, params), Point<PrimeOrder>::zero());
    EXPECT_EQ(p.mul_var(Limbs{1, 0, 0, 0}, params), p);
    EXPECT_EQ(p.mul_var(kS, params), Point<PrimeOrder>::zero());
    EXPECT_EQ(testing::double_and_add(p, kS, params), Point<PrimeOrder>::zero());
  }
}

TEST_F(PointLaws, AdditionIsCommutativeAndAssociative) {
  const auto& params = jubjub_params();
  for (int i = 0; i < 20; ++i) {
    const P a = random_curve_point(), b = random_curve_point(), c = random_curve_point();
    EXPECT_EQ(a.add(b, params), b.add(a, params));
    EXPECT_EQ(a.add(b, params).add(c, params), a.add(b.add(c, params), params));
    EXPECT_EQ(a.add(b, params).add(b.negate(), params), a);
    // Encoding round trip keeps the point, whatever its order.
    EXPECT_EQ(P::read(a.add(b, params).to_bytes(), params).value(), a.add(b, params));
  }
}

TEST_F(PointLaws, WindowedMultiplicationMatchesDoubleAndAdd) {
  const auto& params = jubjub_params();
  Limbs s_plus_1 = kS;
  s_plus_1[0] += 1;
  std::vector<Limbs> scalars = {Limbs{},          Limbs{1, 0, 0, 0}, Limbs{2, 0, 0, 0},  Limbs{31, 0, 0, 0},
                                kS,               s_plus_1,          Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{0, 0, 0, 1ull << 63}, Limbs{~0ull, 0, ~0ull, 0}};
  for (int i = 0; i < 12; ++i) scalars.push_back(testing::random_runs(rng_));
  std::vector<P> points = {P::zero(), P::read(std::array<std::uint8_t, 32>{}, params).value(),
                           P(jubjub_params().generator(5))};
  for (int i = 0; i < 4; ++i) points.push_back(random_curve_point());
  for (const P& p : points) {
    for (const Limbs& k : scalars) {
      ASSERT_EQ(hex_of(p.mul_var(k, params).to_bytes()), hex_of(testing::double_and_add(p, k, params).to_bytes()))
          << repr_to_hex(k);
    }
  }
}

TEST_F(PointLaws, CofactorClearingGivesSubgroupPoints) {
  const auto& params = jubjub_params();
  for (int i = 0; i < 10; ++i) {
    const Point<PrimeOrder> cleared = random_curve_point().mul_by_cofactor();
    EXPECT_EQ(cleared.mul_var(kS, params), Point<PrimeOrder>::zero());
  }
  EXPECT_EQ(P::read(std::array<std::uint8_t, 32>{}, params).value().mul_by_cofactor(), Point<PrimeOrder>::zero());
}

}  // namespace
}  // namespace korvo::curve
