#include "tx/nonce_hmac.h"

#include <cstring>

#include "support/failure.h"
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

// Whole blocks only: SHA256_Update hands them straight to the block function.
void compress(SHA256_CTX& state, const std::uint8_t* block) {
  ensure(SHA256_Update(&state, block, 64) == 1, "HMAC can take key of any size");
}

Block word_then(const Half& word, const Half& second) {
  Block block;
  std::memcpy(block.data(), word.data(), 32);
  std::memcpy(block.data() + 32, second.data(), 32);
  return block;
}

// The state words big-endian: the digest once the padding block is in.
NonceHmac::Tag digest_of(const SHA256_CTX& state) {
  NonceHmac::Tag out;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::uint32_t word = __builtin_bswap32(state.h[i]);
    std::memcpy(out.data() + 4 * i, &word, 4);
  }
  return out;
}

SHA256_CTX after_key_block(std::span<const std::uint8_t, 32> key, std::uint64_t pad_bytes) {
  std::array<std::uint64_t, 8> block;
  std::memcpy(block.data(), key.data(), 32);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = (i < 4 ? block[i] : 0) ^ pad_bytes;
  SHA256_CTX state;
  ensure(SHA256_Init(&state) == 1, "HMAC can take key of any size");
  compress(state, reinterpret_cast<const std::uint8_t*>(block.data()));
  wipe(block);
  return state;
}

}  // namespace

NonceHmac::NonceHmac(std::span<const std::uint8_t, 32> key)
    : inner_(after_key_block(key, 0x3636363636363636)), outer_(after_key_block(key, 0x5c5c5c5c5c5c5c5c)) {}

NonceHmac::~NonceHmac() {
  wipe(inner_);
  wipe(outer_);
}

NonceHmac::Tag NonceHmac::outer(SHA256_CTX& inner_state) const {
  Tag inner_digest = digest_of(inner_state);
  wipe(inner_state);
  Block block = word_then(inner_digest, kAfterWord);
  SHA256_CTX state = outer_;
  compress(state, block.data());
  const Tag tag = digest_of(state);
  wipe(state);
  wipe(block);
  wipe(inner_digest);
  return tag;
}

NonceHmac::Tag NonceHmac::mac(const Tag& v) const {
  Block block = word_then(v, kAfterWord);
  SHA256_CTX state = inner_;
  compress(state, block.data());
  wipe(block);
  return outer(state);
}

NonceHmac::Tag NonceHmac::mac_twice_and_zero(const Tag& v) const {
  Block block = word_then(v, v);
  SHA256_CTX state = inner_;
  compress(state, block.data());
  compress(state, kAfterTwoWordsAndZero.data());
  wipe(block);
  return outer(state);
}

}  // namespace korvo::tx
