#pragma once
// Many points made affine with one shared inversion, in the prepared form
// of mixed addition. For tables of fixed, public points.

#include <span>
#include <vector>

#include "curve/point.h"

namespace korvo::curve {

std::vector<AffineNiels> to_affine_niels(std::span<const Point<PrimeOrder>> points, const JubjubParams& params);

}  // namespace korvo::curve
