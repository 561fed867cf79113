#pragma once
// Half-length scalars for a check of the form c*A = B in the group of order
// s. With u = v*c mod s and v not a multiple of s, c*A = B holds exactly
// when u*A = v*B; the extended Euclidean algorithm on (s, c), stopped half
// way, gives such u and v of about 126 bits each, so the check needs half
// the doublings.

#include <cstdint>

#include "curve/fs.h"

namespace korvo::curve {

struct ShortMultiple {
  // u = v*c mod s, below 2^126.
  unsigned __int128 u;
  // |v|, non-zero and below 2^125, and its sign.
  unsigned __int128 v;
  bool v_negative;
};

// For c below s. Variable time: public scalars only.
ShortMultiple short_multiple(const FsRepr& c);

}  // namespace korvo::curve
