#include "tx/point_convert.h"

#include <string>

#include "curve/jubjub_params.h"
#include "support/failure.h"

namespace korvo::tx {

encoding::U256 fr_to_u256(const curve::Fr& value) { return encoding::U256(value.to_limbs()); }

std::pair<curve::Fr, curve::Fr> get_xy_from_r(const encoding::U256& packed) {
  const auto bytes = packed.to_le_bytes();
  const auto point = curve::Point<curve::Unknown>::read_var(bytes, curve::jubjub_params());
  if (!point.ok()) fail("RestoreRPoint(" + point.error().description + ")");
  // A decompressed point has z = 1: its coordinates are already affine.
  return {point.value().x(), point.value().y()};
}

Result<curve::Point<curve::Unknown>> convert_to_pubkey(const encoding::U256& x, const encoding::U256& y) {
  KORVO_TRY(x_field, curve::Fr::from_limbs(x.limbs()));
  KORVO_TRY(y_field, curve::Fr::from_limbs(y.limbs()));
  auto point = curve::Point<curve::Unknown>::from_xy(x_field, y_field, curve::jubjub_params());
  if (!point) return Error{"could not decode public key by x and y"};
  return *point;
}

curve::Point<curve::Unknown> point_from_xy(const encoding::U256& x, const encoding::U256& y) {
  auto point = convert_to_pubkey(x, y);
  if (!point.ok()) fail(point.error().description);
  return point.value();
}

}  // namespace korvo::tx
