#include <gtest/gtest.h>

#include <random>

#include "poseidon/fr_hex.h"
#include "poseidon/parameters.h"
#include "poseidon/permutation.h"
#include "support/failure.h"

namespace korvo::poseidon {
namespace {

using curve::Fr;
using testing::fr_to_hex;

// The permutation straight from its definition: every round adds c[r],
// raises to the fifth power (all elements in a full round, s[0] in a partial
// one) and multiplies by M.
State plain_permute(const Parameters& p, State s, unsigned full_rounds, unsigned partial_rounds) {
  for (unsigned r = 0; r < full_rounds + partial_rounds; ++r) {
    for (std::size_t k = 0; k < kWidth; ++k) s[k] += p.round_constants[r][k];
    const bool full = r < full_rounds / 2 || r >= full_rounds / 2 + partial_rounds;
    for (std::size_t k = 0; k < (full ? kWidth : 1); ++k) s[k] = s[k] * s[k] * s[k] * s[k] * s[k];
    s = p.mds.matrix().mul_vector(s);
  }
  return s;
}

State counting_state() {
  State s;
  for (std::size_t k = 0; k < kWidth; ++k) s[k] = Fr::from_u64(k);
  return s;
}

// Expected values from tests/python/reference_poseidon.py (independent
// integer implementation, itself checked against known-answer hashes).
TEST(PoseidonParameters, MatchReference) {
  const Parameters p = generate_parameters(8, 63);
  ASSERT_EQ(p.round_constants.size(), 71u);
  EXPECT_EQ(fr_to_hex(p.round_constants[4][0]),
            "0x25995ecf079f4f81925ce8050e6bdd0b440e7adfb00da7e4dfd8a5aaec009f32");
  EXPECT_EQ(fr_to_hex(p.round_constants[70][8]),
            "0x0ef2861f4ec9ba5fec74ba22c0b7af9d458c3cd8f90c825c1f36110ca2ee9076");
  // Rows follow the first nine matrix draws: (0,1) and (1,0) differ.
  const Matrix<kWidth>& m = p.mds.matrix();
  EXPECT_EQ(fr_to_hex(m.at(0, 1)), "0x1f8d3a9d2d31ab32d9bdb6375170dbba89f6f8f74d16e4fd02f3675d5fe2baad");
  EXPECT_EQ(fr_to_hex(m.at(1, 0)), "0x0607cd8ff9b889773c9eb68b8a4366469d470cd7c6004106caae95c10c424419");
  EXPECT_EQ(fr_to_hex(m.at(8, 8)), "0x1f47c67a4325672f17b8bd1ddbd80e4e9e6c62419a9c204cc7e8821892431aae");

  const State out = plain_permute(p, counting_state(), 8, 63);
  EXPECT_EQ(fr_to_hex(out[0]), "0x2921ab9bd0140cbc98e40395c0fefb40337a4d54fbbecd9a4d43b3d8d0c4d8d1");
  EXPECT_EQ(fr_to_hex(out[1]), "0x0f4bef710c430ccf4b066245ebda76ec4c571816b5766bffbe64dfcef83ad9ee");
}

void expect_optimised_equals_plain(unsigned full_rounds, unsigned partial_rounds, int samples) {
  const Parameters p = generate_parameters(full_rounds, partial_rounds);
  const Spec params = Spec::create(full_rounds, partial_rounds);
  std::mt19937_64 rng(full_rounds * 1000 + partial_rounds);

  State top;
  top.fill(-Fr::one());
  std::vector<State> states{State{}, counting_state(), top};
  for (int i = 0; i < samples; ++i) {
    State s;
    for (Fr& x : s) x = testing::random_fr(rng);
    states.push_back(s);
  }
  for (const State& s : states) {
    State fast = s;
    params.permute(fast);
    ASSERT_EQ(fast, plain_permute(p, s, full_rounds, partial_rounds))
        << "r_f " << full_rounds << " r_p " << partial_rounds << " input " << fr_to_hex(s[0]);
  }
  // Two lanes at once, each state beside a different one (and beside itself).
  for (std::size_t i = 0; i < states.size(); ++i) {
    State a = states[i];
    State b = states[(i * 7 + 1) % states.size()];
    const State b_in = b;
    params.permute_pair(a, b);
    ASSERT_EQ(a, plain_permute(p, states[i], full_rounds, partial_rounds)) << "lane 0, input " << i;
    ASSERT_EQ(b, plain_permute(p, b_in, full_rounds, partial_rounds)) << "lane 1, input " << i;
  }
  State same = states.back();
  State twin = same;
  params.permute_pair(same, twin);
  ASSERT_EQ(same, twin);
  ASSERT_EQ(same, plain_permute(p, states.back(), full_rounds, partial_rounds));
}

TEST(PoseidonPermutation, OptimisedEqualsPlainDefinition) {
  expect_optimised_equals_plain(8, 63, 300);
  // Other round counts move the folding and factorisation boundaries, and
  // end the partial rounds at different points of a batch.
  expect_optimised_equals_plain(2, 1, 20);
  expect_optimised_equals_plain(4, 10, 20);
  expect_optimised_equals_plain(6, 0, 20);
  expect_optimised_equals_plain(2, 8, 20);
  expect_optimised_equals_plain(2, 17, 20);
}

TEST(PoseidonPermutation, OddOrZeroFullRoundsFail) {
  EXPECT_THROW(Spec::create(7, 63), InternalFailure);
  EXPECT_THROW(Spec::create(0, 63), InternalFailure);
}

TEST(PoseidonPermutation, MoreRoundsThanTheRecordHoldsFail) {
  EXPECT_THROW(Spec::create(kFullRounds + 2, 1), InternalFailure);
  EXPECT_THROW(Spec::create(2, kPartialRounds + 1), InternalFailure);
}

// The record the library runs on is constant data written by
// sdk/tools/write_tables: part for part what the derivation computes now.
TEST(PoseidonPermutation, FixedRecordEqualsTheDerivation) {
  const Spec derived = Spec::create(kFullRounds, kPartialRounds);
  const Spec& kept = fixed_permutation();
  EXPECT_TRUE(derived.constants() == kept.constants());
  EXPECT_TRUE(derived.mds() == kept.mds());
  EXPECT_TRUE(derived.pre_sparse_mds() == kept.pre_sparse_mds());
  const PartialRounds& derived_rounds = derived.partial_rounds();
  const PartialRounds& kept_rounds = kept.partial_rounds();
  for (std::size_t i = 0; i < kPartialRounds; ++i) {
    EXPECT_TRUE(derived_rounds.rounds()[i] == kept_rounds.rounds()[i]) << "round " << i;
  }
  EXPECT_EQ(kept_rounds.batch_count(), kept_rounds.batches().size());
  for (std::size_t b = 0; b < kept_rounds.batches().size(); ++b) {
    EXPECT_TRUE(derived_rounds.batches()[b] == kept_rounds.batches()[b]) << "batch " << b;
  }
  EXPECT_TRUE(derived == kept);

  const Parameters plain = generate_parameters(kFullRounds, kPartialRounds);
  State s = counting_state();
  kept.permute(s);
  EXPECT_EQ(s, plain_permute(plain, counting_state(), kFullRounds, kPartialRounds));
}

}  // namespace
}  // namespace korvo::poseidon
