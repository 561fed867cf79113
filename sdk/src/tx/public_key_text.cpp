#include "tx/public_key_text.h"

#include <string>

#include "curve/jubjub_params.h"
#include "encoding/hex.h"
#include "encoding/u256.h"
#include "support/declassify.h"
#include "tx/packed_public_key.h"
#include "tx/point_convert.h"
#include "tx/private_key.h"

namespace korvo::tx {

Result<KeyTextPair> pub_key_to_xy(std::string_view text) {
  const std::string_view digits = encoding::strip_hex_prefixes(text);
  KORVO_TRY(packed, encoding::U256::from_str(digits));
  const BabyJubjubPoint point = to_baby_jubjub_point(PackedPublicKey{packed});
  return KeyTextPair{"0x" + std::string(digits), point.x.to_hex()};
}

// Equal to pub_key_to_xy of the packed key's 64-digit text: decompressing a
// compression gives back the point, whose x is known here already.
Result<KeyTextPair> private_key_to_pubkey_xy(std::string_view private_key) {
  KORVO_TRY(sk, private_key_from_string(private_key));
  const auto& params = curve::jubjub_params();
  const auto point = params.mul_generator_ct(*sk);
  declassify(point);
  const PublicKeyForms key = public_key_forms(point);
  const encoding::U256 x_value = skips_decompression(key.packed) ? encoding::U256() : fr_to_u256(key.x);
  return KeyTextPair{key.packed.value.to_hex(), x_value.to_hex()};
}

Result<bool> is_on_curve(std::string_view x, std::string_view y) {
  const std::string_view x_digits = encoding::strip_hex_prefixes(x);
  const std::string_view y_digits = encoding::strip_hex_prefixes(y);
  KORVO_TRY(pair, pub_key_to_xy(x_digits));
  return encoding::strip_hex_prefixes(pair.x) == x_digits && encoding::strip_hex_prefixes(pair.y) == y_digits;
}

}  // namespace korvo::tx
