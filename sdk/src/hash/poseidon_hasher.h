#pragma once
// The hasher that message hashing uses: 256-bit words and 64-bit values in,
// one field element out. Built for one hash and dropped after finalize.

#include <array>
#include <cstdint>

#include "encoding/u256.h"
#include "zkw/poseidon_context.h"

namespace korvo::hash::zkw {

class Poseidon {
 public:
  Poseidon();

  // One element: the value with bit 255 cleared, reduced modulo p.
  void update_single(const encoding::U256& value);
  // One element equal to `value`.
  void update_single(std::uint64_t value);

  // Pads with the element 1 and zeros to a whole block; the result is below p.
  encoding::U256 finalize();
  // finalize on two hashers, their last permutations interleaved.
  static std::array<encoding::U256, 2> finalize_pair(Poseidon& a, Poseidon& b);

 private:
  static constexpr std::uint64_t kBlockLimbs = 32;

  void push(std::uint64_t limb);
  void flush();
  void pad();

  std::uint64_t counter_ = 0;  // limbs pushed into the current block
  korvo::zkw::PoseidonContext context_;
};

}  // namespace korvo::hash::zkw
