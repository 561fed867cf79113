#include "tx/hmac_sha256.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <random>
#include <vector>

namespace korvo::tx {
namespace {

// OpenSSL's one-shot HMAC is the reference for the midstate-caching one.
HmacSha256::Tag reference(const std::array<std::uint8_t, 32>& key, const std::vector<std::uint8_t>& data) {
  HmacSha256::Tag tag{};
  unsigned int length = 0;
  HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), data.data(), data.size(), tag.data(), &length);
  return tag;
}

TEST(HmacSha256, MatchesOneShotHmacOverSplitInputs) {
  std::mt19937_64 rng(7);
  for (std::size_t length : {0u, 1u, 32u, 33u, 55u, 56u, 63u, 64u, 65u, 97u, 200u}) {
    std::array<std::uint8_t, 32> key;
    for (auto& b : key) b = static_cast<std::uint8_t>(rng());
    std::vector<std::uint8_t> data(length);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
    const std::size_t cut = length / 3;
    HmacSha256 mac(key);
    const auto split = mac.mac({std::span(data).first(cut), std::span(data).subspan(cut)});
    EXPECT_EQ(split, reference(key, data)) << length;
    EXPECT_EQ(mac.mac({data}), split) << "a key schedule is reusable";
  }
}

// The block-level tags of the nonce loop against the one-shot HMAC, for both
// of its messages; keys and V include the all-zero and all-one bytes that
// the padding could be confused with.
TEST(HmacSha256, NonceLoopMessagesMatchOneShotHmac) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 40; ++i) {
    std::array<std::uint8_t, 32> key, v;
    for (auto& b : key) b = static_cast<std::uint8_t>(i == 0 ? 0x00 : i == 1 ? 0xff : rng());
    for (auto& b : v) b = static_cast<std::uint8_t>(i == 0 ? 0xff : i == 1 ? 0x80 : rng());
    const HmacSha256 mac(key);
    EXPECT_EQ(mac.mac_word(v), reference(key, std::vector<std::uint8_t>(v.begin(), v.end()))) << i;
    std::vector<std::uint8_t> twice(v.begin(), v.end());
    twice.insert(twice.end(), v.begin(), v.end());
    twice.push_back(0x00);
    EXPECT_EQ(mac.mac_word_twice_and_zero(v), reference(key, twice)) << i;
    EXPECT_EQ(mac.mac_word(v), reference(key, std::vector<std::uint8_t>(v.begin(), v.end()))) << "reusable key";
  }
}

}  // namespace
}  // namespace korvo::tx
