#include "tx/l1_signature.h"

#include "curve/jubjub_params.h"
#include "encoding/hex.h"
#include "encoding/u256.h"
#include "support/declassify.h"
#include "tx/convert.h"
#include "tx/packed_public_key.h"
#include "tx/private_key.h"
#include "tx/tx_signature.h"

namespace korvo::tx {

// The key is read before the message, unlike in `sign`.
Result<L1Signature> l1_sign(std::string_view msg, std::string_view private_key) {
  const std::string_view msg_digits = encoding::strip_hex_prefixes(msg);
  KORVO_TRY(sk, private_key_from_string(private_key));
  KORVO_TRY(message, encoding::U256::from_str(msg_digits));
  const auto bytes = message.to_le_bytes();
  const TxSignature signed_message = TxSignature::sign_msg(*sk, bytes);
  // With the shared parameters, equal to a freshly built set, A = G*sk is
  // the same point. One inversion gives both its packed form and its affine x.
  const auto public_key = curve::jubjub_params().mul_generator_ct(*sk);
  declassify(public_key);
  const PublicKeyForms key = public_key_forms(public_key);
  const auto [r_x, r_y] = signed_message.signature.r.into_xy();
  return L1Signature{"0x" + FeConvert::to_hex(r_x), "0x" + FeConvert::to_hex(r_y),
                     "0x" + FeConvert::to_hex(signed_message.signature.s), key.packed.value.to_hex(),
                     "0x" + FeConvert::to_hex(key.x)};
}

}  // namespace korvo::tx
