#include "tx/hmac_sha256.h"

#include <cstring>

#include "support/secret.h"

namespace korvo::tx {

namespace {

using Block = std::array<std::uint8_t, 64>;
using Half = std::array<std::uint8_t, 32>;
constexpr std::uint64_t kKeyBlockBits = 8 * 64;

// 0x80 after `length` message bytes, zeros, and the bit count of everything
// hashed (key block included) in the last eight bytes, big-endian.
template <std::size_t N>
constexpr std::array<std::uint8_t, N> padding(std::size_t length, std::uint64_t total_bits) {
  std::array<std::uint8_t, N> out{};
  out[length] = 0x80;
  for (std::size_t i = 0; i < 8; ++i) out[N - 8 + i] = static_cast<std::uint8_t>(total_bits >> (56 - 8 * i));
  return out;
}
// The second half of a block after 32 message bytes (V, or an inner digest).
constexpr Half kAfterWord = padding<32>(0, kKeyBlockBits + 8 * 32);
// The last inner block of V || V || 0x00: the zero byte, then padding.
constexpr Block kAfterTwoWordsAndZero = padding<64>(1, kKeyBlockBits + 8 * 65);

// Whole-word copies: byte by byte, the block function's wide loads would
// wait for the stores.
Block concat(const Half& first, const Half& second) {
  Block block;
  std::memcpy(block.data(), first.data(), 32);
  std::memcpy(block.data() + 32, second.data(), 32);
  return block;
}

}  // namespace

HmacSha256::HmacSha256(std::span<const std::uint8_t, 32> key) {
  std::array<std::uint8_t, 64> pad{};
  for (std::size_t i = 0; i < key.size(); ++i) pad[i] = key[i] ^ 0x36;
  for (std::size_t i = key.size(); i < pad.size(); ++i) pad[i] = 0x36;
  inner_.update(pad);
  for (auto& b : pad) b ^= 0x36 ^ 0x5c;
  outer_.update(pad);
  wipe(pad);
}

HmacSha256::Tag HmacSha256::mac(std::initializer_list<std::span<const std::uint8_t>> parts) const {
  Sha256State inner = inner_;
  for (auto part : parts) inner.update(part);
  Tag inner_digest = inner.finish();
  Sha256State outer = outer_;
  outer.update(inner_digest);
  wipe(inner_digest);
  return outer.finish();
}

HmacSha256::Tag HmacSha256::outer(Sha256State& inner) const {
  Tag inner_digest = inner.chaining_value();
  Block block = concat(inner_digest, kAfterWord);
  Sha256State outer = outer_;
  outer.compress(block);
  wipe(block);
  wipe(inner_digest);
  return outer.chaining_value();
}

HmacSha256::Tag HmacSha256::mac_word(const Tag& v) const {
  Block block = concat(v, kAfterWord);
  Sha256State inner = inner_;
  inner.compress(block);
  wipe(block);
  return outer(inner);
}

HmacSha256::Tag HmacSha256::mac_word_twice_and_zero(const Tag& v) const {
  Block block = concat(v, v);
  Sha256State inner = inner_;
  inner.compress(block);
  inner.compress(kAfterTwoWordsAndZero);
  wipe(block);
  return outer(inner);
}

}  // namespace korvo::tx
