// The derivation of the parameter set, apart from what the library runs:
// only sdk/tools/write_tables and the tests call it, so nothing of it (nor
// of the group hash) is linked into a program that only reads the tables.
#include <string_view>

#include "curve/group_hash.h"
#include "curve/jubjub_params.h"
#include "support/failure.h"

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
      signing_table_(signing_generator_, *this),
      verifying_tables_(signing_generator_, *this),
      subgroup_check_(*this, signing_generator_) {}

}  // namespace korvo::curve
