#include "tx/packed_signature.h"

#include "curve/field_core.h"
#include "support/failure.h"
#include "tx/conversion_error.h"
#include "tx/point_convert.h"

namespace korvo::tx {

Signature<curve::Unknown> packed_signature(const JubjubSignature& signature) {
  const auto r = point_from_xy(signature.r.x, signature.r.y);
  auto s = curve::Fs::from_limbs(signature.s.limbs());
  if (!s) fail(not_in_field(curve::repr_to_hex(signature.s.limbs())));
  return {r, *s};
}

}  // namespace korvo::tx
