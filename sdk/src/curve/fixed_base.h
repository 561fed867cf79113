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
  // Bits per window: wider windows mean fewer additions but longer rows to
  // read in full.
  static constexpr std::size_t kBits = 6;
  // k mod s has at most 251 bits; the top digit absorbs the last carry.
  static constexpr std::size_t kWindows = (251 + kBits - 1) / kBits;
  // Signed digits in [-kEntries, kEntries].
  static constexpr std::size_t kEntries = std::size_t{1} << (kBits - 1);

  // Row w, entry j - 1: j * 2^(kBits*w) * base.
  using Rows = std::array<std::array<AffineNiels, kEntries>, kWindows>;

  // Computes the rows.
  FixedBaseTable(const Point<PrimeOrder>& base, const JubjubParams& params);
  // Rows computed before, kept as constant data.
  constexpr explicit FixedBaseTable(const Rows& rows) : rows_(rows) {}

  const Rows& rows() const { return rows_; }
  friend constexpr bool operator==(const FixedBaseTable&, const FixedBaseTable&) = default;

  // The ways to read a row, each reading all of it: 16-byte lanes on every
  // processor, 32-byte lanes (AVX2) where the processor has them.
  enum class RowRead { kLanes16, kLanes32 };
  static bool supported(RowRead read);

  // k*base for any 256-bit k, equal to double-and-add. The sequence of
  // operations and memory reads does not depend on k. Rows are read the
  // fastest way this processor supports.
  Point<PrimeOrder> mul(const FsRepr& k) const;
  // The same with rows read as asked; an unsupported way is an internal failure.
  Point<PrimeOrder> mul(const FsRepr& k, RowRead read) const;

 private:
  Rows rows_;
};

}  // namespace korvo::curve
