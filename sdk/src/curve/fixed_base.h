#pragma once
// Multiples of a fixed base point for secret scalars (private keys, nonces):
// a table of j * 16^w * base (j = 1..8, w = 0..63) in affine form, read in
// full for every digit.

#include <array>

#include "curve/fs.h"
#include "curve/point.h"

namespace korvo::curve {

class FixedBaseTable {
 public:
  FixedBaseTable(const Point<PrimeOrder>& base, const JubjubParams& params);

  // k*base for any 256-bit k, equal to double-and-add. The sequence of
  // operations and memory reads does not depend on k.
  Point<PrimeOrder> mul(const FsRepr& k) const;

  static constexpr std::size_t kWindows = 64;  // k mod s has at most 251 bits
  static constexpr std::size_t kEntries = 8;   // signed digits in [-8, 8]

 private:
  std::array<std::array<AffineNiels, kEntries>, kWindows> rows_;
};

}  // namespace korvo::curve
