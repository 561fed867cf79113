#pragma once
// A dense matrix whose rows are kept in the paired form of paired_products.h, so
// that a product with a vector costs about half the multiplications.

#include <array>

#include "poseidon/state.h"
#include "poseidon/paired_products.h"

namespace korvo::poseidon {

class PairedMatrix {
 public:
  using Rows = std::array<PairedCoefficients<kWidth>, kWidth>;

  explicit PairedMatrix(const Matrix<kWidth>& m);
  // Rows computed before, kept as constant data.
  constexpr explicit PairedMatrix(const Rows& rows) : rows_(rows) {}

  // s = m * s
  void apply(State& s) const;

  const Rows& rows() const { return rows_; }
  friend constexpr bool operator==(const PairedMatrix&, const PairedMatrix&) = default;

 private:
  Rows rows_;
};

}  // namespace korvo::poseidon
