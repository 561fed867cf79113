#pragma once
// The parameter record of the permutation, in its optimised arrangement.

#include "poseidon/mds_matrices.h"
#include "poseidon/optimized_constants.h"
#include "poseidon/paired_matrix.h"
#include "poseidon/partial_rounds.h"

#include <array>
#include <utility>

namespace korvo::poseidon {

inline constexpr unsigned kFullRounds = 8;
inline constexpr unsigned kPartialRounds = 63;

class Spec {
 public:
  // Internal failure for an odd or zero full_rounds.
  static Spec create(unsigned full_rounds, unsigned partial_rounds);

  void permute(State& state) const;
  // permute on two independent states, their rounds interleaved: the same
  // results as two calls, in less time than two.
  void permute_pair(State& a, State& b) const;

  const OptimizedConstants& constants() const { return constants_; }
  const MDSMatrices& mds_matrices() const { return mds_matrices_; }

 private:
  Spec(OptimizedConstants constants, MDSMatrices mds_matrices);

  template <std::size_t Lanes>
  void permute_lanes(const std::array<State*, Lanes>& states) const;

  OptimizedConstants constants_;
  MDSMatrices mds_matrices_;
  // The same matrices and constants in the forms the permutation runs on.
  PairedMatrix mds_;
  PairedMatrix pre_sparse_mds_;
  PartialRounds partial_rounds_;
};

// The permutation with kFullRounds and kPartialRounds, which every hash
// uses; built on first use, then shared read-only.
const Spec& fixed_permutation();

}  // namespace korvo::poseidon
