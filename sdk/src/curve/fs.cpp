#include "curve/fs.h"

#include "support/failure.h"

namespace korvo::curve {

Fs Fs::to_uniform_32(std::span<const std::uint8_t> bytes) {
  ensure(bytes.size() == 32, "to_uniform_32 needs exactly 32 bytes");
  const Limbs n = limbs_from_le(bytes.data());
  // Double-and-add of one, most significant bit first; the add is masked so
  // the message bits do not steer branches.
  Fs acc = zero();
  for (int i = 255; i >= 0; --i) {
    acc = acc.doubled();
    Fs bumped = acc + one();
    acc.conditional_assign(bumped, detail::mask_of((n[i / 64] >> (i % 64)) & 1));
  }
  return acc;
}

}  // namespace korvo::curve
