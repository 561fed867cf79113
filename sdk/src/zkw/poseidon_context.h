#pragma once
// A hashing context: the sponge, the limb reducer, the block being filled and
// the output cursor.

#include <array>
#include <cstdint>
#include <optional>

#include "poseidon/sponge.h"
#include "zkw/generator.h"
#include "zkw/reduce.h"

namespace korvo::zkw {

class PoseidonContext {
 public:
  // No sponge, empty buffer, a reducer that reads four limbs as one element.
  PoseidonContext();

  // Empties the buffer; a non-zero flag also restarts from the shared initial sponge.
  void poseidon_new(std::uint64_t flag);

  // Feeds one limb; each completed element joins the buffer.
  void push(std::uint64_t limb);

  // Needs a full buffer. At position 0 absorbs it (the buffer stays as it
  // is); returns the result's limbs one per call, least significant first.
  std::uint64_t poseidon_finalize();
  // Four poseidon_finalize calls on each of two contexts at position 0, the
  // two blocks' permutations interleaved: the two results' limbs.
  static std::array<std::array<std::uint64_t, 4>, 2> finalize_pair(PoseidonContext& a, PoseidonContext& b);

 private:
  std::optional<poseidon::Poseidon> hasher_;
  Generator generator_;
  poseidon::Block buffer_;
  std::size_t buffered_ = 0;
  Reduce reducer_;
};

}  // namespace korvo::zkw
