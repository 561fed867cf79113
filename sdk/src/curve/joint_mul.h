#pragma once
// Scalar products in one chain of doublings shared by every scalar.
//
// k*P + l*Q + m*B in one chain of doublings shared by every scalar, B a
// fixed base with tables of odd multiples of B and of 2^128*B. The
// variable points take half-length scalars and the full-length m splits in
// two halves, so the chain is about 128 doublings long. Variable time: for
// public points and scalars only (verification).

#include <array>

#include "curve/fs.h"
#include "curve/point.h"

namespace korvo::curve {

class OddMultiplesTable {
 public:
  // Digits of the base's scalar have this width: the table holds
  // B, 3B, ..., (2^(kWidth-1) - 1)B.
  static constexpr int kWidth = 8;

  // Entry i: (2i + 1)B.
  using Entries = std::array<AffineNiels, std::size_t{1} << (kWidth - 2)>;

  // Computes the entries.
  OddMultiplesTable(const Point<PrimeOrder>& base, const JubjubParams& params);
  // Entries computed before, kept as constant data.
  constexpr explicit OddMultiplesTable(const Entries& odd) : odd_(odd) {}

  // digit*B for an odd digit of the width above.
  AffineNiels multiple(int digit) const;

  const Entries& entries() const { return odd_; }
  friend constexpr bool operator==(const OddMultiplesTable&, const OddMultiplesTable&) = default;

 private:
  Entries odd_;
};

// The tables of B and of 2^128*B.
struct SplitBaseTables {
  SplitBaseTables(const Point<PrimeOrder>& base, const JubjubParams& params);
  constexpr SplitBaseTables(const OddMultiplesTable& low, const OddMultiplesTable& high) : low(low), high(high) {}

  friend constexpr bool operator==(const SplitBaseTables&, const SplitBaseTables&) = default;

  OddMultiplesTable low;
  OddMultiplesTable high;
};

// k*P for any 256-bit k: the same chain with one point and a width-5
// non-adjacent form. Equal to double-and-add for every point (the addition
// law is complete).
template <class Subgroup>
Point<Subgroup> mul_var(const Point<Subgroup>& p, const Limbs& k, const JubjubParams& params);

// k and l below 2^128.
Point<Unknown> joint_mul_var(const Point<Unknown>& p, unsigned __int128 k, const Point<Unknown>& q,
                             unsigned __int128 l, const SplitBaseTables& base, const FsRepr& m,
                             const JubjubParams& params);

}  // namespace korvo::curve
