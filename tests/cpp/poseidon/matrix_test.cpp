#include "poseidon/matrix.h"

#include <gtest/gtest.h>

#include "poseidon/mds_matrix.h"
#include "support/failure.h"

namespace korvo::poseidon {
namespace {

using curve::Fr;

TEST(PoseidonMatrix, InverseNeedsPivotingAndDetectsSingular) {
  Matrix<3> a;
  Matrix<3> singular;
  const std::uint64_t values[9] = {0, 2, 3, 4, 5, 6, 7, 8, 10};  // zero corner: rows must swap
  for (std::size_t i = 0; i < 9; ++i) {
    a.at(i / 3, i % 3) = Fr::from_u64(values[i]);
    singular.at(i / 3, i % 3) = Fr::from_u64(i + 1);
  }
  const auto inverse = a.invert();
  ASSERT_TRUE(inverse.has_value());
  EXPECT_EQ(a.mul(*inverse), Matrix<3>::identity());
  EXPECT_EQ(inverse->mul(a), Matrix<3>::identity());
  EXPECT_FALSE(singular.invert().has_value());
}

TEST(PoseidonMatrix, CauchyAndFactorisationFailures) {
  State xs;
  State ys;
  for (std::size_t i = 0; i < kWidth; ++i) {
    xs[i] = Fr::from_u64(10 * i + 1);
    ys[i] = Fr::from_u64(i);
  }
  EXPECT_EQ(MDSMatrix::cauchy(xs, ys).matrix().at(2, 5) * Fr::from_u64(21 + 5), Fr::one());
  ys[4] = -xs[7];
  EXPECT_THROW(MDSMatrix::cauchy(xs, ys), InternalFailure);

  Matrix<kWidth> m = Matrix<kWidth>::identity();
  m.at(4, 4) = Fr::zero();
  EXPECT_THROW(MDSMatrix(m).factorise(), InternalFailure);
}

}  // namespace
}  // namespace korvo::poseidon
