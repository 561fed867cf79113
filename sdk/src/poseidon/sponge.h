#pragma once
// The sponge: width 9, rate 8, one whole block per permutation. Copies share
// the immutable Spec and carry only their own state.

#include "poseidon/state.h"

namespace korvo::poseidon {

class Spec;

class Poseidon {
 public:
  // Capacity element 2^64, rate elements zero.
  explicit Poseidon(const Spec& params);

  // Adds the block to s[1..8], permutes and returns s[1].
  curve::Fr update_exact(const Block& block);

 private:
  const Spec* params_;
  State state_;
};

// The shared initial sponge with the fixed parameters; built on first use.
const Poseidon& poseidon_hasher();

}  // namespace korvo::poseidon
