#pragma once
// The textbook scalar multiplication, most significant bit first over all
// 256 bits, as the reference for the faster methods.

#include "curve/point.h"

namespace korvo::curve::testing {

template <class Subgroup>
Point<Subgroup> double_and_add(const Point<Subgroup>& p, const Limbs& k, const JubjubParams& params) {
  Point<Subgroup> acc = Point<Subgroup>::zero();
  for (int i = 255; i >= 0; --i) {
    acc = acc.doubled();
    if ((k[i / 64] >> (i % 64)) & 1) acc = acc.add(p, params);
  }
  return acc;
}

}  // namespace korvo::curve::testing
