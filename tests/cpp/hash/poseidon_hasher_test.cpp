#include "hash/poseidon_hasher.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "hash/hash2.h"
#include "poseidon/permutation.h"

namespace korvo::hash {
namespace {

using encoding::U256;

const U256 kP(U256::Limbs{0x43e1f593f0000001, 0x2833e84879b97091, 0xb85045b68181585d, 0x30644e72e131a029});

std::string hash_of_counting(std::uint64_t n) {
  zkw::Poseidon hasher;
  for (std::uint64_t e = 1; e <= n; ++e) hasher.update_single(e);
  return hasher.finalize().to_hex();
}

U256 hash_words(std::initializer_list<U256> words) {
  zkw::Poseidon hasher;
  for (const U256& w : words) hasher.update_single(w);
  return hasher.finalize();
}

// Expected hashes from tests/python/reference_poseidon.py: elements 1..n,
// then the element 1 and zeros to a multiple of eight. 0 and 8 elements end
// with a block of padding only; 7 puts the 1 last in the only block.
TEST(PoseidonHasher, PaddingMatchesReference) {
  EXPECT_EQ(hash_of_counting(0), "0x11f77bc74c48929522164f7dc7f6d4c79bc009015ac667067a3220563a4fa2bd");
  EXPECT_EQ(hash_of_counting(7), "0x076c37456983ec337f5ac79ee65b28c82da5758b7e283242bdae982f45281c74");
  EXPECT_EQ(hash_of_counting(8), "0x2a7cb8407e478910b307251894fa48b6a32bc1350fcba3cd1f285232c5185766");
  EXPECT_EQ(hash_of_counting(9), "0x24640380f8f1163279a85a69c6635da546867ff14927ab7ffcf30e85b4597854");
  EXPECT_EQ(hash_of_counting(16), "0x1d91cb5cada7a103ba0debec7d3a32e5e4fd8874e110aa4cf992602970331ff1");
  // Bit 255 dropped, values above p reduced (same reference).
  const U256 all_ones(U256::Limbs{~0ull, ~0ull, ~0ull, ~0ull});
  EXPECT_EQ(hash_words({all_ones, kP + U256::from_u64(5), U256::from_u64(1) << 255}).to_hex(),
            "0x2cd8b50493268fae26a0b5abadd63acd1dbd3a0d45c454605f9a14e2ca085a08");
}

// Two hashers finalized together give what each gives alone, whatever each
// absorbed before (whole blocks included) and even when both hold the same words.
TEST(PoseidonHasher, PairedFinalizeEqualsSingle) {
  const std::uint64_t counts[] = {0, 1, 5, 7, 8, 9, 15, 16, 21};
  for (std::uint64_t a : counts) {
    for (std::uint64_t b : counts) {
      zkw::Poseidon first;
      zkw::Poseidon second;
      for (std::uint64_t e = 1; e <= a; ++e) first.update_single(e);
      for (std::uint64_t e = 1; e <= b; ++e) second.update_single(e * 3);
      second.update_single(kP);
      zkw::Poseidon second_alone = second;
      const auto both = zkw::Poseidon::finalize_pair(first, second);
      EXPECT_EQ(both[0].to_hex(), hash_of_counting(a)) << a << " " << b;
      EXPECT_EQ(both[1], second_alone.finalize()) << a << " " << b;
    }
  }
}

// The sponge written out block by block over the permutation: the elements,
// then 1 and zeros to a multiple of eight, each block added to s[1..8] and
// permuted. Words near 2^255 and p, so reduction and framing both show.
TEST(PoseidonHasher, FramesElementsIntoPaddedBlocks) {
  for (std::size_t n = 0; n <= 17; ++n) {
    std::vector<curve::Fr> elements;
    zkw::Poseidon hasher;
    for (std::size_t i = 0; i < n; ++i) {
      const U256 word = i % 2 ? kP + U256::from_u64(i) : U256(U256::Limbs{i, ~0ull, i, ~0ull});
      hasher.update_single(word);
      U256::Limbs limbs = word.limbs();
      limbs[3] &= ~0ull >> 1;
      elements.push_back(curve::Fr::from_raw(limbs));
    }
    elements.push_back(curve::Fr::one());
    while (elements.size() % 8 != 0) elements.push_back(curve::Fr::zero());

    poseidon::State state{};
    state[0] = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << 64);
    for (std::size_t block = 0; block < elements.size(); block += 8) {
      for (std::size_t k = 0; k < 8; ++k) state[k + 1] += elements[block + k];
      poseidon::fixed_permutation().permute(state);
    }
    const U256 hash = hasher.finalize();
    EXPECT_EQ(hash, U256(state[1].to_limbs())) << n;
    EXPECT_LT(hash, kP) << n;
  }
}

TEST(PoseidonHasher, WordFormsAgree) {
  const U256 top_bit = U256::from_u64(1) << 255;
  for (std::uint64_t v : {0ull, 1ull, ~0ull}) {
    zkw::Poseidon narrow;
    narrow.update_single(v);
    EXPECT_EQ(narrow.finalize(), hash_words({U256::from_u64(v)})) << v;
    EXPECT_EQ(hash_words({U256::from_u64(v) + top_bit}), hash_words({U256::from_u64(v)})) << v;
  }
  EXPECT_EQ(hash2(U256::from_u64(3), kP + top_bit), hash_words({U256::from_u64(3), U256()}));
  EXPECT_NE(hash_words({U256::from_u64(5)}), hash_words({U256::from_u64(5), U256()}))
      << "a zero element is not padding";
}

// The "ok" hash of the first signed-oracle-price case whose line contains `marker`.
std::string expected_for(const std::string& marker) {
  std::ifstream file(std::string(KORVO_VECTORS_DIR) + "/cases.jsonl");
  std::string line;
  while (std::getline(file, line)) {
    const std::size_t at = line.find("\"ok\": \"");
    if (line.find("\"hash_signed_oracle_price\"") != std::string::npos &&
        line.find(marker) != std::string::npos && at != std::string::npos) {
      return line.substr(at + 7, 66);
    }
  }
  return "";
}

U256 price_word(unsigned __int128 price, std::uint32_t timestamp) {
  return (U256::from_u128(price) << 32) + U256::from_u32(timestamp);
}

// hash2(signed_asset_id, price * 2^32 + timestamp); inputs read off the cases by hand.
TEST(PoseidonHasher, OraclePriceKnownAnswers) {
  const std::string fixed = expected_for("oracle/fixed-valid");
  ASSERT_FALSE(fixed.empty()) << "known-answer cases not found in " << KORVO_VECTORS_DIR;
  EXPECT_EQ(hash2(U256::from_u64(7), price_word(5, 6)).to_hex(), fixed);

  // signed_asset_id p + 1, price 294955370185863957857442542042, timestamp 2^31.
  const unsigned __int128 price =
      static_cast<unsigned __int128>(29495537018ull) * 10000000000000000000ull + 5863957857442542042ull;
  EXPECT_EQ(hash2(kP + U256::from_u64(1), price_word(price, 2147483648u)).to_hex(),
            expected_for("0xa7a5c90c8da98e97"));

  const U256 asset(U256::Limbs{0x5cb3918df750ed86, 0xc477a050b63b5233, 0x62edf6b586a59cc4,
                               0x1f094eeb7f227246});
  EXPECT_EQ(hash2(asset, price_word(14555224328999679477ull, 53952)).to_hex(), expected_for("85e8b5f5cb278b41"));
}

}  // namespace
}  // namespace korvo::hash
