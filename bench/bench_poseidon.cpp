// Medians of the hashing hot paths: field multiplication, one permutation,
// two permutations paired and one after the other, one two-word hash, and
// the derivation of the parameter record (kept as constant data: the
// library never runs it).

#include <algorithm>
#include <cstdio>

#include "curve/fr.h"
#include "hash/hash2.h"
#include "median.h"
#include "poseidon/permutation.h"

int main() {
  using korvo::bench::median_ns;
  using korvo::bench::sink;
  using korvo::curve::Fr;
  using korvo::encoding::U256;

  const double build_ms = median_ns(11, 1, [] {
    const korvo::poseidon::Spec params = korvo::poseidon::Spec::create(8, 63);
    sink = params.constants().start[0][0].to_limbs()[0];
  }) / 1e6;

  Fr x = Fr::from_u64(3);
  const Fr y = Fr::from_u64(0x123456789abcdefull).square();
  const double mul_ns = median_ns(101, 10000, [&] { x = x * y; });
  sink = x.to_limbs()[0];

  const korvo::poseidon::Spec& params = korvo::poseidon::fixed_permutation();
  korvo::poseidon::State state;
  for (std::size_t k = 0; k < state.size(); ++k) state[k] = Fr::from_u64(k);
  const double permute_us = median_ns(51, 200, [&] { params.permute(state); }) / 1e3;
  sink = state[0].to_limbs()[0];

  // Two independent states per call: the partial rounds' S-box chains overlap.
  korvo::poseidon::State other = state;
  other[0] += Fr::one();
  // In turns, small rounds, the quietest round of each: the machine's load
  // comes and goes within a run.
  double pair_us = 1e300;
  double two_us = 1e300;
  for (int round = 0; round < 25; ++round) {
    pair_us = std::min(pair_us, median_ns(5, 20, [&] { params.permute_pair(state, other); }) / 1e3);
    two_us = std::min(two_us, median_ns(5, 20, [&] {
                        params.permute(state);
                        params.permute(other);
                      }) / 1e3);
  }
  sink = state[0].to_limbs()[0] ^ other[0].to_limbs()[0];

  U256 a = U256::from_u64(7);
  const U256 b = U256::from_u64((5ull << 32) + 6);
  const double hash2_us = median_ns(51, 200, [&] { a = korvo::hash::hash2(a, b); }) / 1e3;
  sink = a.limb(0);

  std::printf("Fr multiplication:        %8.2f ns\n", mul_ns);
  std::printf("Poseidon permutation:     %8.2f us\n", permute_us);
  std::printf("two permutations, paired: %8.2f us (%.2f us one after the other: %.2fx)\n", pair_us, two_us,
              two_us / pair_us);
  std::printf("hash2:                    %8.2f us\n", hash2_us);
  std::printf("parameter derivation:     %8.2f ms (the table generator's, not at run time)\n", build_ms);
  return 0;
}
