#include "tx/packed_public_key.h"

#include "curve/jubjub_params.h"
#include "tx/point_convert.h"

namespace korvo::tx {

bool skips_decompression(const PackedPublicKey& key) {
  const auto& limbs = key.value.limbs();
  const bool below_2_160 = limbs[3] == 0 && (limbs[2] >> 32) == 0;
  return below_2_160 && !key.value.is_zero();
}

BabyJubjubPoint to_baby_jubjub_point(const PackedPublicKey& key) {
  if (skips_decompression(key)) return {encoding::U256(), key.value};
  const auto [x, y] = get_xy_from_r(key.value);
  return {fr_to_u256(x), fr_to_u256(y)};
}

PublicKeyForms public_key_forms(const curve::Point<curve::PrimeOrder>& point) {
  const auto [x, y] = point.into_xy();
  return {PackedPublicKey{encoding::U256::from_le_bytes(curve::compress_affine(x, y))}, x};
}

}  // namespace korvo::tx
