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

std::array<std::array<std::uint64_t, 4>, 2> PoseidonContext::finalize_pair(PoseidonContext& a, PoseidonContext& b) {
  for (const PoseidonContext* context : {&a, &b}) {
    ensure(context->buffered_ == context->buffer_.size(), "Poseidon buffer is not full");
    ensure(context->generator_.position == 0, "Poseidon context is handing out a result");
    ensure(context->hasher_.has_value(), "Poseidon context has no sponge");
  }
  const auto results = poseidon::Poseidon::update_exact_pair(*a.hasher_, a.buffer_, *b.hasher_, b.buffer_);
  a.generator_.limbs = results[0].to_limbs();
  b.generator_.limbs = results[1].to_limbs();
  return {a.generator_.limbs, b.generator_.limbs};
}

std::uint64_t PoseidonContext::poseidon_finalize() {
  ensure(buffered_ == buffer_.size(), "Poseidon buffer is not full");
  if (generator_.position == 0) {
    ensure(hasher_.has_value(), "Poseidon context has no sponge");
    generator_.limbs = hasher_->update_exact(buffer_).to_limbs();
  }
  const std::uint64_t limb = generator_.limbs[generator_.position];
  generator_.position = (generator_.position + 1) % generator_.limbs.size();
  return limb;
}

}  // namespace korvo::zkw
