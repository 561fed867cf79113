#pragma once
// The sponge: width 9, rate 8, one whole block per permutation. Copies share
// the immutable Spec and carry only their own state.

#include <array>

#include "poseidon/state.h"

namespace korvo::poseidon {

class Spec;

class Poseidon {
 public:
  // Capacity element 2^64, rate elements zero.
  explicit Poseidon(const Spec& params);

  // Adds the block to s[1..8], permutes and returns s[1].
  curve::Fr update_exact(const Block& block);
  // update_exact on two sponges of the same parameters, their permutations
  // interleaved.
  static std::array<curve::Fr, 2> update_exact_pair(Poseidon& a, const Block& block_a, Poseidon& b,
                                                    const Block& block_b);

 private:
  void absorb(const Block& block);

  const Spec* params_;
  State state_;
};

// The initial sponge with the fixed parameters.
Poseidon poseidon_hasher();

}  // namespace korvo::poseidon
