#pragma once
// Dot products of two states, the bulk of the permutation's work. The terms
// are summed at double width and reduced once, instead of once per term.

#include "poseidon/state.h"

namespace korvo::poseidon {

// Sum over k of a[k] * b[k].
curve::Fr dot(const State& a, const State& b);

// The same with one field multiplication per term; what `dot` falls back to
// on processors without the wide-product instructions.
curve::Fr dot_portable(const State& a, const State& b);

}  // namespace korvo::poseidon
