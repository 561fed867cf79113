#pragma once
// The hasher that message hashing uses: 256-bit words and 64-bit values in,
// one field element out. A sponge of width 9 and rate 8 over the fixed
// permutation: each block of eight elements is added to s[1..8] and permuted
// as soon as it is full. Built for one hash and dropped after finalize.

#include <array>
#include <cstddef>
#include <cstdint>

#include "encoding/u256.h"
#include "poseidon/state.h"

namespace korvo::hash::zkw {

class Poseidon {
 public:
  // s[0] = 2^64, the rest zero; nothing pending.
  Poseidon();

  // One element: the value with bit 255 cleared, reduced modulo p.
  void update_single(const encoding::U256& value);
  // One element equal to `value`.
  void update_single(std::uint64_t value);

  // Appends the element 1 and zeros to the end of the block (after a full
  // block, a block of its own), permutes and returns s[1], below p.
  encoding::U256 finalize();
  // finalize on two hashers, their last permutations interleaved.
  static std::array<encoding::U256, 2> finalize_pair(Poseidon& a, Poseidon& b);

 private:
  void absorb(const curve::Fr& element);
  // Fills the pending block with the padding.
  void pad();
  // Adds the pending block to s[1..8] and empties it.
  void add_block();
  void permute_block();
  encoding::U256 squeeze() const;

  poseidon::State state_;
  poseidon::Block pending_;
  std::size_t pending_count_ = 0;  // below 8 between calls
};

}  // namespace korvo::hash::zkw
