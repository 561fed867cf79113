#include "zkw/poseidon_context.h"

#include "support/failure.h"

namespace korvo::zkw {

namespace {

// Contexts are made per hash; the reducer's weights are worked out once.
const Reduce& limb_reducer() {
  static const Reduce reducer(FieldAccumulator{curve::Fr::zero(), 64});
  return reducer;
}

}  // namespace

PoseidonContext::PoseidonContext() : reducer_(limb_reducer()) {}

void PoseidonContext::poseidon_new(std::uint64_t flag) {
  buffered_ = 0;
  if (flag != 0) hasher_ = poseidon::poseidon_hasher();
}

void PoseidonContext::push(std::uint64_t limb) {
  reducer_.reduce(limb);
  if (reducer_.cursor() != 0) return;
  ensure(buffered_ < buffer_.size(), "Poseidon buffer overflow");
  buffer_[buffered_++] = reducer_.value();
}

std::uint64_t PoseidonContext::poseidon_finalize() {
  ensure(buffered_ == buffer_.size(), "Poseidon buffer is not full");
  if (generator_.position == 0) {
    ensure(hasher_.has_value(), "Poseidon context has no sponge");
    generator_.limbs = hasher_->update_exact(buffer_).into_repr();
  }
  const std::uint64_t limb = generator_.limbs[generator_.position];
  generator_.position = (generator_.position + 1) % generator_.limbs.size();
  return limb;
}

}  // namespace korvo::zkw
