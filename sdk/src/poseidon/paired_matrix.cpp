#include "poseidon/paired_matrix.h"

namespace korvo::poseidon {

using curve::Fr;

PairedMatrix::PairedMatrix(const Matrix<kWidth>& m) {
  for (std::size_t i = 0; i < kWidth; ++i) rows_[i] = PairedCoefficients<kWidth>::from(m.rows()[i].data());
}

// Bounds: each row sums four products below 4p^2, one below p^2 and an
// addend below p * 2^256: under 0.8 * 2^512, within the reduction's 2^512.
void PairedMatrix::apply(State& s) const {
  const State x = s;
  const Fr shared = reduce(pair_products<kWidth>(x.data()), Fr::zero());
  for (std::size_t i = 0; i < kWidth; ++i) {
    const PairedCoefficients<kWidth>& row = rows_[i];
    s[i] = reduce(paired_products<kWidth>(x.data(), row.swapped.data()), row.minus_pairs - shared);
  }
}

}  // namespace korvo::poseidon
