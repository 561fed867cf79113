#include "tx/packed_signature.h"

#include "support/failure.h"
#include "tx/point_convert.h"

namespace korvo::tx {

Signature<curve::Unknown> packed_signature(const JubjubSignature& signature) {
  const auto r = point_from_xy(signature.r.x, signature.r.y);
  auto s = curve::Fs::from_repr(signature.s.limbs());
  if (!s) fail(s.error().description);
  return {r, s.value()};
}

encoding::U256 le_to_u256(std::span<const std::uint8_t, 32> bytes) { return encoding::U256::from_little_endian(bytes); }

}  // namespace korvo::tx
