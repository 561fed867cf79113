#include "zkw/poseidon_context.h"

#include <gtest/gtest.h>

#include "encoding/u256.h"
#include "support/failure.h"

namespace korvo::zkw {
namespace {

using curve::Fr;

// Pushes the elements first, first + 1, ... as four limbs each.
void push_elements(PoseidonContext& context, std::uint64_t count, std::uint64_t first) {
  for (std::uint64_t e = first; e < first + count; ++e) {
    for (std::uint64_t limb : {e, std::uint64_t{0}, std::uint64_t{0}, std::uint64_t{0}}) context.push(limb);
  }
}

// Limbs of s[1] after absorbing the blocks (first..first+7) from the initial sponge.
encoding::U256::Limbs absorbed(std::initializer_list<std::uint64_t> firsts) {
  poseidon::Poseidon sponge = poseidon::poseidon_hasher();
  Fr out;
  for (std::uint64_t first : firsts) {
    poseidon::Block block;
    for (std::size_t k = 0; k < block.size(); ++k) block[k] = Fr::from_u64(first + k);
    out = sponge.update_exact(block);
  }
  return encoding::U256::from_le_bytes(out.to_le_bytes()).limbs();
}

TEST(PoseidonContext, ReadsAbsorbAtPositionZeroAndYieldLimbsLowFirst) {
  PoseidonContext context;
  context.poseidon_new(1);
  push_elements(context, 8, 1);
  const auto first = absorbed({1});
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(context.poseidon_finalize(), first[i]) << i;

  // Flag 0 keeps the sponge state; the next block continues from it.
  context.poseidon_new(0);
  push_elements(context, 8, 9);
  const auto second = absorbed({1, 9});
  EXPECT_EQ(context.poseidon_finalize(), second[0]);

  // Flag 1 restarts the sponge but leaves the output cursor where it was.
  context.poseidon_new(1);
  push_elements(context, 8, 9);
  for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(context.poseidon_finalize(), second[i]) << i;
  EXPECT_EQ(context.poseidon_finalize(), absorbed({9})[0]);
}

TEST(PoseidonContext, BrokenInvariantsAreInternalFailures) {
  PoseidonContext unstarted;
  push_elements(unstarted, 8, 1);
  EXPECT_THROW(unstarted.poseidon_finalize(), InternalFailure) << "no sponge";

  PoseidonContext partial;
  partial.poseidon_new(1);
  push_elements(partial, 7, 1);
  partial.push(1);  // an incomplete element does not count
  EXPECT_THROW(partial.poseidon_finalize(), InternalFailure);

  PoseidonContext overfull;
  overfull.poseidon_new(1);
  push_elements(overfull, 8, 1);
  EXPECT_THROW(push_elements(overfull, 1, 1), InternalFailure);
}

}  // namespace
}  // namespace korvo::zkw
