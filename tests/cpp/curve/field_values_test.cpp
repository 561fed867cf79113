// The fixed values the fields must reproduce.
#include <gtest/gtest.h>

#include <string>

#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/reference_bigint.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

using testing::hex_limbs;

const Limbs kR = hex_limbs("30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
const Limbs kS = hex_limbs("060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1");

Limbs minus_one(Limbs v) {
  v[0] -= 1;
  return v;
}

TEST(FieldValues, ModuliAndTextForm) {
  EXPECT_EQ(Fr::modulus(), kR);
  EXPECT_EQ(Fs::char_(), kS);
  EXPECT_EQ(repr_to_hex(kR), "0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
  EXPECT_EQ(repr_to_hex(Limbs{1, 0, 0, 0}),
            "0x0000000000000000000000000000000000000000000000000000000000000001");
}

TEST(FieldValues, CurveFamilyFromRepr) {
  const auto r_result = Fr::from_repr(kR);
  ASSERT_FALSE(r_result.ok());
  EXPECT_EQ(r_result.error().description,
            "0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001 is not an element of the field");
  ASSERT_TRUE(Fr::from_repr(minus_one(kR)).ok());
  EXPECT_EQ(Fr::from_repr(minus_one(kR)).value().into_repr(), minus_one(kR));

  const auto s_result = Fs::from_repr(kS);
  ASSERT_FALSE(s_result.ok());
  EXPECT_EQ(s_result.error().description,
            "0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1 is not an element of the field");
  ASSERT_TRUE(Fs::from_repr(minus_one(kS)).ok());
  EXPECT_EQ(Fs::from_repr(minus_one(kS)).value().into_repr(), minus_one(kS));
  ASSERT_TRUE(Fs::from_repr(Limbs{}).ok());
  EXPECT_TRUE(Fs::from_repr(Limbs{}).value().is_zero());
}

TEST(FieldValues, PoseidonFamilyFromRepr) {
  EXPECT_FALSE(Fr::from_repr(limbs_to_le(kR)).valid);
  const auto below = Fr::from_repr(limbs_to_le(minus_one(kR)));
  EXPECT_TRUE(below.valid);
  EXPECT_EQ(below.value.to_repr(), limbs_to_le(minus_one(kR)));
  EXPECT_EQ(below.value, -Fr::one());
}

TEST(FieldValues, FromStr) {
  for (const char* bad : {"", "00", "01", "+1", "-1", "1 ", " 1", "0x1", "1a"}) {
    EXPECT_FALSE(Fr::from_str(bad).has_value()) << '"' << bad << '"';
  }
  EXPECT_EQ(Fr::from_str("0"), Fr::zero());
  EXPECT_EQ(Fr::from_str("10"), Fr::from_u64(10));
  EXPECT_EQ(Fr::from_str("18446744073709551616")->into_repr(), (Limbs{0, 1, 0, 0}));
  const std::string r_text = "21888242871839275222246405745257275088548364400416034343698204186575808495617";
  EXPECT_EQ(Fr::from_str(r_text), Fr::zero());
  EXPECT_EQ(Fr::from_str(r_text.substr(0, r_text.size() - 1) + "8"), Fr::one());
}

TEST(FieldValues, Legendre) {
  EXPECT_EQ(Fr::zero().legendre(), Legendre::Zero);
  for (std::uint64_t v : {1, 2, 3, 4, 6, 8, 9}) {
    EXPECT_EQ(Fr::from_u64(v).legendre(), Legendre::QuadraticResidue) << v;
  }
  for (std::uint64_t v : {5, 7, 10, 11}) {
    EXPECT_EQ(Fr::from_u64(v).legendre(), Legendre::QuadraticNonResidue) << v;
  }
}

TEST(FieldValues, Sqrt) {
  EXPECT_FALSE(Fr::from_u64(5).sqrt().has_value());
  EXPECT_FALSE(Fr::from_u64(7).sqrt().has_value());
  EXPECT_EQ(Fr::zero().sqrt(), Fr::zero());
  for (std::uint64_t v : {4, 9, 16, 2, 3}) {
    const auto root = Fr::from_u64(v).sqrt();
    ASSERT_TRUE(root.has_value()) << v;
    EXPECT_EQ(root->square(), Fr::from_u64(v)) << v;
  }
  std::mt19937_64 rng(3);
  for (int i = 0; i < 50; ++i) {
    const Fr x = Fr::from_raw(testing::random_runs(rng));
    const auto root = x.square().sqrt();
    ASSERT_TRUE(root.has_value());
    EXPECT_TRUE(*root == x || *root == -x);
  }
}

TEST(FieldValues, RootOfUnityHasOrderTwoToThe28) {
  // 7^t, computed here from its definition.
  const Fr z = Fr::from_u64(7).pow(
      hex_limbs("30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f"));
  EXPECT_EQ(z.into_repr(), hex_limbs("03ddb9f5166d18b798865ea93dd31f743215cf6dd39329c8d34f1ed960c37c9c"));
  Fr w = z;
  for (int i = 0; i < 27; ++i) w = w.square();
  EXPECT_EQ(w, -Fr::one());
}

TEST(FieldValues, InverseOfTwo) {
  const Limbs half = hex_limbs("183227397098d014dc2822db40c0ac2e9419f4243cdcb848a1f0fac9f8000001");
  EXPECT_EQ(Fr::from_u64(2).inverse()->into_repr(), half);
  const auto ct = Fr::from_u64(2).invert();
  EXPECT_TRUE(ct.valid);
  EXPECT_EQ(ct.value.into_repr(), half);
  EXPECT_FALSE(Fr::zero().inverse().has_value());
  EXPECT_FALSE(Fr::zero().invert().valid);
  EXPECT_TRUE(Fr::zero().invert().value.is_zero());
}

TEST(FieldValues, WideAndNarrowConversions) {
  std::array<std::uint8_t, 64> wide{};
  wide[32] = 1;
  EXPECT_EQ(Fr::from_bytes_wide(wide).into_repr(),
            hex_limbs("0e0a77c19a07df2f666ea36f7879462e36fc76959f60cd29ac96341c4ffffffb"));
  wide.fill(0xff);
  // (2^512 - 1) mod r, computed independently.
  EXPECT_EQ(Fr::from_bytes_wide(wide).into_repr(),
            testing::wide_mod(testing::Wide{[] {
                                std::array<std::uint32_t, 16> all{};
                                all.fill(~0u);
                                return all;
                              }()},
                              kR));
  const unsigned __int128 big = (static_cast<unsigned __int128>(0xfedcba9876543210ull) << 64) | 0x0123456789abcdefull;
  EXPECT_EQ(Fr::from_u128(big).into_repr(), (Limbs{0x0123456789abcdefull, 0xfedcba9876543210ull, 0, 0}));
}

TEST(FieldValues, ToUniform32) {
  std::array<std::uint8_t, 32> ff{};
  ff.fill(0xff);
  EXPECT_EQ(Fs::to_uniform_32(ff).into_repr(),
            hex_limbs("01f16424e1bb7724f85a9201d818f015e7acffc6a098f24b073315dea08f9c75"));
  EXPECT_TRUE(Fs::to_uniform_32(limbs_to_le(kS)).is_zero());
  const std::array<std::uint8_t, 31> short_input{};
  EXPECT_THROW(Fs::to_uniform_32(short_input), InternalFailure);
}

}  // namespace
}  // namespace korvo::curve
