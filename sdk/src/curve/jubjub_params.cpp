#include "curve/jubjub_params.h"

#include <string_view>

#include "curve/group_hash.h"
#include "support/failure.h"
#include "support/secret.h"

namespace korvo::curve {
namespace {

Fr constant(std::string_view decimal) {
  const auto value = Fr::from_str_var(decimal);
  ensure(value.has_value(), "malformed curve constant");
  return *value;
}

std::span<const std::uint8_t> bytes_of(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Fixed generator 5 hashes the empty tag with this personalisation.
constexpr std::string_view kSigningPersonalization = "Zcash_G_";

}  // namespace

AltJubjubBn256::AltJubjubBn256()
    : JubjubParams(constant("12181644023421730124874158521699555681764249180949974110617291017600649128846")),
      signing_generator_(find_group_hash({}, bytes_of(kSigningPersonalization), *this)),
      signing_table_(std::make_unique<const FixedBaseTable>(signing_generator_, *this)),
      verifying_tables_(std::make_unique<const SplitBaseTables>(signing_generator_, *this)),
      subgroup_check_(std::make_unique<const SubgroupCheck>(*this, signing_generator_)) {}

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(const FsRepr& k) const { return signing_table_->mul(k); }

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(const Fs& k) const {
  FsRepr repr = k.to_limbs();
  const Point<PrimeOrder> product = mul_generator_ct(repr);
  wipe(repr);
  return product;
}

Point<Unknown> AltJubjubBn256::mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k,
                                                          const Point<Unknown>& q, unsigned __int128 l,
                                                          const FsRepr& m) const {
  return joint_mul_var(p, k, q, l, *verifying_tables_, m, *this);
}

const AltJubjubBn256& jubjub_params() {
  static const AltJubjubBn256 params;
  return params;
}

}  // namespace korvo::curve
