#include "tx/convert.h"

#include "encoding/hex.h"
#include "encoding/u256.h"
#include "support/secret.h"

namespace korvo::tx {

namespace {

std::string limbs_to_hex(const std::array<std::uint64_t, 4>& limbs) {
  return encoding::hex_lower(encoding::U256(limbs).to_big_endian());
}

}  // namespace

Result<curve::Fs> FeConvert::from_bytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != 32) return Error{ConversionError::incorrect_input_size(bytes.size(), 32).to_string()};
  curve::FsRepr repr{};
  for (std::size_t i = 0; i < 32; ++i) repr[3 - i / 8] |= static_cast<std::uint64_t>(bytes[i]) << (8 * (7 - i % 8));
  auto element = curve::Fs::from_repr(repr);
  wipe(repr);
  if (!element) return Error{ConversionError::prime_field_decoding(element.error().description).to_string()};
  return element;
}

std::string FeConvert::to_hex(const curve::Fs& value) { return limbs_to_hex(value.into_repr()); }

std::string FeConvert::to_hex(const curve::Fr& value) { return limbs_to_hex(value.into_repr()); }

}  // namespace korvo::tx
