#include "poseidon/permutation.h"

#include "poseidon/parameters.h"
#include "poseidon/sbox.h"
#include "support/failure.h"

namespace korvo::poseidon {
namespace {

void add(State& s, const State& constants) {
  for (std::size_t k = 0; k < kWidth; ++k) s[k] += constants[k];
}

}  // namespace

Spec::Spec(OptimizedConstants constants, MDSMatrices mds_matrices)
    : constants_(std::move(constants)),
      mds_matrices_(std::move(mds_matrices)),
      mds_(mds_matrices_.mds),
      pre_sparse_mds_(mds_matrices_.pre_sparse_mds),
      partial_rounds_(mds_matrices_.sparse_matrices, constants_.partial) {}

Spec Spec::create(unsigned full_rounds, unsigned partial_rounds) {
  ensure(full_rounds % 2 == 0 && full_rounds > 0, "number of full rounds must be even and non-zero");
  Parameters plain = generate_parameters(full_rounds, partial_rounds);
  const std::optional<Matrix<kWidth>> mds_inverse = plain.mds.matrix().invert();
  ensure(mds_inverse.has_value(), "MDS matrix is not invertible");
  return Spec(OptimizedConstants::create(plain.round_constants, *mds_inverse, full_rounds,
                                         partial_rounds),
              MDSMatrices::create(plain.mds, partial_rounds));
}

// Each step runs on every lane before the next step starts.
template <std::size_t Lanes>
void Spec::permute_lanes(const std::array<State*, Lanes>& states) const {
  const std::vector<State>& start = constants_.start;
  const auto each = [&](auto step) {
    for (State* s : states) step(*s);
  };

  each([&](State& s) { add(s, start[0]); });
  for (std::size_t r = 1; r + 1 < start.size(); ++r) {
    each([&](State& s) {
      sbox_layer(s);
      add(s, start[r]);
      mds_.apply(s);
    });
  }
  each([&](State& s) {
    sbox_layer(s);
    add(s, start.back());
    pre_sparse_mds_.apply(s);
  });

  if constexpr (Lanes == 1) {
    partial_rounds_.apply(*states[0]);
  } else {
    static_assert(Lanes == 2);
    partial_rounds_.apply_pair(*states[0], *states[1]);
  }

  for (const State& constants : constants_.end) {
    each([&](State& s) {
      sbox_layer(s);
      add(s, constants);
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

const Spec& fixed_permutation() {
  static const Spec permutation = Spec::create(kFullRounds, kPartialRounds);
  return permutation;
}

}  // namespace korvo::poseidon
