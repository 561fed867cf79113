#include "tx/signature_json.h"

#include "encoding/json_writer.h"
#include "encoding/u256.h"
#include "tx/point_convert.h"

namespace korvo::tx {

std::string to_json(const JubjubSignature& signature) {
  // R travels packed, exactly as a public key does. The rebuilt point has
  // z = 1, so its coordinates compress as they are.
  const auto r = point_from_xy(signature.r.x, signature.r.y);
  const auto packed_r = encoding::U256::from_le_bytes(curve::compress_affine(r.x(), r.y()));
  return encoding::JsonObjectWriter().member("r", packed_r.to_hex()).member("s", signature.s.to_hex()).finish();
}

std::string to_json(const L1Signature& signature) {
  return encoding::JsonObjectWriter()
      .member("x", signature.x)
      .member("y", signature.y)
      .member("s", signature.s)
      .member("pk_x", signature.pk_x)
      .member("pk_y", signature.pk_y)
      .finish();
}

}  // namespace korvo::tx
