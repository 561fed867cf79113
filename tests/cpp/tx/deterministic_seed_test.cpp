// The nonce against its definition written out with the one-shot HMAC and
// SHA-256, candidate by candidate.
#include "tx/deterministic_seed.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/sha.h>

#include <random>
#include <vector>

#include "curve/reference_bigint.h"
#include "encoding/u256.h"

namespace korvo::tx {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes hmac(const Bytes& key, const Bytes& data) {
  Bytes tag(32);
  unsigned int length = 0;
  HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), data.data(), data.size(), tag.data(), &length);
  return tag;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

struct Reference {
  curve::Fs nonce;
  int candidates;
};

Reference reference_seed(const curve::Fs& sk, const Bytes& msg) {
  Bytes h1(32);
  SHA256(msg.data(), msg.size(), h1.data());
  const auto x_array = encoding::U256(sk.to_limbs()).to_be_bytes();
  const Bytes x(x_array.begin(), x_array.end());
  Bytes v(32, 0x01), k(32, 0x00);
  k = hmac(k, concat({v, {0x00}, x, h1}));
  v = hmac(k, v);
  k = hmac(k, concat({v, {0x01}, x, h1}));
  v = hmac(k, v);
  for (int candidates = 1;; ++candidates) {
    const Bytes t = hmac(k, v);
    curve::Limbs value{};
    for (std::size_t i = 0; i < 32; ++i) value[3 - i / 8] |= std::uint64_t{t[i]} << (8 * (7 - i % 8));
    if (curve::Fs::in_field(value)) return {curve::Fs::from_raw(value), candidates};
    k = hmac(k, concat({v, v, {0x00}}));
  }
}

TEST(DeterministicSeed, MatchesTheDefinitionCandidateByCandidate) {
  std::mt19937_64 rng(61);
  int most_candidates = 0;
  for (int i = 0; i < 30; ++i) {
    const curve::Fs sk = curve::Fs::from_raw(curve::testing::random_runs(rng));
    Bytes msg(32);
    for (auto& b : msg) b = static_cast<std::uint8_t>(rng());
    const Reference expected = reference_seed(sk, msg);
    most_candidates = std::max(most_candidates, expected.candidates);
    EXPECT_EQ(Seed::deterministic_seed(sk, msg).value, expected.nonce) << i;
    EXPECT_EQ(Seed::deterministic_seed(sk, msg).value, Seed::deterministic_seed(sk, msg).value);
  }
  EXPECT_GT(most_candidates, 1) << "the rejection path must be reached";
}

}  // namespace
}  // namespace korvo::tx
