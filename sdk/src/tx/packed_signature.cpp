#include "tx/packed_signature.h"

#include "support/failure.h"
#include "tx/point_convert.h"

namespace korvo::tx {

Signature<curve::Unknown> packed_signature(const JubjubSignature& signature) {
  const auto r = point_from_xy(signature.r.x, signature.r.y);
  auto s = curve::Fs::from_limbs(signature.s.limbs());
  if (!s) fail(s.error().description);
  return {r, s.value()};
}

}  // namespace korvo::tx
