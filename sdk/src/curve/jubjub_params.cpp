#include "curve/jubjub_params.h"

#include <string>
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

struct GeneratorSource {
  std::string_view personalization;
  std::string_view tag;
};

constexpr std::array<GeneratorSource, AltJubjubBn256::kGeneratorCount> kGeneratorSources{{
    {"Zcash_H_", ""},
    {"Zcash_PH", "r"},
    {"Zcash_J_", ""},
    {"Zcash_cv", "v"},
    {"Zcash_cv", "r"},
    {"Zcash_G_", ""},
}};

// Only the signing generator has multiplication tables.
void require_table(std::size_t index) {
  if (index != AltJubjubBn256::kSigningGenerator) fail("no fixed-base table for generator " + std::to_string(index));
}

}  // namespace

AltJubjubBn256::AltJubjubBn256()
    : JubjubParams(constant("12181644023421730124874158521699555681764249180949974110617291017600649128846")),
      montgomery_a_(constant("168698")),
      montgomery_2a_(montgomery_a_.doubled()),
      scale_(constant("6360561867910373094066688120553762416144456282423235903351243436111059670888")) {
  for (std::size_t i = 0; i < kGeneratorCount; ++i) {
    generators_[i] = find_group_hash(bytes_of(kGeneratorSources[i].tag),
                                     bytes_of(kGeneratorSources[i].personalization), *this);
  }
  for (std::size_t i = 0; i < kGeneratorCount; ++i) {
    ensure(generators_[i] != Point<PrimeOrder>::zero(), "Neutral element!");
    for (std::size_t j = i + 1; j < kGeneratorCount; ++j) {
      ensure(generators_[i] != generators_[j], "Duplicate generator!");
    }
  }
  signing_table_ = std::make_unique<const FixedBaseTable>(generators_[kSigningGenerator], *this);
  verifying_tables_ = std::make_unique<const SplitBaseTables>(generators_[kSigningGenerator], *this);
  subgroup_check_ = std::make_unique<const SubgroupCheck>(*this, generators_[kSigningGenerator]);
}

const Point<PrimeOrder>& AltJubjubBn256::generator(std::size_t index) const {
  if (index >= kGeneratorCount) {
    fail("generator index " + std::to_string(index) + " out of range (" + std::to_string(kGeneratorCount) +
         " generators)");
  }
  return generators_[index];
}

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(std::size_t index, const FsRepr& k) const {
  require_table(index);
  return signing_table_->mul(k);
}

Point<PrimeOrder> AltJubjubBn256::mul_generator_ct(std::size_t index, const Fs& k) const {
  FsRepr repr = k.into_repr();
  const Point<PrimeOrder> product = mul_generator_ct(index, repr);
  wipe(repr);
  return product;
}

Point<Unknown> AltJubjubBn256::mul_pair_add_generator_var(const Point<Unknown>& p, unsigned __int128 k,
                                                          const Point<Unknown>& q, unsigned __int128 l,
                                                          std::size_t index, const FsRepr& m) const {
  require_table(index);
  return joint_mul_var(p, k, q, l, *verifying_tables_, m, *this);
}

const AltJubjubBn256& jubjub_params() {
  static const AltJubjubBn256 params;
  return params;
}

}  // namespace korvo::curve
