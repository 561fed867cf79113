#pragma once

#include "encoding/u256.h"

namespace korvo::tx {

// Affine coordinates of a point as canonical integers (not Montgomery form).
struct BabyJubjubPoint {
  encoding::U256 x;
  encoding::U256 y;
  friend bool operator==(const BabyJubjubPoint&, const BabyJubjubPoint&) = default;
};

}  // namespace korvo::tx
