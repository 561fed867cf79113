#pragma once
// The partial rounds, taken in batches. A partial round's sparse matrix
// replaces element 0 by a row product and adds a multiple of the old element
// 0 to each other element. Within a batch those additions wait: each row
// product instead uses the other elements as they were at the batch's start
// plus the waiting terms, through precomputed coefficients, and the
// additions are made at the batch's end, one reduction per element for the
// whole batch instead of one per round.

#include <array>
#include <vector>

#include "poseidon/mds_matrix.h"
#include "poseidon/paired_products.h"
#include "poseidon/state.h"

namespace korvo::poseidon {

// Rounds per batch. Up to 11 keep the sums of partial_rounds.cpp below
// 2^512; eight measured fastest.
inline constexpr std::size_t kBatch = 8;
static_assert(kBatch >= 1 && kBatch <= 11);

class PartialRounds {
 public:
  // One sparse matrix and one constant per round, in round order.
  PartialRounds(const std::vector<SparseMDSMatrix>& sparse, const std::vector<curve::Fr>& constants);

  void apply(State& s) const;
  // apply on two independent states at once: the same results, sooner.
  void apply_pair(State& a, State& b) const;

 private:
  template <std::size_t Lanes>
  void apply_lanes(const std::array<State*, Lanes>& states) const;

  static constexpr std::size_t kRest = kWidth - 1;

  struct Round {
    curve::Fr constant;
    // The row's coefficients of elements 1..8 as at the batch's start.
    PairedCoefficients<kRest> rest;
    // Its coefficients of element 0 after the S-box in the batch's rounds:
    // the earlier ones stand for the waiting additions, the last one (entry
    // j in the batch's j-th round) for this round's own element.
    Vector<kBatch> heads;
  };
  struct Batch {
    std::size_t rounds;
    // For element k + 1, the multiples of each round's element 0 to add;
    // zero for the rounds a short last batch lacks.
    std::array<PairedCoefficients<kBatch>, kRest> additions;
  };

  std::vector<Round> rounds_;
  std::vector<Batch> batches_;
};

}  // namespace korvo::poseidon
