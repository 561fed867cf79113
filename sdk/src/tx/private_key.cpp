#include "tx/private_key.h"

#include <array>

#include "encoding/hex.h"
#include "support/secret.h"
#include "tx/convert.h"
#include "tx/sha256_state.h"

namespace korvo::tx {

Result<std::string> private_key_from_seed(std::span<const std::uint8_t> seed) {
  if (seed.size() < 32) return Error{"seed is too short"};
  std::array<std::uint8_t, 32> candidate = sha256(seed);
  for (;;) {
    candidate = sha256(candidate);
    auto key = FeConvert::from_bytes_if_canonical(candidate);
    if (key) {
      wipe(*key);
      break;
    }
  }
  std::string text = "0x" + encoding::hex_lower(candidate);
  wipe(candidate);
  return text;
}

Result<curve::Fs> private_key_from_string(std::string_view text) {
  auto bytes = encoding::hex_decode(encoding::strip_repeated(text, "0x"));
  if (!bytes) return bytes.error();
  auto key = FeConvert::from_bytes(bytes.value());
  wipe(bytes.value().data(), bytes.value().size());
  return key;
}

}  // namespace korvo::tx
