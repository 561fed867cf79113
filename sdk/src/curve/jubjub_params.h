#pragma once
// The Baby JubJub parameter set: the Edwards coefficient, the constants of
// the equivalent Montgomery curve, and six fixed generators derived by
// hashing to the curve. Fixed generator 5 is the base point of every key
// and signature.

#include <array>
#include <cstddef>
#include <memory>

#include "curve/fixed_base.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params_interface.h"
#include "curve/point.h"
#include "curve/subgroup_check.h"

namespace korvo::curve {

class AltJubjubBn256 : public JubjubParams {
 public:
  static constexpr std::size_t kGeneratorCount = 6;

  // Derives everything; the same values every time.
  AltJubjubBn256();

  const Fr& montgomery_a() const { return montgomery_a_; }
  const Fr& montgomery_2a() const { return montgomery_2a_; }
  const Fr& scale() const { return scale_; }

  // An index of 6 or more is an internal failure.
  const Point<PrimeOrder>& generator(std::size_t index) const;

  // k * generator(index) for a secret k, in constant time. Only the signing
  // generator has a table; any other index is an internal failure.
  Point<PrimeOrder> mul_generator_ct(std::size_t index, const FsRepr& k) const;
  Point<PrimeOrder> mul_generator_ct(std::size_t index, const Fs& k) const;

  // k*P + l*Q + m*generator(index) for public scalars, k and l below
  // 2^128, in variable time. Only the signing generator has tables; any
  // other index is an internal failure.
  Point<Unknown> mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k, const Point<Unknown>& q,
                                            unsigned __int128 l, std::size_t index, const FsRepr& m) const;

  // True exactly when s*p is the neutral point. Variable time.
  bool in_prime_subgroup_var(const Point<Unknown>& p) const { return subgroup_check_->contains_var(p); }
  // Both p and q; faster than two calls.
  bool both_in_prime_subgroup_var(const Point<Unknown>& p, const Point<Unknown>& q) const {
    return subgroup_check_->contains_both_var(p, q);
  }

  // The generator of every key and signature.
  static constexpr std::size_t kSigningGenerator = 5;

 private:
  Fr montgomery_a_;
  Fr montgomery_2a_;
  Fr scale_;
  std::array<Point<PrimeOrder>, kGeneratorCount> generators_;
  std::unique_ptr<const FixedBaseTable> signing_table_;
  std::unique_ptr<const SplitBaseTables> verifying_tables_;
  std::unique_ptr<const SubgroupCheck> subgroup_check_;
};

// The process-wide parameter set with its table, built on first use under a
// once-only guard.
const AltJubjubBn256& jubjub_params();

}  // namespace korvo::curve
