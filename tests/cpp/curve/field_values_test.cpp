// The fixed values the fields must reproduce.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "curve/euler_criterion.h"
#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/reference_bigint.h"
#include "curve/sqrt_ratio.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

using testing::hex_limbs;

const Limbs kR = hex_limbs("30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
const Limbs kS = hex_limbs("060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1");
const Limbs kRMinus1 = {kR[0] - 1, kR[1], kR[2], kR[3]};
const Limbs kSMinus1 = {kS[0] - 1, kS[1], kS[2], kS[3]};

TEST(FieldValues, FromReprBoundaries) {
  EXPECT_EQ(Fr::modulus(), kR);
  EXPECT_EQ(Fs::char_(), kS);
  EXPECT_FALSE(Fr::from_limbs(kR));
  EXPECT_FALSE(Fs::from_limbs(kS));
  EXPECT_FALSE(Fs::from_limbs(Limbs{~0ull, ~0ull, ~0ull, ~0ull}));
  EXPECT_EQ(Fr::from_limbs(kRMinus1).value(), -Fr::one());
  EXPECT_EQ(Fs::from_limbs(kSMinus1).value(), -Fs::one());
  EXPECT_TRUE(Fs::from_limbs(Limbs{}).value().is_zero());
  EXPECT_FALSE(Fr::from_le_bytes(limbs_to_le_bytes(kR)));
  const auto below = Fr::from_le_bytes(limbs_to_le_bytes(kRMinus1));
  ASSERT_TRUE(below);
  EXPECT_EQ(below->to_le_bytes(), limbs_to_le_bytes(kRMinus1));
}

TEST(FieldValues, FromStr) {
  for (const char* bad : {"", "00", "01", "+1", "-1", "1 ", " 1", "0x1", "1a"}) {
    EXPECT_FALSE(Fr::from_str_var(bad).has_value()) << '"' << bad << '"';
  }
  EXPECT_EQ(Fr::from_str_var("0"), Fr::zero());
  EXPECT_EQ(Fr::from_str_var("10"), Fr::from_u64(10));
  EXPECT_EQ(Fr::from_str_var("18446744073709551616")->to_limbs(), (Limbs{0, 1, 0, 0}));
  EXPECT_EQ(Fr::from_str_var("21888242871839275222246405745257275088548364400416034343698204186575808495617"), Fr::zero());
  EXPECT_EQ(Fr::from_str_var("21888242871839275222246405745257275088548364400416034343698204186575808495618"), Fr::one());
}

TEST(FieldValues, SquareRoots) {
  EXPECT_EQ(testing::euler_criterion(Fr::zero()), Fr::zero());
  for (std::uint64_t v : {1, 2, 3, 4, 6, 8, 9}) EXPECT_EQ(testing::euler_criterion(Fr::from_u64(v)), Fr::one()) << v;
  for (std::uint64_t v : {5, 7, 10, 11}) {
    EXPECT_EQ(testing::euler_criterion(Fr::from_u64(v)), -Fr::one()) << v;
    EXPECT_FALSE(sqrt_ratio_var(Fr::from_u64(v), Fr::one()).has_value()) << v;
  }
  EXPECT_EQ(sqrt_ratio_var(Fr::zero(), Fr::one()), Fr::zero());
  for (std::uint64_t v : {4, 9, 16, 2, 3}) {
    EXPECT_EQ(sqrt_ratio_var(Fr::from_u64(v), Fr::one())->square(), Fr::from_u64(v)) << v;
  }
  // Random squares need the full Tonelli-Shanks loop.
  std::mt19937_64 rng(3);
  for (int i = 0; i < 50; ++i) {
    const Fr x = Fr::from_raw(testing::random_runs(rng));
    const auto root = sqrt_ratio_var(x.square(), Fr::one());
    ASSERT_TRUE(root == x || root == -x) << i;
  }
}

TEST(FieldValues, Inversion) {
  const Limbs half = hex_limbs("183227397098d014dc2822db40c0ac2e9419f4243cdcb848a1f0fac9f8000001");
  EXPECT_TRUE(Fr::from_u64(2).invert().valid);
  EXPECT_EQ(Fr::from_u64(2).invert().value.to_limbs(), half);
  EXPECT_FALSE(Fr::zero().invert().valid);
}

TEST(FieldValues, WideNarrowAndUniform) {
  std::array<std::uint8_t, 64> wide{};
  wide[32] = 1;
  EXPECT_EQ(Fr::from_le_bytes_wide(wide).to_limbs(),
            hex_limbs("0e0a77c19a07df2f666ea36f7879462e36fc76959f60cd29ac96341c4ffffffb"));
  const unsigned __int128 big = (static_cast<unsigned __int128>(0xfedcba9876543210ull) << 64) | 0x0123456789abcdefull;
  EXPECT_EQ(Fr::from_u128(big).to_limbs(), (Limbs{0x0123456789abcdefull, 0xfedcba9876543210ull, 0, 0}));
  std::array<std::uint8_t, 32> ff;
  ff.fill(0xff);
  EXPECT_EQ(Fs::to_uniform_32(ff).to_limbs(),
            hex_limbs("01f16424e1bb7724f85a9201d818f015e7acffc6a098f24b073315dea08f9c75"));
  EXPECT_TRUE(Fs::to_uniform_32(limbs_to_le_bytes(kS)).is_zero());
  EXPECT_THROW(Fs::to_uniform_32(std::array<std::uint8_t, 31>{}), InternalFailure);
}

}  // namespace
}  // namespace korvo::curve
