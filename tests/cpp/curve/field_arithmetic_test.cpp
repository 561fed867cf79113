// Both fields against the slow reference on values biased toward long runs
// of equal bits, plus the boundary values of each modulus.
#include <gtest/gtest.h>

#include <random>
#include <type_traits>
#include <vector>

#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/reference_bigint.h"

namespace korvo::curve {
namespace {

using testing::add_mod;
using testing::mul_mod;
using testing::random_below;
using testing::sub_mod;

template <class F>
class FieldArithmetic : public ::testing::Test {
 protected:
  static F element(const Limbs& repr) { return F::from_repr(repr).value(); }

  // Boundary values first, then biased random ones.
  std::vector<Limbs> samples(std::size_t count) {
    const Limbs p = F::modulus();
    Limbs p_minus_1 = p, p_minus_2 = p;
    p_minus_1[0] -= 1;
    p_minus_2[0] -= 2;
    std::vector<Limbs> out = {Limbs{}, Limbs{1, 0, 0, 0}, Limbs{2, 0, 0, 0}, p_minus_1, p_minus_2,
                              Limbs{0, 0, 0, 1}, Limbs{~0ull, ~0ull, 0, 0}};
    while (out.size() < count) out.push_back(random_below(rng_, p));
    return out;
  }

  std::mt19937_64 rng_{0x5eed};
};

using FieldTypes = ::testing::Types<Fr, Fs>;
TYPED_TEST_SUITE(FieldArithmetic, FieldTypes);

TYPED_TEST(FieldArithmetic, RingOperationsMatchReference) {
  const Limbs p = TypeParam::modulus();
  const auto values = this->samples(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Limbs& a = values[i];
    const Limbs& b = values[(i * 7 + 3) % values.size()];
    const TypeParam x = this->element(a), y = this->element(b);
    ASSERT_EQ((x * y).into_repr(), mul_mod(a, b, p)) << i;
    ASSERT_EQ(x.square().into_repr(), mul_mod(a, a, p)) << i;
    ASSERT_EQ((x + y).into_repr(), add_mod(a, b, p)) << i;
    ASSERT_EQ(x.doubled().into_repr(), add_mod(a, a, p)) << i;
    ASSERT_EQ((x - y).into_repr(), sub_mod(a, b, p)) << i;
    ASSERT_EQ((-x).into_repr(), sub_mod(Limbs{}, a, p)) << i;
    TypeParam z = x;
    z *= y;
    z += x;
    z -= y;
    ASSERT_EQ(z.into_repr(), sub_mod(add_mod(mul_mod(a, b, p), a, p), b, p)) << i;
  }
}

// The product has a portable form besides the one the processor may pick;
// both must agree, including on second operands at or above the modulus.
TYPED_TEST(FieldArithmetic, PortableProductAgreesWithDispatchedOne) {
  using Core = FieldCore<std::conditional_t<std::is_same_v<TypeParam, Fr>, FrParams, FsParams>>;
  const auto values = this->samples(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Limbs b = i % 2 ? values[(i * 5 + 1) % values.size()] : testing::random_runs(this->rng_);
    ASSERT_EQ(Core::mul_portable(values[i], b), Core::mul(values[i], b)) << i;
  }
  const Limbs all_ones{~0ull, ~0ull, ~0ull, ~0ull};
  ASSERT_EQ(Core::mul_portable(values[3], all_ones), Core::mul(values[3], all_ones));
}

TYPED_TEST(FieldArithmetic, FromReprAcceptsExactlyBelowModulus) {
  const Limbs p = TypeParam::modulus();
  auto rejected = TypeParam::from_repr(p);
  ASSERT_FALSE(rejected.ok());
  EXPECT_EQ(rejected.error().description, repr_to_hex(p) + " is not an element of the field");
  EXPECT_FALSE(TypeParam::from_repr(Limbs{~0ull, ~0ull, ~0ull, ~0ull}).ok());
  for (const Limbs& v : this->samples(50)) {
    auto accepted = TypeParam::from_repr(v);
    ASSERT_TRUE(accepted.ok());
    EXPECT_EQ(accepted.value().into_repr(), v);
  }
}

TYPED_TEST(FieldArithmetic, NegationAndEquality) {
  EXPECT_EQ(-TypeParam::zero(), TypeParam::zero());
  EXPECT_TRUE(TypeParam::zero().is_zero());
  EXPECT_FALSE(TypeParam::one().is_zero());
  EXPECT_EQ(TypeParam::from_u64(1), TypeParam::one());
  for (const Limbs& v : this->samples(40)) {
    const TypeParam x = this->element(v);
    EXPECT_TRUE((x + -x).is_zero());
    EXPECT_TRUE(x.ct_eq(x));
    EXPECT_FALSE(x.ct_eq(x + TypeParam::one()));
  }
}

TYPED_TEST(FieldArithmetic, ConditionalAssignFollowsMask) {
  TypeParam x = TypeParam::from_u64(5);
  x.conditional_assign(TypeParam::from_u64(9), 0);
  EXPECT_EQ(x, TypeParam::from_u64(5));
  x.conditional_assign(TypeParam::from_u64(9), ~0ull);
  EXPECT_EQ(x, TypeParam::from_u64(9));
}

TEST(FrInverse, BothMethodsInvertEveryNonZeroValue) {
  std::mt19937_64 rng(42);
  const Limbs r = Fr::modulus();
  for (int i = 0; i < 200; ++i) {
    const Limbs a = random_below(rng, r);
    if (a == Limbs{}) continue;
    const Fr x = Fr::from_repr(a).value();
    const auto inv = x.inverse();
    ASSERT_TRUE(inv.has_value());
    ASSERT_EQ(mul_mod(a, inv->into_repr(), r), (Limbs{1, 0, 0, 0})) << i;
    const Checked<Fr> ct = x.invert();
    ASSERT_TRUE(ct.valid);
    ASSERT_EQ(ct.value, *inv);
  }
}

TEST(FrWide, FromU512MatchesReference) {
  std::mt19937_64 rng(7);
  const Limbs r = Fr::modulus();
  for (int i = 0; i < 200; ++i) {
    const Limbs lo = testing::random_runs(rng), hi = testing::random_runs(rng);
    testing::Wide wide = testing::Wide::from(lo);
    const testing::Wide high = testing::Wide::from(hi);
    for (int j = 0; j < 8; ++j) wide.w[8 + j] = high.w[j];
    const Fr got = Fr::from_u512({lo[0], lo[1], lo[2], lo[3], hi[0], hi[1], hi[2], hi[3]});
    ASSERT_EQ(got.into_repr(), testing::wide_mod(wide, r)) << i;
  }
}

TEST(FrWide, RawConversionsReduceAnyInput) {
  std::mt19937_64 rng(9);
  const Limbs r = Fr::modulus();
  for (int i = 0; i < 200; ++i) {
    const Limbs v = testing::random_runs(rng);
    ASSERT_EQ(Fr::from_raw(v).into_repr(), testing::wide_mod(testing::Wide::from(v), r)) << i;
    const auto checked = Fr::from_repr(limbs_to_le(v));
    ASSERT_EQ(checked.value, Fr::from_raw(v));
    ASSERT_EQ(checked.valid, Fr::from_repr(v).ok());
  }
}

TEST(FsUniform, ReducesAnyThirtyTwoBytes) {
  std::mt19937_64 rng(11);
  const Limbs s = Fs::char_();
  for (int i = 0; i < 100; ++i) {
    const Limbs v = testing::random_runs(rng);
    const auto bytes = limbs_to_le(v);
    ASSERT_EQ(Fs::to_uniform_32(bytes).into_repr(), testing::wide_mod(testing::Wide::from(v), s)) << i;
  }
}

}  // namespace
}  // namespace korvo::curve
