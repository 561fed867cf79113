#include "poseidon/wide_sum.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "poseidon/fr_hex.h"
#include "poseidon/paired_products.h"
#include "poseidon/paired_matrix.h"
#include "poseidon/partial_rounds.h"
#include "poseidon/sbox.h"

namespace korvo::poseidon {
namespace {

using curve::Fr;
using curve::Limbs;

// The element whose stored form is p - u: the largest stored values, which
// push the double-width sums toward their bounds.
Fr stored_below_p(std::uint64_t u) {
  static const Fr r_inverse = Fr::from_raw(curve::FrParams::R).invert().value;
  return -(Fr::from_u64(u) * r_inverse);
}

// Half the samples random, half at the top of the stored range.
Fr sample(std::mt19937_64& rng, int i) { return i % 2 ? stored_below_p(rng() % 5 + 1) : testing::random_fr(rng); }

TEST(WideSum, ReductionOfAnyWideValueDividesByRSquaredModuloP) {
  // reduce(t) has stored form t / R, so its value is t / R^2.
  const Fr r_inverse = Fr::from_raw(curve::FrParams::R).invert().value;
  std::mt19937_64 rng(3);
  std::vector<Wide> cases;
  cases.push_back(Wide{});
  Wide top;
  top.fill(~std::uint64_t{0});  // the reduction overflows 256 bits
  cases.push_back(top);
  for (int i = 0; i < 500; ++i) {
    Wide t;
    for (auto& limb : t) limb = rng();
    cases.push_back(t);
  }
  for (const Wide& t : cases) {
    ASSERT_EQ(reduce(t, Fr::zero()), Fr::from_u512(t) * r_inverse * r_inverse) << t[7];
  }
  Wide high{};
  high[7] = ~std::uint64_t{0} >> 4;
  const Fr addend = stored_below_p(1);
  EXPECT_EQ(reduce(high, addend), Fr::from_u512(high) * r_inverse * r_inverse + addend);
}

TEST(WideSum, ProductSumsAgreeWithTermByTermProducts) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 300; ++i) {
    std::array<Fr, 12> a, b;
    for (std::size_t k = 0; k < a.size(); ++k) {
      a[k] = sample(rng, i);
      b[k] = sample(rng, i);
    }
    Fr expected = Fr::zero();
    for (std::size_t k = 0; k < a.size(); ++k) expected += a[k] * b[k];
    ASSERT_EQ(reduce(dot<12>(a.data(), b.data()), Fr::zero()), expected) << i;
    // The paired form of the first nine terms plus three plain ones.
    const auto paired = PairedCoefficients<9>::from(a.data());
    const Fr shared = reduce(pair_products<9>(b.data()), Fr::zero());
    ASSERT_EQ(reduce(paired_products<9, 3>(b.data(), paired.swapped.data(), a.data() + 9, b.data() + 9),
                     paired.minus_pairs - shared),
              expected)
        << i;
  }
}

TEST(WideSum, PairedMatrixAgreesWithItsMatrix) {
  std::mt19937_64 rng(5);
  for (int i = 0; i < 100; ++i) {
    Matrix<kWidth> m;
    State s;
    for (std::size_t r = 0; r < kWidth; ++r) {
      s[r] = sample(rng, i);
      for (std::size_t c = 0; c < kWidth; ++c) m.at(r, c) = sample(rng, i);
    }
    State out = s;
    PairedMatrix(m).apply(out);
    ASSERT_EQ(out, m.mul_vector(s)) << i;
  }
}

// The partial rounds one by one, each sparse matrix applied as it stands.
State partial_rounds_one_by_one(const std::vector<SparseMDSMatrix>& sparse, const std::vector<Fr>& constants,
                                State s) {
  for (std::size_t r = 0; r < sparse.size(); ++r) {
    const Fr head = sbox(s[0]) + constants[r];
    s[0] = head;
    Fr row = Fr::zero();
    for (std::size_t k = 0; k < kWidth; ++k) row += sparse[r].row[k] * s[k];
    s[0] = row;
    for (std::size_t k = 1; k < kWidth; ++k) s[k] += sparse[r].column[k - 1] * head;
  }
  return s;
}

TEST(PartialRounds, BatchesAgreeWithRoundByRoundForEveryRemainder) {
  std::mt19937_64 rng(17);
  for (std::size_t rounds = 0; rounds <= 3 * kBatch + 1; ++rounds) {
    for (int i = 0; i < 6; ++i) {
      std::vector<SparseMDSMatrix> sparse(rounds);
      std::vector<Fr> constants(rounds);
      for (std::size_t r = 0; r < rounds; ++r) {
        for (Fr& x : sparse[r].row) x = sample(rng, i);
        for (Fr& x : sparse[r].column) x = sample(rng, i);
        constants[r] = sample(rng, i);
      }
      State s;
      for (Fr& x : s) x = sample(rng, i);
      State batched = s;
      PartialRounds(sparse, constants).apply(batched);
      ASSERT_EQ(batched, partial_rounds_one_by_one(sparse, constants, s)) << rounds << " rounds, sample " << i;
    }
  }
}

}  // namespace
}  // namespace korvo::poseidon
