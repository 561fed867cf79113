#include "hash/poseidon_hasher.h"

#include "poseidon/permutation.h"
#include "zkw/reduce.h"

namespace korvo::hash::zkw {

namespace {

using curve::Fr;
using poseidon::kRate;

constexpr Fr kInitialCapacity = Fr::from_u128(static_cast<unsigned __int128>(1) << 64);

}  // namespace

Poseidon::Poseidon() {
  state_.fill(Fr::zero());
  state_[0] = kInitialCapacity;
}

void Poseidon::update_single(const encoding::U256& value) { absorb(korvo::zkw::message_element(value)); }

void Poseidon::update_single(std::uint64_t value) { absorb(Fr::from_u64(value)); }

encoding::U256 Poseidon::finalize() {
  pad();
  permute_block();
  return squeeze();
}

std::array<encoding::U256, 2> Poseidon::finalize_pair(Poseidon& a, Poseidon& b) {
  a.pad();
  b.pad();
  a.add_block();
  b.add_block();
  poseidon::fixed_permutation().permute_pair(a.state_, b.state_);
  return {a.squeeze(), b.squeeze()};
}

// A block is permuted as soon as its eighth element arrives.
void Poseidon::absorb(const Fr& element) {
  pending_[pending_count_++] = element;
  if (pending_count_ == kRate) permute_block();
}

// Fewer than eight elements are pending, so the element 1 always fits.
void Poseidon::pad() {
  pending_[pending_count_] = Fr::one();
  for (std::size_t k = pending_count_ + 1; k < kRate; ++k) pending_[k] = Fr::zero();
}

void Poseidon::add_block() {
  for (std::size_t k = 0; k < kRate; ++k) state_[k + 1] += pending_[k];
  pending_count_ = 0;
}

void Poseidon::permute_block() {
  add_block();
  poseidon::fixed_permutation().permute(state_);
}

encoding::U256 Poseidon::squeeze() const { return encoding::U256(state_[1].to_limbs()); }

}  // namespace korvo::hash::zkw
