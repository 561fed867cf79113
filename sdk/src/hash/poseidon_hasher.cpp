#include "hash/poseidon_hasher.h"

namespace korvo::hash::zkw {

Poseidon::Poseidon() { context_.poseidon_new(1); }

void Poseidon::update_single(const encoding::U256& value) {
  const encoding::U256::Limbs& limbs = value.limbs();
  push(limbs[0]);
  push(limbs[1]);
  push(limbs[2]);
  push(limbs[3] & 0x7FFFFFFFFFFFFFFFull);
}

void Poseidon::update_single(std::uint64_t value) {
  push(value);
  push(0);
  push(0);
  push(0);
}

// update_single pushes whole elements and absorbs a block as soon as it is
// full, so the counter is a multiple of 4 below 32 here: the padding element
// always fits the current block.
void Poseidon::pad() {
  context_.push(1);
  for (std::uint64_t pushed = counter_ + 1; pushed < kBlockLimbs; ++pushed) context_.push(0);
}

encoding::U256 Poseidon::finalize() {
  pad();
  encoding::U256::Limbs limbs;
  for (std::uint64_t& limb : limbs) limb = context_.poseidon_finalize();
  return encoding::U256(limbs);
}

std::array<encoding::U256, 2> Poseidon::finalize_pair(Poseidon& a, Poseidon& b) {
  a.pad();
  b.pad();
  const auto limbs = korvo::zkw::PoseidonContext::finalize_pair(a.context_, b.context_);
  return {encoding::U256(limbs[0]), encoding::U256(limbs[1])};
}

// A block is absorbed as soon as its last limb arrives.
void Poseidon::push(std::uint64_t limb) {
  context_.push(limb);
  if (++counter_ == kBlockLimbs) flush();
}

void Poseidon::flush() {
  for (int i = 0; i < 4; ++i) context_.poseidon_finalize();
  context_.poseidon_new(0);
  counter_ = 0;
}

}  // namespace korvo::hash::zkw
