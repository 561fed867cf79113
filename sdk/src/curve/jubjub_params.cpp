#include "curve/jubjub_params.h"

#include "curve/stored_fr.h"
#include "support/secret.h"

namespace korvo::curve {

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(const FsRepr& k) const { return signing_table_.mul(k); }

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(const Fs& k) const {
  FsRepr repr = k.to_limbs();
  const Point<PrimeOrder> product = mul_generator_ct(repr);
  wipe(repr);
  return product;
}

Point<Unknown> AltJubjubBn256::mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k,
                                                          const Point<Unknown>& q, unsigned __int128 l,
                                                          const FsRepr& m) const {
  return joint_mul_var(p, k, q, l, verifying_tables_, m, *this);
}

namespace {

#include "curve/jubjub_params_data.inc"

}  // namespace

const AltJubjubBn256& jubjub_params() { return kJubjubParams; }

}  // namespace korvo::curve
