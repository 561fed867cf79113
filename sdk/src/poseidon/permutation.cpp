#include "poseidon/permutation.h"

#include "curve/stored_fr.h"
#include "poseidon/sbox.h"

namespace korvo::poseidon {
namespace {

void add(State& s, const State& constants) {
  for (std::size_t k = 0; k < kWidth; ++k) s[k] += constants[k];
}

}  // namespace

// Each step runs on every lane before the next step starts.
template <std::size_t Lanes>
void Spec::permute_lanes(const std::array<State*, Lanes>& states) const {
  const auto& start = constants_.start;
  const unsigned half = constants_.half;
  const auto each = [&](auto step) {
    for (State* s : states) step(*s);
  };

  each([&](State& s) { add(s, start[0]); });
  for (std::size_t r = 1; r < half; ++r) {
    each([&](State& s) {
      sbox_layer(s);
      add(s, start[r]);
      mds_.apply(s);
    });
  }
  each([&](State& s) {
    sbox_layer(s);
    add(s, start[half]);
    pre_sparse_mds_.apply(s);
  });

  if constexpr (Lanes == 1) {
    partial_rounds_.apply(*states[0]);
  } else {
    static_assert(Lanes == 2);
    partial_rounds_.apply_pair(*states[0], *states[1]);
  }

  for (std::size_t r = 0; r + 1 < half; ++r) {
    each([&](State& s) {
      sbox_layer(s);
      add(s, constants_.end[r]);
      mds_.apply(s);
    });
  }
  each([&](State& s) {
    sbox_layer(s);
    mds_.apply(s);
  });
}

void Spec::permute(State& s) const { permute_lanes<1>({&s}); }

void Spec::permute_pair(State& a, State& b) const { permute_lanes<2>({&a, &b}); }

namespace {

using curve::stored_fr;

#include "poseidon/fixed_permutation_data.inc"

}  // namespace

const Spec& fixed_permutation() { return kFixedPermutation; }

}  // namespace korvo::poseidon
