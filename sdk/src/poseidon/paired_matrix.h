#pragma once
// A dense matrix whose rows are kept in the paired form of paired_products.h, so
// that a product with a vector costs about half the multiplications.

#include <array>

#include "poseidon/state.h"
#include "poseidon/paired_products.h"

namespace korvo::poseidon {

class PairedMatrix {
 public:
  explicit PairedMatrix(const Matrix<kWidth>& m);

  // s = m * s
  void apply(State& s) const;

 private:
  std::array<PairedCoefficients<kWidth>, kWidth> rows_;
};

}  // namespace korvo::poseidon
