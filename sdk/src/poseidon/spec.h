#pragma once
// The parameter record of the permutation, in its optimised arrangement.

#include "poseidon/mds_matrices.h"
#include "poseidon/optimized_constants.h"

namespace korvo::poseidon {

inline constexpr unsigned kFullRounds = 8;
inline constexpr unsigned kPartialRounds = 63;

class Spec {
 public:
  // Internal failure for an odd or zero full_rounds.
  static Spec create(unsigned full_rounds, unsigned partial_rounds);

  void permute(State& state) const;

  unsigned full_rounds() const { return full_rounds_; }
  const OptimizedConstants& constants() const { return constants_; }
  const MDSMatrices& mds_matrices() const { return mds_matrices_; }

 private:
  Spec(unsigned full_rounds, OptimizedConstants constants, MDSMatrices mds_matrices)
      : full_rounds_(full_rounds),
        constants_(std::move(constants)),
        mds_matrices_(std::move(mds_matrices)) {}

  unsigned full_rounds_;
  OptimizedConstants constants_;
  MDSMatrices mds_matrices_;
};

}  // namespace korvo::poseidon
