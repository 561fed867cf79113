#include "tx/jubjub_signature.h"

#include "encoding/hex.h"
#include "support/failure.h"
#include "tx/point_convert.h"

namespace korvo::tx {

namespace {

encoding::U256 signature_part(std::string_view text, const char* name) {
  auto value = encoding::U256::from_str(encoding::strip_hex_prefixes(text));
  if (!value) fail(std::string("signature ") + name + ": " + value.error().description);
  return value.value();
}

}  // namespace

JubjubSignature JubjubSignature::from_str(std::string_view r_text, std::string_view s_text) {
  const auto r = signature_part(r_text, "r");
  const auto s = signature_part(s_text, "s");
  const auto [x, y] = get_xy_from_r(r);
  return {{fr_to_u256(x), fr_to_u256(y)}, s};
}

}  // namespace korvo::tx
