#pragma once
// Output cursor of a hashing context: the four limbs of the last block's
// result, handed out least significant first.

#include <array>
#include <cstdint>

namespace korvo::zkw {

struct Generator {
  unsigned position = 0;  // 0 to 3; 0 means the next read absorbs a block
  std::array<std::uint64_t, 4> limbs{};
};

}  // namespace korvo::zkw
