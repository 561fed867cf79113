#pragma once
// Multiples of a fixed base point for secret scalars (private keys, nonces):
// a table of j * 2^(kBits*w) * base (j = 1..kEntries, one row per window w)
// in affine form, read in full for every digit.

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

  // Bits per window: wider windows mean fewer additions but longer rows to
  // read in full.
  static constexpr std::size_t kBits = 6;
  // k mod s has at most 251 bits; the top digit absorbs the last carry.
  static constexpr std::size_t kWindows = (251 + kBits - 1) / kBits;
  // Signed digits in [-kEntries, kEntries].
  static constexpr std::size_t kEntries = std::size_t{1} << (kBits - 1);

 private:
  std::array<std::array<AffineNiels, kEntries>, kWindows> rows_;
};

}  // namespace korvo::curve
