#include "poseidon/permutation.h"

#include "poseidon/lazy_dot.h"
#include "poseidon/parameters.h"
#include "poseidon/sbox.h"
#include "support/failure.h"

namespace korvo::poseidon {
namespace {

void sbox_full(State& s) {
  for (curve::Fr& x : s) x = sbox(x);
}

void add(State& s, const State& constants) {
  for (std::size_t k = 0; k < kWidth; ++k) s[k] += constants[k];
}

void multiply(const Matrix<kWidth>& m, State& s) {
  const State in = s;
  for (std::size_t i = 0; i < kWidth; ++i) s[i] = dot(m.rows()[i], in);
}

}  // namespace

Spec Spec::create(unsigned full_rounds, unsigned partial_rounds) {
  ensure(full_rounds % 2 == 0 && full_rounds > 0, "number of full rounds must be even and non-zero");
  Parameters plain = generate_parameters(full_rounds, partial_rounds);
  const std::optional<Matrix<kWidth>> mds_inverse = plain.mds.matrix().invert();
  ensure(mds_inverse.has_value(), "MDS matrix is not invertible");
  return Spec(OptimizedConstants::create(plain.round_constants, *mds_inverse, full_rounds,
                                         partial_rounds),
              MDSMatrices::create(plain.mds, partial_rounds));
}

void Spec::permute(State& s) const {
  const Matrix<kWidth>& mds = mds_matrices_.mds;
  const std::vector<State>& start = constants_.start;

  add(s, start[0]);
  for (std::size_t r = 1; r + 1 < start.size(); ++r) {
    sbox_full(s);
    add(s, start[r]);
    multiply(mds, s);
  }
  sbox_full(s);
  add(s, start.back());
  multiply(mds_matrices_.pre_sparse_mds, s);

  const std::vector<SparseMDSMatrix>& sparse = mds_matrices_.sparse_matrices;
  for (std::size_t r = 0; r < sparse.size(); ++r) {
    s[0] = sbox(s[0]);
    s[0] += constants_.partial[r];
    sparse[r].apply(s);
  }

  for (const State& constants : constants_.end) {
    sbox_full(s);
    add(s, constants);
    multiply(mds, s);
  }
  sbox_full(s);
  multiply(mds, s);
}

}  // namespace korvo::poseidon
