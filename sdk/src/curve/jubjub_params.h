#pragma once
// The Baby JubJub parameter set: the Edwards coefficient and the signing
// generator, fixed generator 5 of the curve's generators derived by hashing
// to the curve, the base point of every key and signature; with the tables
// that multiply by it.

#include <memory>

#include "curve/fixed_base.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params_interface.h"
#include "curve/point.h"
#include "curve/subgroup_check.h"

namespace korvo::curve {

class AltJubjubBn256 : public JubjubParams {
 public:
  // Derives everything; the same values every time.
  AltJubjubBn256();

  const Point<PrimeOrder>& signing_generator() const { return signing_generator_; }

  // k * signing_generator() for a secret k, in constant time.
  Point<PrimeOrder> mul_generator_ct(const FsRepr& k) const;
  Point<PrimeOrder> mul_generator_ct(const Fs& k) const;

  // k*P + l*Q + m*signing_generator() for public scalars, k and l below
  // 2^128, in variable time.
  Point<Unknown> mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k, const Point<Unknown>& q,
                                            unsigned __int128 l, const FsRepr& m) const;

  // True exactly when s*p is the neutral point. Variable time.
  bool in_prime_subgroup_var(const Point<Unknown>& p) const { return subgroup_check_->contains_var(p); }
  // Both p and q; faster than two calls.
  bool both_in_prime_subgroup_var(const Point<Unknown>& p, const Point<Unknown>& q) const {
    return subgroup_check_->contains_both_var(p, q);
  }

 private:
  Point<PrimeOrder> signing_generator_;
  std::unique_ptr<const FixedBaseTable> signing_table_;
  std::unique_ptr<const SplitBaseTables> verifying_tables_;
  std::unique_ptr<const SubgroupCheck> subgroup_check_;
};

// The process-wide parameter set with its table, built on first use under a
// once-only guard.
const AltJubjubBn256& jubjub_params();

}  // namespace korvo::curve
