#include "zkw/reduce.h"

#include "support/failure.h"

namespace korvo::zkw {

Reduce::Reduce(FieldAccumulator rule) : rule_(rule) {
  ensure(rule.shift < 128, "field accumulator shift must be below 128");
  weight_ = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << rule.shift);
}

void Reduce::reduce(std::uint64_t limb) {
  if (cursor_ == 0) rule_.value = curve::Fr::zero();
  curve::Fr term = curve::Fr::from_u128(limb);
  for (std::size_t k = 0; k < cursor_; ++k) term *= weight_;
  rule_.value += term;
  cursor_ = (cursor_ + 1) % FieldAccumulator::kInputs;
}

}  // namespace korvo::zkw
