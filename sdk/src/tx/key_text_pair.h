#pragma once

#include <string>

namespace korvo::tx {

// A public key as two texts: `x` is the packed key, `y` the point's affine x
// coordinate (not its y).
struct KeyTextPair {
  std::string x;
  std::string y;
};

}  // namespace korvo::tx
