#include "tx/convert.h"

#include "encoding/hex.h"
#include "encoding/u256.h"
#include "support/declassify.h"

namespace korvo::tx {

namespace {

std::string limbs_to_hex(const std::array<std::uint64_t, 4>& limbs) {
  return encoding::hex_lower(encoding::U256(limbs).to_be_bytes());
}

// Big-endian bytes as limbs, least significant first.
curve::FsRepr repr_of(std::span<const std::uint8_t, 32> bytes) {
  curve::FsRepr repr{};
  for (std::size_t i = 0; i < 32; ++i) repr[3 - i / 8] |= static_cast<std::uint64_t>(bytes[i]) << (8 * (7 - i % 8));
  return repr;
}

}  // namespace

Result<Secret<curve::Fs>> FeConvert::from_be_bytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != 32) return Error{ConversionError::incorrect_input_size(bytes.size(), 32).to_string()};
  Secret<curve::Fs> element;
  // Every value converted here is a would-be private key, and the failure
  // report may end up in a log: its digits are withheld, and never formatted.
  if (!from_be_bytes_if_canonical(bytes.first<32>(), *element)) {
    return Error{ConversionError::prime_field_decoding(not_in_field("0x<withheld>")).to_string()};
  }
  return element;
}

bool FeConvert::from_be_bytes_if_canonical(std::span<const std::uint8_t, 32> bytes, curve::Fs& element) {
  Secret<curve::FsRepr> repr(repr_of(bytes));
  const bool canonical = curve::Fs::in_field(*repr);
  declassify(canonical);  // a rejection tells only that the value was out of range
  if (canonical) element = curve::Fs::from_raw(*repr);
  return canonical;
}

std::string FeConvert::to_hex(const curve::Fs& value) { return limbs_to_hex(value.to_limbs()); }

std::string FeConvert::to_hex(const curve::Fr& value) { return limbs_to_hex(value.to_limbs()); }

}  // namespace korvo::tx
