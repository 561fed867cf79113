// Feeds arbitrary text to the private key parser and arbitrary seeds to the
// key derivation. A key must parse exactly when its text has the key shape,
// and then to the scalar its digits spell; a derived key must be the first
// double-then-chained SHA-256 candidate below the subgroup order (worked out
// here with OpenSSL) and must parse back.

#include <openssl/sha.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// About forty candidates per seed fall above the order, so the reference
// compares bytes rather than formatting each candidate.
bool below_subgroup_order(const std::array<std::uint8_t, SHA256_DIGEST_LENGTH>& candidate) {
  static const auto order = [] {
    std::array<std::uint8_t, SHA256_DIGEST_LENGTH> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
      bytes[i] = static_cast<std::uint8_t>(std::stoi(std::string(fuzz::kSubgroupOrder.substr(2 * i, 2)), nullptr, 16));
    return bytes;
  }();
  return std::memcmp(candidate.data(), order.data(), order.size()) < 0;
}

std::string expected_key_from_seed(std::span<const std::uint8_t> seed) {
  std::array<std::uint8_t, SHA256_DIGEST_LENGTH> candidate;
  SHA256(seed.data(), seed.size(), candidate.data());
  do {
    SHA256(candidate.data(), candidate.size(), candidate.data());
  } while (!below_subgroup_order(candidate));
  return "0x" + fuzz::hex_of(candidate);
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
