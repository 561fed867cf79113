// Feeds arbitrary signature texts, packed keys and messages to the signature
// reader and to verification. Malformed signature texts must stop both with
// an internal failure; a signature that reads must survive its JSON form (the
// JSON read back with a general-purpose parser); verification answers only
// for well-shaped inputs.

#include <fuzzer/FuzzedDataProvider.h>

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/operations.h"
#include "support/failure.h"
#include "text_shapes.h"
#include "tx/jubjub_signature.h"
#include "tx/signature_json.h"

namespace {

using fuzz::check;
using korvo::InternalFailure;

bool signature_part_shape(std::string_view text) {
  std::string_view digits;
  return fuzz::u256_digits(fuzz::without_key_prefixes(text), digits);
}

// The 66-character text "0x" and 64 lower-case digits.
bool fixed_width_hex(const std::string& text) {
  return text.size() == 66 && text.starts_with("0x") && fuzz::lower(text) == text && fuzz::all_hex(text.substr(2));
}

void read_signature(const std::string& r, const std::string& s) {
  const bool shaped = signature_part_shape(r) && signature_part_shape(s);
  korvo::tx::JubjubSignature signature;
  try {
    signature = korvo::tx::JubjubSignature::from_str(r, s);
  } catch (const InternalFailure&) {
    return;
  }
  check(shaped);
  const auto json = nlohmann::json::parse(korvo::tx::to_json(signature));
  check(json.size() == 2 && json["r"].is_string() && json["s"].is_string());
  const std::string r_text = json["r"], s_text = json["s"];
  check(fixed_width_hex(r_text) && fixed_width_hex(s_text));
  const auto again = korvo::tx::JubjubSignature::from_str(r_text, s_text);
  check(again.r == signature.r && again.s == signature.s);
}

void verify(const std::string& r, const std::string& s, const std::string& key, const std::string& msg) {
  std::string_view digits;
  const bool signature_shaped = signature_part_shape(r) && signature_part_shape(s);
  try {
    const auto verified = korvo::lib::verify_signature(r, s, key, "", msg);
    check(signature_shaped);
    if (!fuzz::u256_digits(msg, digits) || !fuzz::u256_digits(key, digits)) check(!verified.ok());
  } catch (const InternalFailure&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string r = input.ConsumeRandomLengthString(80);
  const std::string s = input.ConsumeRandomLengthString(80);
  const std::string key = input.ConsumeRandomLengthString(80);
  const std::string msg = input.ConsumeRemainingBytesAsString();
  read_signature(r, s);
  verify(r, s, key, msg);
  return 0;
}
