#include "lib/function_table.h"

#include "encoding/json_writer.h"
#include "lib/operations.h"
#include "tx/signature_json.h"

namespace korvo::module {

namespace {

template <class T>
Result<Reply> as_reply(Result<T> outcome) {
  if (!outcome) return outcome.error();
  return Reply(std::move(outcome).value());
}

// The module's own record for coordinates: {"x": first text, "y": second text}.
Result<Reply> public_key_reply(Result<tx::KeyTextPair> outcome) {
  if (!outcome) return outcome.error();
  const auto& pair = outcome.value();
  return Reply(encoding::JsonObjectWriter().member("x", pair.x).member("y", pair.y).finish());
}

template <class Record>
Result<Reply> signature_reply(Result<Record> outcome) {
  if (!outcome) return outcome.error();
  return Reply(tx::to_json(outcome.value()));
}

constexpr const char* kJsonKey[] = {"json", "pri_key"};
constexpr const char* kJson[] = {"json"};
constexpr const char* kKeyMsg[] = {"private_key", "msg"};
constexpr const char* kVerify[] = {"sig_r", "sig_s", "pub_key_x", "pub_key_y", "msg"};
constexpr const char* kSeed[] = {"seed"};
constexpr const char* kXY[] = {"x", "y"};
constexpr const char* kPublicKey[] = {"public_key"};
constexpr const char* kPrivateKey[] = {"private_key"};

constexpr const char* kSignContext = "Couldn get jubjubSignature";
constexpr const char* kHashContext = "Couldn't get hash";

}  // namespace

const std::array<FunctionRow, kFunctionCount> kFunctionTable = {{
    {{"verify_signature", kVerify}, "Couldn't get verify_signature result",
     [](Texts t) { return as_reply(lib::verify_signature(t[0], t[1], t[2], t[3], t[4])); }},
    {{"sign_withdraw", kJsonKey}, kSignContext,
     [](Texts t) { return signature_reply(lib::sign_withdraw(t[0], t[1])); }},
    {{"sign_transfer", kJsonKey}, kSignContext,
     [](Texts t) { return signature_reply(lib::sign_transfer(t[0], t[1])); }},
    {{"sign_limit_order", kJsonKey}, kSignContext,
     [](Texts t) { return signature_reply(lib::sign_limit_order(t[0], t[1])); }},
    {{"sign_liquidate", kJsonKey}, kSignContext,
     [](Texts t) { return signature_reply(lib::sign_liquidate(t[0], t[1])); }},
    {{"sign_signed_oracle_price", kJsonKey}, kSignContext,
     [](Texts t) { return signature_reply(lib::sign_signed_oracle_price(t[0], t[1])); }},
    {{"hash_withdraw", kJson}, kHashContext, [](Texts t) { return as_reply(lib::hash_withdraw(t[0])); }},
    {{"hash_transfer", kJson}, kHashContext, [](Texts t) { return as_reply(lib::hash_transfer(t[0])); }},
    {{"hash_limit_order", kJson}, kHashContext, [](Texts t) { return as_reply(lib::hash_limit_order(t[0])); }},
    {{"hash_liquidate", kJson}, kHashContext, [](Texts t) { return as_reply(lib::hash_liquidate(t[0])); }},
    {{"hash_signed_oracle_price", kJson}, kHashContext,
     [](Texts t) { return as_reply(lib::hash_signed_oracle_price(t[0])); }},
    {{"sign", kKeyMsg}, "Couldn't sign msg", [](Texts t) { return signature_reply(lib::sign(t[0], t[1])); }},
    // eth_sign(private_key, msg) hands the message over first.
    {{"eth_sign", kKeyMsg}, "Couldn't sign msg", [](Texts t) { return signature_reply(lib::l1_sign(t[1], t[0])); }},
    {{"private_key_from_seed", kSeed}, "Couldn't derive private key from seed",
     [](Texts t) { return as_reply(lib::private_key_from_seed(t[0])); }},
    {{"is_on_curve", kXY}, "Couldn't get verify xy is on curve",
     [](Texts t) { return as_reply(lib::is_on_curve(t[0], t[1])); }},
    {{"public_key_to_xy", kPublicKey}, "Couldn't convert public key to xy",
     [](Texts t) { return public_key_reply(lib::pub_key_to_xy(t[0])); }},
    {{"private_key_to_public_key_xy", kPrivateKey}, "Couldn't convert private key to public key xy",
     [](Texts t) { return public_key_reply(lib::private_key_to_pubkey_xy(t[0])); }},
}};

}  // namespace korvo::module
