#include "curve/jubjub_params.h"
#include "lib/operations.h"
#include "tx/packed_public_key.h"
#include "tx/packed_signature.h"
#include "tx/point_convert.h"
#include "tx/tx_signature.h"

namespace korvo::lib {

// The signature is read first: malformed signature text is an internal
// failure before the other arguments are looked at. pub_key_y is never read:
// the packed key in pub_key_x identifies the public key.
Result<bool> verify_signature(std::string_view sig_r, std::string_view sig_s, std::string_view pub_key_x,
                              std::string_view, std::string_view msg) {
  const auto signature = tx::packed_signature(tx::JubjubSignature::from_str(sig_r, sig_s));
  KORVO_TRY(message, encoding::U256::from_str(msg));
  KORVO_TRY(packed_key, encoding::U256::from_str(pub_key_x));
  const auto affine = tx::to_baby_jubjub_point(tx::PackedPublicKey{packed_key});
  KORVO_TRY(public_key, tx::convert_to_pubkey(affine.x, affine.y));
  const auto bytes = message.to_le_bytes();
  return tx::verify_for_raw_message(public_key, bytes, signature, curve::jubjub_params());
}

}  // namespace korvo::lib
