// Both fields against the slow reference, on boundary values and on values
// biased toward long runs of equal bits.
#include <gtest/gtest.h>

#include <random>
#include <type_traits>
#include <vector>

#include "curve/divstep_inverse.h"
#include "curve/euler_criterion.h"
#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/reference_bigint.h"
#include "curve/sqrt_ratio.h"

namespace korvo::curve {
namespace {

using testing::add_mod;
using testing::mul_mod;
using testing::neg_mod;
using testing::random_below;
using testing::random_runs;

template <class F>
class FieldArithmetic : public ::testing::Test {
 protected:
  using Core = FieldCore<std::conditional_t<std::is_same_v<F, Fr>, FrParams, FsParams>>;

  std::vector<Limbs> samples(std::size_t count) {
    const Limbs p = F::modulus();
    std::vector<Limbs> out = {Limbs{}, Limbs{1, 0, 0, 0}, {p[0] - 1, p[1], p[2], p[3]},
                              {p[0] - 2, p[1], p[2], p[3]}, Limbs{0, 0, 0, 1}, Limbs{~0ull, ~0ull, 0, 0}};
    while (out.size() < count) out.push_back(random_below(rng_, p));
    return out;
  }
  std::mt19937_64 rng_{0x5eed};
};

using FieldTypes = ::testing::Types<Fr, Fs>;
TYPED_TEST_SUITE(FieldArithmetic, FieldTypes);

TYPED_TEST(FieldArithmetic, OperationsMatchReference) {
  const Limbs p = TypeParam::modulus();
  const auto values = this->samples(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Limbs& a = values[i];
    const Limbs& b = values[(i * 7 + 3) % values.size()];
    const TypeParam x = TypeParam::from_limbs(a).value(), y = TypeParam::from_limbs(b).value();
    ASSERT_EQ(x.to_limbs(), a);
    ASSERT_EQ((x * y).to_limbs(), mul_mod(a, b, p)) << i;
    ASSERT_EQ(x.square().to_limbs(), mul_mod(a, a, p)) << i;
    ASSERT_EQ((x + y).to_limbs(), add_mod(a, b, p)) << i;
    ASSERT_EQ(x.doubled().to_limbs(), add_mod(a, a, p)) << i;
    ASSERT_EQ((x - y).to_limbs(), add_mod(a, neg_mod(b, p), p)) << i;
    ASSERT_EQ((-x).to_limbs(), neg_mod(a, p)) << i;
    ASSERT_EQ(x == y, a == b) << i;
  }
}

// The product has a portable form besides the one the processor may pick;
// they must agree, also on second operands at or above the modulus.
TYPED_TEST(FieldArithmetic, PortableProductAgreesWithDispatchedOne) {
  using Core = typename TestFixture::Core;
  const auto values = this->samples(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Limbs b = random_runs(this->rng_);
    ASSERT_EQ(Core::mul_portable(values[i], b), Core::mul(values[i], b)) << i;
    ASSERT_EQ(Core::mul_portable(values[i], values[i]), Core::square(values[i])) << i;
  }
}

// The reduction of any 512-bit value, portable and as dispatched: the result
// r with its carry bit c is (low + high·2^256)/2^256 modulo the modulus, and
// r + c·2^256 stays below 2^256 + q.
TYPED_TEST(FieldArithmetic, WideReductionDividesByTwoToThe256) {
  using Core = typename TestFixture::Core;
  const Limbs p = TypeParam::modulus();
  const Limbs r_mod_p = TypeParam::one().stored();
  const Limbs ones{~0ull, ~0ull, ~0ull, ~0ull};
  std::vector<std::pair<Limbs, Limbs>> cases = {{Limbs{}, Limbs{}}, {ones, ones}, {Limbs{1, 0, 0, 0}, ones}};
  for (int i = 0; i < 300; ++i) cases.emplace_back(random_runs(this->rng_), random_runs(this->rng_));
  int carries = 0;
  for (const auto& [low, high] : cases) {
    std::uint64_t carry = 2, dispatched_carry = 2;
    const Limbs r = Core::reduce_wide_portable(low, high, carry);
    ASSERT_EQ(Core::reduce_wide(low, high, dispatched_carry), r) << repr_to_hex(high) << repr_to_hex(low);
    ASSERT_EQ(dispatched_carry, carry);
    ASSERT_LE(carry, 1u);
    const Limbs residue = testing::wide_mod(testing::widen(r, Limbs{carry, 0, 0, 0}), p);
    ASSERT_EQ(mul_mod(residue, r_mod_p, p), testing::wide_mod(testing::widen(low, high), p))
        << repr_to_hex(high) << repr_to_hex(low);
    if (carry == 1) {
      ASSERT_EQ(detail::less_than(r, p), 1u) << repr_to_hex(high) << repr_to_hex(low);
    }
    carries += static_cast<int>(carry);
  }
  EXPECT_GT(carries, 0) << "no case reached the carry";
}

// Constant evaluation (and other processors) use the portable arithmetic.
constexpr bool portable_arithmetic_holds() {
  const Fr minus_one = Fr::zero() - Fr::one();
  const Fr big = Fr::from_u128(~static_cast<unsigned __int128>(0));
  return minus_one + Fr::one() == Fr::zero() && -minus_one == Fr::one() && (-Fr::zero()).is_zero() &&
         minus_one * minus_one == Fr::one() && big.square() == big * big && (big - big).is_zero() &&
         Fr::from_u64(3) * Fr::from_u64(4) + Fr::from_u64(2) == Fr::from_u64(14) &&
         Fs::from_u64(5) - Fs::from_u64(7) + Fs::from_u64(2) == Fs::zero() &&
         Fr::from_raw(Fr::modulus()) == Fr::zero() && Fr::from_u64(12).to_limbs() == Limbs{12, 0, 0, 0};
}
static_assert(portable_arithmetic_holds());

TEST(FrInverse, InvertsEveryNonZeroValue) {
  std::mt19937_64 rng(42);
  const Limbs r = Fr::modulus();
  for (int i = 0; i < 200; ++i) {
    const Limbs a = random_below(rng, r);
    if (a == Limbs{}) continue;
    const CtChecked<Fr> inverse = Fr::from_limbs(a).value().invert();
    ASSERT_TRUE(inverse.valid);
    ASSERT_EQ(mul_mod(a, inverse.value.to_limbs(), r), (Limbs{1, 0, 0, 0})) << i;
  }
}

// The divstep inversion on its own, for both moduli: values next to 0 and to
// the modulus, powers of two (long runs of zero bits make the most steps)
// and all-ones patterns.
TEST(DivstepInverse, EdgeValuesForBothModuli) {
  std::mt19937_64 rng(5);
  for (const auto& [m, neg_inverse] : {std::pair{Fr::modulus(), FrParams::INV}, std::pair{Fs::modulus(), FsParams::INV}}) {
    std::vector<Limbs> values = {Limbs{1, 0, 0, 0}, Limbs{2, 0, 0, 0}, Limbs{3, 0, 0, 0},
                                 {m[0] - 1, m[1], m[2], m[3]}, {m[0] - 2, m[1], m[2], m[3]},
                                 Limbs{~0ull, ~0ull, ~0ull, m[3] >> 1}};
    for (int bit = 0; bit < 250; bit += 7) {
      Limbs power{};
      power[bit / 64] = std::uint64_t{1} << (bit % 64);
      values.push_back(power);
    }
    for (int i = 0; i < 50; ++i) values.push_back(random_below(rng, m));
    for (const Limbs& a : values) {
      if (a == Limbs{}) continue;
      ASSERT_EQ(mul_mod(a, divstep_inverse(a, m, neg_inverse), m), (Limbs{1, 0, 0, 0})) << repr_to_hex(a);
    }
    EXPECT_EQ(divstep_inverse(Limbs{}, m, neg_inverse), Limbs{});
  }
}

// A root of u/v exists exactly when u*v is a residue (Euler's criterion),
// and then it squares back to u/v.
TEST(FrSqrtRatio, AgreesWithEulersCriterion) {
  std::mt19937_64 rng(19);
  const Limbs r = Fr::modulus();
  int residues = 0;
  for (int i = 0; i < 100; ++i) {
    const Fr u = i == 0 ? Fr::zero() : Fr::from_limbs(random_below(rng, r)).value();
    const Fr v = i == 1 ? Fr::one() : Fr::from_limbs(random_below(rng, r)).value();
    if (v.is_zero()) continue;
    const auto root = sqrt_ratio_var(u, v);
    ASSERT_EQ(root.has_value(), testing::is_square(u * v)) << i;
    if (root) {
      ASSERT_EQ(root->square() * v, u) << i;
      ++residues;
    }
  }
  EXPECT_GT(residues, 30);
  EXPECT_LT(residues, 70);
}

TEST(FrConversions, AnyInputIsReducedModuloR) {
  std::mt19937_64 rng(7);
  const Limbs r = Fr::modulus();
  for (int i = 0; i < 200; ++i) {
    const Limbs lo = random_runs(rng), hi = random_runs(rng);
    const Fr wide = Fr::from_u512({lo[0], lo[1], lo[2], lo[3], hi[0], hi[1], hi[2], hi[3]});
    ASSERT_EQ(wide.to_limbs(), testing::wide_mod(testing::widen(lo, hi), r)) << i;
    ASSERT_EQ(Fr::from_raw(lo).to_limbs(), testing::wide_mod(testing::widen(lo), r)) << i;
    const std::optional<Fr> element = Fr::from_le_bytes(limbs_to_le_bytes(lo));
    ASSERT_EQ(element.has_value(), testing::wide_mod(testing::widen(lo), r) == lo) << i;
    if (element) {
      ASSERT_EQ(*element, Fr::from_raw(lo)) << i;
    }
    const Limbs s = Fs::char_();
    ASSERT_EQ(Fs::to_uniform_32(limbs_to_le_bytes(lo)).to_limbs(), testing::wide_mod(testing::widen(lo), s)) << i;
  }
}

}  // namespace
}  // namespace korvo::curve
