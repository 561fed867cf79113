#include "tx/private_key.h"

#include <array>
#include <openssl/sha.h>

#include "encoding/hex.h"
#include "support/secret.h"
#include "tx/convert.h"

namespace korvo::tx {

namespace {

using Digest = std::array<std::uint8_t, SHA256_DIGEST_LENGTH>;

void sha256(std::span<const std::uint8_t> data, Digest& out) { SHA256(data.data(), data.size(), out.data()); }

}  // namespace

Result<std::string> private_key_from_seed(std::span<const std::uint8_t> seed) {
  if (seed.size() < 32) return Error{"seed is too short"};
  Digest candidate;
  sha256(seed, candidate);
  for (;;) {
    sha256(candidate, candidate);
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
