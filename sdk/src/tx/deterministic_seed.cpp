#include "tx/deterministic_seed.h"

#include <array>

#include "encoding/u256.h"
#include "support/secret.h"
#include "tx/convert.h"
#include "tx/hmac_sha256.h"
#include "tx/sha256_state.h"

namespace korvo::tx {

namespace {

using Bytes32 = std::array<std::uint8_t, 32>;

constexpr std::array<std::uint8_t, 1> kZero{0x00};
constexpr std::array<std::uint8_t, 1> kOne{0x01};

// K = HMAC(K, data...) under a fresh key schedule.
void rekey(Bytes32& key, std::initializer_list<std::span<const std::uint8_t>> data) {
  HmacSha256 mac(key);
  key = mac.mac(data);
}

}  // namespace

Seed Seed::deterministic_seed(const curve::Fs& sk, std::span<const std::uint8_t> msg) {
  Bytes32 h1 = sha256(msg);
  Bytes32 x = encoding::U256(sk.to_limbs()).to_be_bytes();
  Bytes32 v;
  v.fill(0x01);
  Bytes32 k{};

  rekey(k, {v, kZero, x, h1});
  v = HmacSha256(k).mac_word(v);
  rekey(k, {v, kOne, x, h1});
  v = HmacSha256(k).mac_word(v);
  wipe(x);

  for (;;) {
    HmacSha256 mac(k);
    Secret<Bytes32> candidate(mac.mac_word(v));
    // Candidates are never reduced: one at or above the modulus is dropped.
    Seed seed;
    if (FeConvert::from_be_bytes_if_canonical(*candidate, seed.value)) {
      wipe(k);
      wipe(v);
      return seed;
    }
    k = mac.mac_word_twice_and_zero(v);
  }
}

}  // namespace korvo::tx
