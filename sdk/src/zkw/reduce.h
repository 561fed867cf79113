#pragma once
// Turns a stream of 64-bit limbs into field elements, four limbs to an
// element, least significant limb first.

#include <array>
#include <cstddef>
#include <cstdint>

#include "curve/fr.h"

namespace korvo::zkw {

// Sums limbs l0..l3 as l0 + l1 * 2^shift + l2 * 2^(2 shift) + l3 * 2^(3 shift).
struct FieldAccumulator {
  static constexpr std::size_t kInputs = 4;

  curve::Fr value = curve::Fr::zero();
  unsigned shift = 0;  // below 128
};

class Reduce {
 public:
  explicit Reduce(FieldAccumulator rule);

  // The rule's value is reset when a group starts, not when it completes, so
  // a finished element stays readable until the next limb arrives.
  void reduce(std::uint64_t limb);

  // Limbs consumed in the current group; 0 right after a group completes.
  std::size_t cursor() const { return cursor_; }
  const curve::Fr& value() const { return rule_.value; }

 private:
  std::size_t cursor_ = 0;
  FieldAccumulator rule_;
  // The weight 2^(shift * k) of limb k, as Fr::from_raw_times takes it
  // (computed by multiplying by 2^shift k times).
  std::array<curve::Fr, FieldAccumulator::kInputs> weights_;
};

}  // namespace korvo::zkw
