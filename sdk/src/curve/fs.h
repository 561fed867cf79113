#pragma once
// Fs: integers modulo s, the order of Baby JubJub's prime-order subgroup.
// Private keys, nonces and signature scalars live here.

#include <cstdint>
#include <span>

#include "curve/field_core.h"

namespace korvo::curve {

using FsRepr = Limbs;

struct FsParams {
  static constexpr Limbs MODULUS{0x677297dc392126f1, 0xab3eedb83920ee0a, 0x370a08b6d0302b0b,
                                 0x060c89ce5c263405};
  static constexpr Limbs R{0x073315dea08f9c76, 0xe7acffc6a098f24b, 0xf85a9201d818f015,
                           0x01f16424e1bb7724};
  static constexpr Limbs R2{0x35e44abee7ecb21e, 0x74646cacf5f84ec4, 0xe472df203faa158f,
                            0x0445b524f1ba50a8};
  static constexpr std::uint64_t INV = 0x532ce5aebc48f5ef;
};

class Fs : public PrimeField<Fs, FsParams> {
 public:
  constexpr Fs() = default;

  // The modulus s.
  static constexpr FsRepr char_() { return FsParams::MODULUS; }

  // 32 bytes read as a little-endian integer, reduced modulo s. Any other
  // length is an internal failure.
  static Fs to_uniform_32(std::span<const std::uint8_t> bytes);
};

}  // namespace korvo::curve
