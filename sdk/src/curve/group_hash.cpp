#include "curve/group_hash.h"

#include <blake2.h>

#include <string_view>
#include <vector>

#include "support/failure.h"

namespace korvo::curve {
namespace {

// Hashed as these 64 ASCII characters: one full BLAKE2s block.
constexpr std::string_view kFirstBlock = "096b36a5804bfacef1691e173c366a47ff5ba84a44f26ddd7e8d9f79d5b42df0";

}  // namespace

std::array<std::uint8_t, 32> group_hash_digest(std::span<const std::uint8_t> tag,
                                               std::span<const std::uint8_t> personalization) {
  ensure(personalization.size() == BLAKE2S_PERSONALBYTES, "group hash personalization must be 8 bytes");
  blake2s_param param{};
  param.digest_length = BLAKE2S_OUTBYTES;
  param.fanout = 1;
  param.depth = 1;
  std::copy(personalization.begin(), personalization.end(), param.personal);
  blake2s_state state;
  std::array<std::uint8_t, 32> digest{};
  const bool ok = blake2s_init_param(&state, &param) == 0 &&
                  blake2s_update(&state, reinterpret_cast<const std::uint8_t*>(kFirstBlock.data()),
                                 kFirstBlock.size()) == 0 &&
                  blake2s_update(&state, tag.data(), tag.size()) == 0 &&
                  blake2s_final(&state, digest.data(), digest.size()) == 0;
  ensure(ok, "BLAKE2s failed");
  return digest;
}

std::optional<Point<PrimeOrder>> baby_group_hash(std::span<const std::uint8_t> tag,
                                                 std::span<const std::uint8_t> personalization,
                                                 const JubjubParams& params) {
  const auto digest = group_hash_digest(tag, personalization);
  const auto decoded = Point<Unknown>::read_var(digest, params);
  if (!decoded) return std::nullopt;
  const Point<PrimeOrder> cleared = decoded->mul_by_cofactor();
  if (cleared == Point<PrimeOrder>::zero()) return std::nullopt;
  return cleared;
}

Point<PrimeOrder> find_group_hash(std::span<const std::uint8_t> tag, std::span<const std::uint8_t> personalization,
                                  const JubjubParams& params) {
  std::vector<std::uint8_t> tagged(tag.begin(), tag.end());
  tagged.push_back(0);
  while (true) {
    const auto found = baby_group_hash(tagged, personalization, params);
    ensure(tagged.back() != 0xff, "group hash counter reached its maximum");
    ++tagged.back();
    if (found) return *found;
  }
}

}  // namespace korvo::curve
