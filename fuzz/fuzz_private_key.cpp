// Feeds arbitrary text to the private key parser and arbitrary seeds to the
// key derivation. A key must parse exactly when its text has the key shape,
// and then to the scalar its digits spell; a derived key must be the first
// double-then-chained SHA-256 candidate below the subgroup order (worked out
// here with OpenSSL) and must parse back.

#include <openssl/sha.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text_shapes.h"
#include "tx/convert.h"
#include "tx/private_key.h"

namespace {

using fuzz::check;

void key_text(std::string_view text) {
  const auto key = korvo::tx::private_key_from_string(text);
  check(key.ok() == fuzz::private_key_shape(text));
  if (key) check(korvo::tx::FeConvert::to_hex(*key.value()) == fuzz::lower(fuzz::without_all(text, "0x")));
}

std::string expected_key_from_seed(std::span<const std::uint8_t> seed) {
  std::array<std::uint8_t, SHA256_DIGEST_LENGTH> candidate;
  SHA256(seed.data(), seed.size(), candidate.data());
  std::string digits;
  do {
    SHA256(candidate.data(), candidate.size(), candidate.data());
    digits = fuzz::hex_of(candidate);
  } while (digits >= fuzz::kSubgroupOrder);
  return "0x" + digits;
}

void seed(std::span<const std::uint8_t> bytes) {
  const auto key = korvo::tx::private_key_from_seed(bytes);
  if (bytes.size() < 32) {
    check(!key.ok() && key.error().description == "seed is too short");
    return;
  }
  check(key.ok() && key.value() == expected_key_from_seed(bytes));
  key_text(key.value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  key_text(std::string_view(reinterpret_cast<const char*>(data), size));
  seed(std::span(data, size));
  return 0;
}
