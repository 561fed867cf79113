#pragma once
// FeConvert: byte and text forms of field elements.

#include <cstdint>
#include <span>
#include <string>

#include "curve/fr.h"
#include "curve/fs.h"
#include "support/result.h"
#include "support/secret.h"
#include "tx/conversion_error.h"

namespace korvo::tx {

struct FeConvert {
  // Exactly 32 bytes, big-endian, strictly below the Fs modulus. The error
  // description is ConversionError::to_string(); a value at or above the
  // modulus is not written out in it.
  static Result<Secret<curve::Fs>> from_be_bytes(std::span<const std::uint8_t> bytes);

  // The same acceptance rule without an error text, for the candidate loops
  // of seed and nonce derivation, which reject dozens of values per call:
  // sets `element` and returns true when the value is below the modulus. The
  // comparison is branch-free; only its answer is revealed.
  static bool from_be_bytes_if_canonical(std::span<const std::uint8_t, 32> bytes, curve::Fs& element);

  // Canonical value as 64 lower-case digits, no prefix.
  static std::string to_hex(const curve::Fs& value);
  static std::string to_hex(const curve::Fr& value);
};

}  // namespace korvo::tx
