#include "tx/private_key.h"

#include <array>

#include "encoding/secret_hex.h"
#include "tx/conversion_error.h"
#include "tx/convert.h"
#include "tx/sha256_state.h"

namespace korvo::tx {

namespace {
using Bytes32 = std::array<std::uint8_t, 32>;
}

Result<std::string> private_key_from_seed(std::span<const std::uint8_t> seed) {
  if (seed.size() < 32) return Error{"seed is too short"};
  Secret<Bytes32> candidate(sha256(seed));
  Secret<curve::Fs> key;
  do {
    *candidate = sha256(*candidate);
  } while (!FeConvert::from_be_bytes_if_canonical(*candidate, *key));
  std::string text;
  text.reserve(2 + 2 * candidate->size());
  text += "0x";
  encoding::append_secret_hex(text, *candidate);
  return text;
}

Result<Secret<curve::Fs>> private_key_from_string(std::string_view text) {
  Secret<Bytes32> bytes;
  KORVO_TRY(size, encoding::decode_secret_hex(text, *bytes));
  if (size != bytes->size()) return Error{ConversionError::incorrect_input_size(size, bytes->size()).to_string()};
  return FeConvert::from_be_bytes(*bytes);
}

}  // namespace korvo::tx
