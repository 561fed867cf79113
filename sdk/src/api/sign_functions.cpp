#include "api/fault_injection.h"
#include "api/guarded.h"
#include "lib/operations.h"
#include "tx/signature_json.h"

#if defined(KORVO_FAULT_INJECTION)
#include "tx/tx_signature.h"
#endif

namespace korvo::sdk {

namespace {

// The context's missing apostrophe is part of the failure text callers see.
constexpr std::string_view kSignContext = "Couldn get jubjubSignature";
constexpr std::string_view kMessageContext = "Couldn't sign msg";

template <class Record>
Result<std::string> signature_json(Result<Record> signature) {
  return api::written(std::move(signature), [](const Record& record) { return tx::to_json(record); });
}

}  // namespace

Outcome<std::string> sign_withdraw(std::string_view json, std::string_view pri_key) noexcept {
  return api::guarded<std::string>(kSignContext, [&] { return signature_json(lib::sign_withdraw(json, pri_key)); });
}

Outcome<std::string> sign_transfer(std::string_view json, std::string_view pri_key) noexcept {
  return api::guarded<std::string>(kSignContext, [&] { return signature_json(lib::sign_transfer(json, pri_key)); });
}

Outcome<std::string> sign_limit_order(std::string_view json, std::string_view pri_key) noexcept {
  return api::guarded<std::string>(kSignContext,
                                   [&] { return signature_json(lib::sign_limit_order(json, pri_key)); });
}

Outcome<std::string> sign_liquidate(std::string_view json, std::string_view pri_key) noexcept {
  return api::guarded<std::string>(kSignContext, [&] { return signature_json(lib::sign_liquidate(json, pri_key)); });
}

Outcome<std::string> sign_signed_oracle_price(std::string_view json, std::string_view pri_key) noexcept {
  return api::guarded<std::string>(kSignContext,
                                   [&] { return signature_json(lib::sign_signed_oracle_price(json, pri_key)); });
}

Outcome<std::string> sign(std::string_view private_key, std::string_view msg) noexcept {
  return api::guarded<std::string>(kMessageContext, [&] { return signature_json(lib::sign(private_key, msg)); });
}

Outcome<std::string> eth_sign(std::string_view private_key, std::string_view msg) noexcept {
  return api::guarded<std::string>(kMessageContext, [&] { return signature_json(lib::l1_sign(msg, private_key)); });
}

#if defined(KORVO_FAULT_INJECTION)
void testing::corrupt_signatures(bool on) { tx::corrupt_signatures(on); }
#endif

}  // namespace korvo::sdk
