#include "zkw/reduce.h"

#include "support/failure.h"

namespace korvo::zkw {

Reduce::Reduce(FieldAccumulator rule) : rule_(rule) {
  ensure(rule.shift < 128, "field accumulator shift must be below 128");
  const curve::Fr step = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << rule.shift);
  curve::Fr weight = curve::Fr::one();
  for (curve::Fr& scaled : weights_) {
    scaled = curve::Fr::scaled_for_raw(weight);
    weight *= step;
  }
}

void Reduce::reduce(std::uint64_t limb) {
  if (cursor_ == 0) rule_.value = curve::Fr::zero();
  // Limbs are public message data, most of them padding zeros that add nothing.
  if (limb != 0) rule_.value += curve::Fr::from_raw_times({limb, 0, 0, 0}, weights_[cursor_]);
  cursor_ = (cursor_ + 1) % FieldAccumulator::kInputs;
}

}  // namespace korvo::zkw
