// Feeds arbitrary packed public key texts to the key operations. A key must
// read exactly when its text has the shape, and then come back as given with
// its point's x; its pair must pass the curve test, and a decompressed point
// must compress to the same key. The keys of private keys (from the same
// bytes) must read back to their own pair.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "curve/jubjub_params.h"
#include "curve/point.h"
#include "encoding/u256.h"
#include "lib/operations.h"
#include "support/failure.h"
#include "text_shapes.h"

namespace {

using fuzz::check;
using korvo::InternalFailure;
using korvo::encoding::U256;

// Below 2^160 and not zero: taken as (0, value) without decompression.
bool taken_unchecked(const U256& v) { return !v.is_zero() && v.limb(3) == 0 && (v.limb(2) >> 32) == 0; }

void packed_key(const std::string& text) {
  const std::string_view stripped = fuzz::without_key_prefixes(text);
  std::string_view digits;
  const bool shaped = fuzz::u256_digits(stripped, digits);
  korvo::Result<korvo::tx::KeyTextPair> pair = korvo::Error{};
  try {
    pair = korvo::lib::pub_key_to_xy(text);
  } catch (const InternalFailure&) {
    check(shaped);
    return;
  }
  check(pair.ok() == shaped);
  if (!pair) return;
  check(pair.value().x == "0x" + std::string(stripped));
  check(pair.value().y.size() == 66 && fuzz::lower(pair.value().y) == pair.value().y);
  // The test compares texts after prefix removal, so a key whose remaining
  // text starts with "0x" again cannot pass it.
  const bool comparable = fuzz::without_key_prefixes(pair.value().x) == stripped;
  check(korvo::lib::is_on_curve(text, pair.value().y).value() == comparable);

  const U256 value = U256::from_str(digits).value();
  if (taken_unchecked(value)) {
    check(pair.value().y == "0x" + std::string(64, '0'));
    return;
  }
  const auto bytes = value.to_le_bytes();
  const auto point = korvo::curve::Point<korvo::curve::Unknown>::read_var(bytes, korvo::curve::jubjub_params());
  check(point.has_value());
  const auto [x, y] = point->into_xy();
  // x = 0 has no odd root, so a set parity bit is dropped there.
  if (!x.is_zero()) check(point->to_le_bytes() == bytes);
}

// The first 32 bytes, made a key by keeping the top byte below 6.
void key_of_private_key(const std::uint8_t* data, std::size_t size) {
  if (size < 32) return;
  std::array<std::uint8_t, 32> bytes;
  std::copy(data, data + 32, bytes.begin());
  bytes[0] %= 6;
  const std::string digits = fuzz::hex_of(bytes);
  check(fuzz::private_key_shape(digits));
  const auto pair = korvo::lib::private_key_to_pubkey_xy(digits);
  check(pair.ok());
  const auto again = korvo::lib::pub_key_to_xy(pair.value().x);
  check(again.value().x == pair.value().x && again.value().y == pair.value().y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  packed_key(text);
  key_of_private_key(data, size);
  return 0;
}
