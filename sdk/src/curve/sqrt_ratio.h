#pragma once
// Square roots of quotients in Fr, for point decompression.

#include <optional>

#include "curve/fr.h"

namespace korvo::curve {

// A root of u/v without inverting v, v non-zero; nothing when u/v is not a
// square. Either root: callers pick the sign. Variable time: for public
// values (encoded points) only.
std::optional<Fr> sqrt_ratio_var(const Fr& u, const Fr& v);

}  // namespace korvo::curve
