#include "poseidon/mds_matrix.h"

#include "support/failure.h"

namespace korvo::poseidon {

using curve::Fr;

MDSMatrix MDSMatrix::cauchy(const State& xs, const State& ys) {
  Matrix<kWidth> m;
  for (std::size_t i = 0; i < kWidth; ++i) {
    for (std::size_t j = 0; j < kWidth; ++j) {
      const curve::CtChecked<Fr> inverse = (xs[i] + ys[j]).invert();
      ensure(inverse.valid, "Cauchy matrix entry has no inverse");
      m.at(i, j) = inverse.value;
    }
  }
  return MDSMatrix(m);
}

std::pair<Matrix<kWidth>, SparseMDSMatrix> MDSMatrix::factorise() const {
  constexpr std::size_t kMinor = kWidth - 1;
  Matrix<kMinor> minor;
  for (std::size_t i = 0; i < kMinor; ++i) {
    for (std::size_t j = 0; j < kMinor; ++j) minor.at(i, j) = m_.at(i + 1, j + 1);
  }
  const std::optional<Matrix<kMinor>> minor_inverse = minor.invert();
  ensure(minor_inverse.has_value(), "MDS matrix minor is not invertible");

  // sparse * diag(1, minor) must give back m, so the sparse first row is
  // m's first row with its tail multiplied by the inverse of the minor.
  SparseMDSMatrix sparse;
  sparse.row[0] = m_.at(0, 0);
  for (std::size_t j = 0; j < kMinor; ++j) {
    Fr sum = Fr::zero();
    for (std::size_t k = 0; k < kMinor; ++k) sum += m_.at(0, k + 1) * minor_inverse->at(k, j);
    sparse.row[j + 1] = sum;
    sparse.column[j] = m_.at(j + 1, 0);
  }

  Matrix<kWidth> dense = Matrix<kWidth>::identity();
  for (std::size_t i = 0; i < kMinor; ++i) {
    for (std::size_t j = 0; j < kMinor; ++j) dense.at(i + 1, j + 1) = minor.at(i, j);
  }
  return {dense, sparse};
}

}  // namespace korvo::poseidon
