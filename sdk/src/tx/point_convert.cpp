#include "tx/point_convert.h"

#include <string>

#include "curve/field_core.h"
#include "curve/jubjub_params.h"
#include "support/failure.h"
#include "tx/conversion_error.h"

namespace korvo::tx {

namespace {

// Why a packed point does not decompress, as the failure report words it.
// Only the y part (bit 255 is the parity of x) can be out of the field.
const char* decompression_failure(const encoding::U256& packed) {
  encoding::U256::Limbs y = packed.limbs();
  y[3] &= ~(std::uint64_t{1} << 63);
  return curve::Fr::in_field(y) ? "not on curve" : "y is not in field";
}

// The coordinate as a field element, or the field's error text.
Result<curve::Fr> coordinate(const encoding::U256& value) {
  const auto element = curve::Fr::from_limbs(value.limbs());
  if (!element) return Error{not_in_field(curve::repr_to_hex(value.limbs()))};
  return *element;
}

}  // namespace

encoding::U256 fr_to_u256(const curve::Fr& value) { return encoding::U256(value.to_limbs()); }

std::pair<curve::Fr, curve::Fr> get_xy_from_r(const encoding::U256& packed) {
  const auto point = curve::Point<curve::Unknown>::read_var(packed.to_le_bytes(), curve::jubjub_params());
  if (!point) fail(std::string("RestoreRPoint(") + decompression_failure(packed) + ")");
  // A decompressed point has z = 1: its coordinates are already affine.
  return {point->x(), point->y()};
}

Result<curve::Point<curve::Unknown>> convert_to_pubkey(const encoding::U256& x, const encoding::U256& y) {
  KORVO_TRY(x_field, coordinate(x));
  KORVO_TRY(y_field, coordinate(y));
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
