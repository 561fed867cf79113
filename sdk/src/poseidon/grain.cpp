#include "poseidon/grain.h"

#include <optional>

namespace korvo::poseidon {
namespace {

constexpr unsigned kStateBits = 80;
constexpr unsigned kWarmUpSteps = 160;
constexpr unsigned kFieldTypePrime = 1;
constexpr unsigned kSboxPower = 0;

// Appends `value` most significant bit first, each bit at the next newer place.
void append(Grain::State& state, unsigned& filled, std::uint64_t value, unsigned width) {
  for (unsigned i = 0; i < width; ++i) {
    const Grain::State bit = (value >> (width - 1 - i)) & 1;
    state |= bit << filled;
    ++filled;
  }
}

}  // namespace

Grain::State Grain::initial_state(unsigned width, unsigned full_rounds, unsigned partial_rounds) {
  State state = 0;
  unsigned filled = 0;
  append(state, filled, kFieldTypePrime, 2);
  append(state, filled, kSboxPower, 4);
  append(state, filled, kFieldBits, 12);
  append(state, filled, width, 12);
  append(state, filled, full_rounds, 10);
  append(state, filled, partial_rounds, 10);
  append(state, filled, (std::uint64_t{1} << 30) - 1, 30);
  return state;
}

Grain Grain::create(unsigned width, unsigned full_rounds, unsigned partial_rounds) {
  Grain grain(initial_state(width, full_rounds, partial_rounds));
  for (unsigned i = 0; i < kWarmUpSteps; ++i) grain.new_bit();
  return grain;
}

bool Grain::new_bit() {
  // All taps lie in the low 64 bits.
  const std::uint64_t low = static_cast<std::uint64_t>(bits_);
  const std::uint64_t fresh = ((low >> 62) ^ (low >> 51) ^ (low >> 38) ^ (low >> 23) ^ (low >> 13) ^ low) & 1;
  bits_ = (bits_ >> 1) | (static_cast<State>(fresh) << (kStateBits - 1));
  return fresh != 0;
}

bool Grain::filtered_bit() {
  for (;;) {
    const bool keep = new_bit();
    const bool bit = new_bit();
    if (keep) return bit;
  }
}

std::array<std::uint8_t, 32> Grain::next_draw() {
  std::array<std::uint8_t, 32> bytes{};
  for (unsigned i = 0; i < kFieldBits; ++i) {
    const unsigned place = kFieldBits - 1 - i;
    if (filtered_bit()) bytes[place / 8] |= static_cast<std::uint8_t>(1u << (place % 8));
  }
  return bytes;
}

curve::Fr Grain::next_field_element_without_rejection() {
  const std::array<std::uint8_t, 32> low = next_draw();
  std::array<std::uint8_t, 64> wide{};
  for (std::size_t i = 0; i < low.size(); ++i) wide[i] = low[i];
  return curve::Fr::from_le_bytes_wide(wide);
}

curve::Fr Grain::next_round_constant() {
  for (;;) {
    const std::optional<curve::Fr> candidate = curve::Fr::from_le_bytes(next_draw());
    if (candidate) return *candidate;
  }
}

}  // namespace korvo::poseidon
