#pragma once
// Conversions between packed points, affine coordinates as integers, and
// curve points. Used for public keys and for the R point of signatures.

#include <utility>

#include "curve/fr.h"
#include "curve/point.h"
#include "encoding/u256.h"
#include "support/result.h"

namespace korvo::tx {

// The canonical value (not the stored form).
encoding::U256 fr_to_u256(const curve::Fr& value);

// Decompresses a packed point (its 32 little-endian bytes) into affine
// (x, y). A value that does not decompress is an internal failure, e.g.
// "RestoreRPoint(y is not in field)".
std::pair<curve::Fr, curve::Fr> get_xy_from_r(const encoding::U256& packed);

// The point with these affine coordinates; coordinates at or above r or off
// the curve are internal failures. No subgroup check.
curve::Point<curve::Unknown> point_from_xy(const encoding::U256& x, const encoding::U256& y);

// As point_from_xy, with errors instead: the field decoding error of x or y,
// or "could not decode public key by x and y".
Result<curve::Point<curve::Unknown>> convert_to_pubkey(const encoding::U256& x, const encoding::U256& y);

}  // namespace korvo::tx
