#include "lib/function_table.h"

#include "korvo/sdk.h"

namespace korvo::module {

namespace {

template <class T>
sdk::Outcome<Reply> as_reply(sdk::Outcome<T> outcome) {
  if (outcome.has_value()) return sdk::Outcome<Reply>(Reply(std::move(outcome).value()));
  return sdk::Outcome<Reply>(std::move(outcome).error());
}

constexpr const char* kJsonKey[] = {"json", "pri_key"};
constexpr const char* kJson[] = {"json"};
constexpr const char* kKeyMsg[] = {"private_key", "msg"};
constexpr const char* kVerify[] = {"sig_r", "sig_s", "pub_key_x", "pub_key_y", "msg"};
constexpr const char* kSeed[] = {"seed"};
constexpr const char* kXY[] = {"x", "y"};
constexpr const char* kPublicKey[] = {"public_key"};
constexpr const char* kPrivateKey[] = {"private_key"};

}  // namespace

const std::array<FunctionRow, kFunctionCount> kFunctionTable = {{
    {{"verify_signature", kVerify},
     [](Texts t) { return as_reply(sdk::verify_signature(t[0], t[1], t[2], t[3], t[4])); }},
    {{"sign_withdraw", kJsonKey}, [](Texts t) { return as_reply(sdk::sign_withdraw(t[0], t[1])); }},
    {{"sign_transfer", kJsonKey}, [](Texts t) { return as_reply(sdk::sign_transfer(t[0], t[1])); }},
    {{"sign_limit_order", kJsonKey}, [](Texts t) { return as_reply(sdk::sign_limit_order(t[0], t[1])); }},
    {{"sign_liquidate", kJsonKey}, [](Texts t) { return as_reply(sdk::sign_liquidate(t[0], t[1])); }},
    {{"sign_signed_oracle_price", kJsonKey},
     [](Texts t) { return as_reply(sdk::sign_signed_oracle_price(t[0], t[1])); }},
    {{"hash_withdraw", kJson}, [](Texts t) { return as_reply(sdk::hash_withdraw(t[0])); }},
    {{"hash_transfer", kJson}, [](Texts t) { return as_reply(sdk::hash_transfer(t[0])); }},
    {{"hash_limit_order", kJson}, [](Texts t) { return as_reply(sdk::hash_limit_order(t[0])); }},
    {{"hash_liquidate", kJson}, [](Texts t) { return as_reply(sdk::hash_liquidate(t[0])); }},
    {{"hash_signed_oracle_price", kJson}, [](Texts t) { return as_reply(sdk::hash_signed_oracle_price(t[0])); }},
    {{"sign", kKeyMsg}, [](Texts t) { return as_reply(sdk::sign(t[0], t[1])); }},
    {{"eth_sign", kKeyMsg}, [](Texts t) { return as_reply(sdk::eth_sign(t[0], t[1])); }},
    {{"private_key_from_seed", kSeed}, [](Texts t) { return as_reply(sdk::private_key_from_seed(t[0])); }},
    {{"is_on_curve", kXY}, [](Texts t) { return as_reply(sdk::is_on_curve(t[0], t[1])); }},
    {{"public_key_to_xy", kPublicKey}, [](Texts t) { return as_reply(sdk::public_key_to_xy(t[0])); }},
    {{"private_key_to_public_key_xy", kPrivateKey},
     [](Texts t) { return as_reply(sdk::private_key_to_public_key_xy(t[0])); }},
}};

}  // namespace korvo::module
