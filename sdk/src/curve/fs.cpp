#include "curve/fs.h"

#include "support/failure.h"

namespace korvo::curve {

Fs Fs::to_uniform_32(std::span<const std::uint8_t> bytes) {
  ensure(bytes.size() == 32, "to_uniform_32 needs exactly 32 bytes");
  return from_raw(limbs_from_le_bytes(bytes.data()));
}

}  // namespace korvo::curve
