#pragma once
// The parameter record of the permutation, in its optimised arrangement.

#include "poseidon/paired_matrix.h"
#include "poseidon/partial_rounds.h"

#include <array>

namespace korvo::poseidon {

inline constexpr unsigned kFullRounds = 8;

class Spec {
 public:
  // The constants of the full rounds as the permutation adds them (see
  // OptimizedConstants), for up to kFullRounds full rounds.
  struct FullRoundConstants {
    unsigned half;                                 // full rounds on each side of the partial ones
    std::array<State, kFullRounds / 2 + 1> start;  // the first half + 1 are used
    std::array<State, kFullRounds / 2 - 1> end;    // the first half - 1 are used

    friend constexpr bool operator==(const FullRoundConstants&, const FullRoundConstants&) = default;
  };

  // Derives the record from the Grain draws. Internal failure for an odd or
  // zero full_rounds, or more rounds than kFullRounds and kPartialRounds.
  static Spec create(unsigned full_rounds, unsigned partial_rounds);
  // Parts derived before, kept as constant data.
  constexpr Spec(const FullRoundConstants& constants, const PairedMatrix& mds, const PairedMatrix& pre_sparse_mds,
                 const PartialRounds& partial_rounds)
      : constants_(constants), mds_(mds), pre_sparse_mds_(pre_sparse_mds), partial_rounds_(partial_rounds) {}

  void permute(State& state) const;
  // permute on two independent states, their rounds interleaved: the same
  // results as two calls, in less time than two.
  void permute_pair(State& a, State& b) const;

  const FullRoundConstants& constants() const { return constants_; }
  const PairedMatrix& mds() const { return mds_; }
  const PairedMatrix& pre_sparse_mds() const { return pre_sparse_mds_; }
  const PartialRounds& partial_rounds() const { return partial_rounds_; }
  friend constexpr bool operator==(const Spec&, const Spec&) = default;

 private:
  template <std::size_t Lanes>
  void permute_lanes(const std::array<State*, Lanes>& states) const;

  FullRoundConstants constants_;
  PairedMatrix mds_;
  PairedMatrix pre_sparse_mds_;
  PartialRounds partial_rounds_;
};

// The record of the fixed parameters, what Spec::create(kFullRounds,
// kPartialRounds) derives, kept as constant data: nothing to build at run time.
const Spec& fixed_permutation();

}  // namespace korvo::poseidon
