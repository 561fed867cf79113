#pragma once
// k*P + m*B in one chain of doublings shared by both scalars, B a fixed base
// with a table of odd multiples. Variable time: for public points and
// scalars only (verification).

#include <vector>

#include "curve/fs.h"
#include "curve/point.h"

namespace korvo::curve {

class OddMultiplesTable {
 public:
  // Digits of the base's scalar have this width: the table holds
  // B, 3B, ..., (2^(kWidth-1) - 1)B.
  static constexpr int kWidth = 7;

  OddMultiplesTable(const Point<PrimeOrder>& base, const JubjubParams& params);

  // digit*B for an odd digit of the width above.
  AffineNiels multiple(int digit) const;

 private:
  std::vector<AffineNiels> odd_;
};

Point<Unknown> joint_mul_var(const Point<Unknown>& p, const FsRepr& k, const OddMultiplesTable& base,
                             const FsRepr& m, const JubjubParams& params);

}  // namespace korvo::curve
