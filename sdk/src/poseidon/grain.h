#pragma once
// The 80-bit Grain LFSR that generates the round constants and the matrix
// seeds. Every bit it yields enters the hash, so the bit order here is part of
// the hash definition.

#include <array>
#include <cstdint>

#include "curve/fr.h"

namespace korvo::poseidon {

class Grain {
 public:
  // Bit i of the word is b[i]; b[0] is the oldest bit.
  using State = unsigned __int128;

  // Bit count of the field modulus; also the length of one draw.
  static constexpr unsigned kFieldBits = 254;

  // The 80 initial bits for a prime field with an x^alpha S-box, oldest first.
  static State initial_state(unsigned width, unsigned full_rounds, unsigned partial_rounds);
  // Starts from `initial_state` and discards the 160 warm-up bits.
  static Grain create(unsigned width, unsigned full_rounds, unsigned partial_rounds);
  // A register holding exactly `bits`, without warm-up.
  explicit Grain(State bits) : bits_(bits) {}

  State state() const { return bits_; }

  bool new_bit();
  // Pairs of steps until the first of the pair is 1; yields the second.
  bool filtered_bit();
  // kFieldBits filtered bits, the first one most significant, as 32 little-endian bytes.
  std::array<std::uint8_t, 32> next_draw();

  curve::Fr next_field_element_without_rejection();
  // Redraws until the value is below the modulus.
  curve::Fr next_round_constant();

 private:
  State bits_;
};

}  // namespace korvo::poseidon
