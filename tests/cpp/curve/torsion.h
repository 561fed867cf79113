#pragma once
// The eight points of the 8-torsion, found with the textbook multiplication:
// j*T for j = 0..7, T the first point s*P of order 8 among decodable P.

#include <array>

#include "curve/double_and_add.h"

namespace korvo::curve::testing {

inline std::array<Point<Unknown>, 8> torsion_points(const JubjubParams& params) {
  for (std::uint8_t y = 3;; y += 2) {
    std::array<std::uint8_t, 32> bytes{};
    bytes[0] = y;
    bytes[31] = 0x80;
    const auto p = Point<Unknown>::read_var(bytes, params);
    if (!p) continue;
    const Point<Unknown> t = double_and_add(*p, Fs::char_(), params);
    if (t.doubled().doubled() == Point<Unknown>::zero()) continue;
    std::array<Point<Unknown>, 8> multiples;
    for (std::size_t j = 1; j < multiples.size(); ++j) multiples[j] = multiples[j - 1].add(t, params);
    return multiples;
  }
}

}  // namespace korvo::curve::testing
