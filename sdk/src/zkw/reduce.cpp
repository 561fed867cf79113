#include "zkw/reduce.h"

#include "support/failure.h"

namespace korvo::zkw {

Reduce::Reduce(FieldAccumulator rule) : rule_(rule) {
  ensure(rule.shift < 128, "field accumulator shift must be below 128");
  weights_[0] = curve::Fr::one();
  weights_[1] = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << rule.shift);
  for (std::size_t k = 2; k < weights_.size(); ++k) weights_[k] = weights_[k - 1] * weights_[1];
}

void Reduce::reduce(std::uint64_t limb) {
  if (cursor_ == 0) rule_.value = curve::Fr::zero();
  const curve::Fr term = curve::Fr::from_u128(limb);
  rule_.value += cursor_ == 0 ? term : term * weights_[cursor_];
  cursor_ = (cursor_ + 1) % FieldAccumulator::kInputs;
}

}  // namespace korvo::zkw
