#pragma once
// The Baby JubJub parameter set: the Edwards coefficient and the signing
// generator, fixed generator 5 of the curve's generators derived by hashing
// to the curve, the base point of every key and signature; with the tables
// that multiply by it.

#include "curve/fixed_base.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params_interface.h"
#include "curve/point.h"
#include "curve/subgroup_check.h"

namespace korvo::curve {

class AltJubjubBn256 : public JubjubParams {
 public:
  // Derives everything; the same values every time. The library reads the
  // copy kept as constant data (jubjub_params()); the derivation is what
  // sdk/tools/write_tables writes out.
  AltJubjubBn256();
  // Parts derived before; the generator is affine (x, y).
  constexpr AltJubjubBn256(const Fr& edwards_d, const Fr& generator_x, const Fr& generator_y,
                           const FixedBaseTable& signing_table, const SplitBaseTables& verifying_tables,
                           const SubgroupCheck& subgroup_check)
      : JubjubParams(edwards_d),
        signing_generator_(generator_x, generator_y, generator_x * generator_y, Fr::one()),
        signing_table_(signing_table),
        verifying_tables_(verifying_tables),
        subgroup_check_(subgroup_check) {}

  const Point<PrimeOrder>& signing_generator() const { return signing_generator_; }
  const FixedBaseTable& signing_table() const { return signing_table_; }
  const SplitBaseTables& verifying_tables() const { return verifying_tables_; }
  const SubgroupCheck& subgroup_check() const { return subgroup_check_; }

  // k * signing_generator() for a secret k, in constant time.
  Point<PrimeOrder> mul_generator_ct(const FsRepr& k) const;
  Point<PrimeOrder> mul_generator_ct(const Fs& k) const;

  // k*P + l*Q + m*signing_generator() for public scalars, k and l below
  // 2^128, in variable time.
  Point<Unknown> mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k, const Point<Unknown>& q,
                                            unsigned __int128 l, const FsRepr& m) const;

  // True exactly when s*p is the neutral point. Variable time.
  bool in_prime_subgroup_var(const Point<Unknown>& p) const { return subgroup_check_.contains_var(p); }
  // Both p and q; faster than two calls.
  bool both_in_prime_subgroup_var(const Point<Unknown>& p, const Point<Unknown>& q) const {
    return subgroup_check_.contains_both_var(p, q);
  }

  // Every part equal; the generator as a point.
  friend bool operator==(const AltJubjubBn256&, const AltJubjubBn256&) = default;

 private:
  Point<PrimeOrder> signing_generator_;
  FixedBaseTable signing_table_;
  SplitBaseTables verifying_tables_;
  SubgroupCheck subgroup_check_;
};

// The process-wide parameter set with its tables: constant data, read-only,
// nothing to build at run time.
const AltJubjubBn256& jubjub_params();

}  // namespace korvo::curve
