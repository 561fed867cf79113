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

// The partial rounds of the fixed parameters, and the most a PartialRounds holds.
inline constexpr unsigned kPartialRounds = 63;

class PartialRounds {
  static constexpr std::size_t kRest = kWidth - 1;

 public:
  struct Round {
    curve::Fr constant;
    // The row's coefficients of elements 1..8 as at the batch's start.
    PairedCoefficients<kRest> rest;
    // Its coefficients of element 0 after the S-box in the batch's rounds:
    // the earlier ones stand for the waiting additions, the last one (entry
    // j in the batch's j-th round) for this round's own element.
    Vector<kBatch> heads;

    friend constexpr bool operator==(const Round&, const Round&) = default;
  };
  struct Batch {
    std::size_t rounds;  // kBatch but in a short last batch
    // For element k + 1, the multiples of each round's element 0 to add;
    // zero for the rounds a short last batch lacks.
    std::array<PairedCoefficients<kBatch>, kRest> additions;

    friend constexpr bool operator==(const Batch&, const Batch&) = default;
  };

  // Round i and batch b in the order they run; entries past the used ones
  // stay zero.
  using Rounds = std::array<Round, kPartialRounds>;
  using Batches = std::array<Batch, (kPartialRounds + kBatch - 1) / kBatch>;

  // One sparse matrix and one constant per round, in round order; more than
  // kPartialRounds rounds are an internal failure.
  PartialRounds(const std::vector<SparseMDSMatrix>& sparse, const std::vector<curve::Fr>& constants);
  // Rounds and the first `batch_count` batches computed before, kept as
  // constant data.
  constexpr PartialRounds(const Rounds& rounds, const Batches& batches, std::size_t batch_count)
      : rounds_(rounds), batches_(batches), batch_count_(batch_count) {}

  void apply(State& s) const;
  // apply on two independent states at once: the same results, sooner.
  void apply_pair(State& a, State& b) const;

  const Rounds& rounds() const { return rounds_; }
  const Batches& batches() const { return batches_; }
  std::size_t batch_count() const { return batch_count_; }
  friend constexpr bool operator==(const PartialRounds&, const PartialRounds&) = default;

 private:
  template <std::size_t Lanes>
  void apply_lanes(const std::array<State*, Lanes>& states) const;

  Rounds rounds_{};
  Batches batches_{};
  std::size_t batch_count_ = 0;
};

}  // namespace korvo::poseidon
