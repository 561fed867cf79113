#include "poseidon/partial_rounds.h"

#include <algorithm>
#include <span>
#include <type_traits>

#include "poseidon/sbox.h"
#include "support/failure.h"

namespace korvo::poseidon {

using curve::Fr;

namespace {

// Calls f with n, below kBatch, as a compile-time constant.
template <std::size_t I = 0, class F>
[[gnu::always_inline]] inline auto with_count(std::size_t n, F&& f) {
  if constexpr (I + 1 == kBatch) {
    return f(std::integral_constant<std::size_t, I>{});
  } else {
    if (n == I) return f(std::integral_constant<std::size_t, I>{});
    return with_count<I + 1>(n, f);
  }
}

}  // namespace

PartialRounds::PartialRounds(const std::vector<SparseMDSMatrix>& sparse, const std::vector<Fr>& constants) {
  ensure(sparse.size() == constants.size(), "one sparse matrix per partial round");
  ensure(sparse.size() <= kPartialRounds, "too many partial rounds");
  Round* next_round = rounds_.data();
  for (std::size_t first = 0; first < sparse.size(); first += kBatch) {
    Batch batch{std::min(kBatch, sparse.size() - first), {}};
    std::array<Vector<kBatch>, kRest> additions{};
    for (std::size_t j = 0; j < batch.rounds; ++j) {
      const SparseMDSMatrix& m = sparse[first + j];
      Round round{constants[first + j], PairedCoefficients<kRest>::from(&m.row[1]), {}};
      // Element k + 1 still waits for column[k] times each earlier round's element 0.
      for (std::size_t i = 0; i < j; ++i) {
        Fr coefficient = Fr::zero();
        for (std::size_t k = 0; k < kRest; ++k) coefficient += m.row[k + 1] * sparse[first + i].column[k];
        round.heads[i] = coefficient;
      }
      round.heads[j] = m.row[0];
      *next_round++ = round;
      for (std::size_t k = 0; k < kRest; ++k) additions[k][j] = m.column[k];
    }
    for (std::size_t k = 0; k < kRest; ++k) {
      batch.additions[k] = PairedCoefficients<kBatch>::from(additions[k].data());
    }
    batches_[batch_count_++] = batch;
  }
}

// Bounds: a row product sums four products of pair sums below 4p^2 and at
// most kBatch more below p^2, 24p^2 < 0.86 * 2^512, and its addend joins
// after the reduction; an addition sums four products below 4p^2 and an
// addend below p * 2^256. Both stay below the reduction's 2^512.
//
// The lanes are independent states taken step by step together: each
// round's S-box is a chain of three products that nothing else in its lane
// can overlap, so a second lane fills that wait.
template <std::size_t Lanes>
void PartialRounds::apply_lanes(const std::array<State*, Lanes>& states) const {
  std::array<Vector<kRest>, Lanes> rest;
  // Element 0 after each round's S-box and constant. Entries a short last
  // batch leaves stale meet zero coefficients, in both paired sums.
  std::array<Vector<kBatch>, Lanes> heads{};
  std::array<Fr, Lanes> x;
  for (std::size_t n = 0; n < Lanes; ++n) {
    std::copy(states[n]->begin() + 1, states[n]->end(), rest[n].begin());
    x[n] = (*states[n])[0];
  }
  const Round* round = rounds_.data();
  for (const Batch& batch : std::span(batches_.data(), batch_count_)) {
    std::array<Fr, Lanes> rest_pairs;
    for (std::size_t n = 0; n < Lanes; ++n) rest_pairs[n] = reduce(pair_products<kRest>(rest[n].data()), Fr::zero());
    for (std::size_t j = 0; j < batch.rounds; ++j, ++round) {
      // Everything but the round's own term is known before its S-box.
      std::array<Wide, Lanes> known;
      for (std::size_t n = 0; n < Lanes; ++n) {
        known[n] = with_count(j, [&](auto count) {
          return paired_products<kRest, decltype(count)::value>(rest[n].data(), round->rest.swapped.data(),
                                                                round->heads.data(), heads[n].data());
        });
      }
      for (std::size_t n = 0; n < Lanes; ++n) heads[n][j] = sbox(x[n]) + round->constant;
      for (std::size_t n = 0; n < Lanes; ++n) {
        const Fr offset = round->rest.minus_pairs - rest_pairs[n];
        x[n] = reduce(add(known[n], dot<1>(&round->heads[j], &heads[n][j])), Fr::zero()) + offset;
      }
    }
    for (std::size_t n = 0; n < Lanes; ++n) {
      const Fr head_pairs = reduce(pair_products<kBatch>(heads[n].data()), Fr::zero());
      for (std::size_t k = 0; k < kRest; ++k) {
        const PairedCoefficients<kBatch>& additions = batch.additions[k];
        rest[n][k] = reduce(paired_products<kBatch>(heads[n].data(), additions.swapped.data()),
                            rest[n][k] + additions.minus_pairs - head_pairs);
      }
    }
  }
  for (std::size_t n = 0; n < Lanes; ++n) {
    (*states[n])[0] = x[n];
    std::copy(rest[n].begin(), rest[n].end(), states[n]->begin() + 1);
  }
}

void PartialRounds::apply(State& s) const { apply_lanes<1>({&s}); }

void PartialRounds::apply_pair(State& a, State& b) const { apply_lanes<2>({&a, &b}); }

}  // namespace korvo::poseidon
