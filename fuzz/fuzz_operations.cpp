// Drives the seventeen SDK operations with fuzzed arguments. An operation may
// succeed only on inputs of the accepted shape (and must, where every input of
// that shape is accepted); internal failures may come only from the steps
// that have them; every fresh signature verifies under its signer's key and
// fails for a neighbouring message.

#include <fuzzer/FuzzedDataProvider.h>

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/operations.h"
#include "support/failure.h"
#include "text_shapes.h"
#include "tx/signature_json.h"

namespace {

using fuzz::check;
using korvo::InternalFailure;
using korvo::Result;
namespace lib = korvo::lib;

using HashOperation = Result<std::string> (*)(std::string_view);
using SignOperation = Result<korvo::tx::JubjubSignature> (*)(std::string_view, std::string_view);

struct RequestKind {
  HashOperation hash;
  SignOperation sign;
  // Whether a JSON error of the signing operation unwinds instead of
  // returning, and whether a bad key does.
  bool json_error_unwinds, key_error_unwinds;
};

constexpr std::array<RequestKind, 5> kRequests{{
    {lib::hash_withdraw, lib::sign_withdraw, false, true},
    {lib::hash_transfer, lib::sign_transfer, true, true},
    {lib::hash_limit_order, lib::sign_limit_order, false, false},
    {lib::hash_liquidate, lib::sign_liquidate, false, false},
    {lib::hash_signed_oracle_price, lib::sign_signed_oracle_price, false, false},
}};

bool fixed_width_hex(std::string_view text) {
  return text.size() == 66 && text.starts_with("0x") && fuzz::lower(text) == text && fuzz::all_hex(text.substr(2));
}

bool u256_shape(std::string_view text) {
  std::string_view digits;
  return fuzz::u256_digits(text, digits);
}

bool is_zero_key(std::string_view key) {
  return fuzz::without_all(key, "0x").find_first_not_of('0') == std::string_view::npos;
}

// The message one above `message` (or below, for the largest), same width.
std::string neighbour(std::string_view message) {
  std::string digits = fuzz::padded64(fuzz::without_all(message, "0x"));
  const bool up = digits != std::string(64, 'f');
  for (std::size_t i = digits.size(); i-- > 0;) {
    const char c = digits[i];
    if (up) {
      digits[i] = c == '9' ? 'a' : c == 'f' ? '0' : static_cast<char>(c + 1);
      if (c != 'f') break;
    } else {
      digits[i] = c == 'a' ? '9' : c == '0' ? 'f' : static_cast<char>(c - 1);
      if (c != '0') break;
    }
  }
  return "0x" + digits;
}

// A signature made by `key` over the U256 text `message` verifies, through
// its JSON texts, and does not verify a neighbouring message.
void check_fresh(const korvo::tx::JubjubSignature& signature, std::string_view key, std::string_view message) {
  const auto json = nlohmann::json::parse(korvo::tx::to_json(signature));
  const std::string r = json["r"], s = json["s"];
  const auto public_key = lib::private_key_to_pubkey_xy(key);
  check(public_key.ok());
  check(lib::verify_signature(r, s, public_key.value().x, "", message).value());
  if (!is_zero_key(key)) check(!lib::verify_signature(r, s, public_key.value().x, "", neighbour(message)).value());
}

void request(const RequestKind& kind, const std::string& json, const std::string& key) {
  Result<std::string> hash = korvo::Error{};
  bool hash_unwound = false;
  try {
    hash = kind.hash(json);
    if (hash) check(fixed_width_hex(hash.value()) && hash.value()[2] <= '3');
  } catch (const InternalFailure&) {
    hash_unwound = true;
  }
  const bool key_shaped = fuzz::private_key_shape(key);
  try {
    const auto signature = kind.sign(json, key);
    check(!hash_unwound);
    check(signature.ok() == (hash.ok() && key_shaped));
    if (signature) check_fresh(signature.value(), key, hash.value());
  } catch (const InternalFailure&) {
    check(hash_unwound || (!hash.ok() && kind.json_error_unwinds) || (hash.ok() && kind.key_error_unwinds && !key_shaped));
  }
}

void sign(const std::string& key, const std::string& message) {
  const auto signature = lib::sign(key, message);
  check(signature.ok() == (u256_shape(message) && fuzz::private_key_shape(key)));
  if (signature) check_fresh(signature.value(), key, message);
}

// Signs as `sign` does, with every leading "0x" and then "0X" dropped from
// the message, and reports the signer's key pair.
void l1_sign(const std::string& message, const std::string& key) {
  const auto signature = lib::l1_sign(message, key);
  const std::string_view digits = fuzz::without_key_prefixes(message);
  check(signature.ok() == (u256_shape(digits) && fuzz::private_key_shape(key)));
  if (!signature) return;
  const auto& l1 = signature.value();
  for (const std::string* part : {&l1.x, &l1.y, &l1.s, &l1.pk_x, &l1.pk_y}) check(fixed_width_hex(*part));
  const auto plain = nlohmann::json::parse(korvo::tx::to_json(lib::sign(key, digits).value()));
  check(l1.s == plain["s"]);
  const auto pair = lib::private_key_to_pubkey_xy(key).value();
  check(l1.pk_x == pair.x && l1.pk_y == pair.y);
}

void keys(const std::string& key, const std::string& text, const std::string& other) {
  const auto seeded = lib::private_key_from_seed(text);
  check(seeded.ok() == (text.size() >= 32));
  if (seeded) check(fixed_width_hex(seeded.value()) && fuzz::private_key_shape(seeded.value()));

  const auto pair = lib::private_key_to_pubkey_xy(key);
  check(pair.ok() == fuzz::private_key_shape(key));
  if (pair) check(fixed_width_hex(pair.value().x) && fixed_width_hex(pair.value().y));

  const bool packed_shaped = u256_shape(fuzz::without_key_prefixes(text));
  try {
    check(lib::pub_key_to_xy(text).ok() == packed_shaped);
  } catch (const InternalFailure&) {
    check(packed_shaped);
  }
  try {
    const auto on_curve = lib::is_on_curve(text, other);
    check(on_curve.ok() == packed_shaped);
  } catch (const InternalFailure&) {
    check(packed_shaped);
  }
}

void verify(FuzzedDataProvider& input) {
  const std::string r = input.ConsumeRandomLengthString(80), s = input.ConsumeRandomLengthString(80);
  const std::string key = input.ConsumeRandomLengthString(80), message = input.ConsumeRandomLengthString(80);
  try {
    const auto verified = lib::verify_signature(r, s, key, input.ConsumeRemainingBytesAsString(), message);
    if (verified) check(u256_shape(key) && u256_shape(message));
  } catch (const InternalFailure&) {
  }
}

// A private key text: from the fuzzer's bytes, or one of the key shape (the
// top byte kept below 6) written in one of the accepted prefix forms.
std::string private_key(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeRandomLengthString(80);
  auto bytes = input.ConsumeBytes<std::uint8_t>(32);
  bytes.resize(32);
  bytes[0] %= 6;
  static constexpr std::array<std::string_view, 3> kPrefixes{"", "0x", "0x0x"};
  return std::string(kPrefixes[input.ConsumeIntegralInRange<std::size_t>(0, 2)]) + fuzz::hex_of(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int operation = input.ConsumeIntegralInRange(0, 7);
  if (operation == 7) {
    verify(input);
    return 0;
  }
  const std::string key = private_key(input);
  const std::string text = input.ConsumeRandomLengthString(1000);
  if (operation < 5) {
    request(kRequests[static_cast<std::size_t>(operation)], text, key);
  } else if (operation == 5) {
    sign(key, text);
    l1_sign(text, key);
  } else {
    keys(key, text, input.ConsumeRemainingBytesAsString());
  }
  return 0;
}
