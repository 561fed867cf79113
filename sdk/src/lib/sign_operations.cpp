#include "lib/operations.h"
#include "lib/request_hash.h"
#include "support/secret.h"
#include "tx/private_key.h"
#include "tx/tx_signature.h"

namespace korvo::lib {

namespace {

// Signs the 32 little-endian bytes of `message`.
tx::JubjubSignature sign_message(const curve::Fs& sk, const encoding::U256& message) {
  const auto bytes = message.to_le_bytes();
  return tx::TxSignature::sign_msg(sk, bytes).to_jubjub_signature();
}

// The hash comes first, so a request that fails to hash is reported even
// when the key is bad too.
template <class Record>
Result<tx::JubjubSignature> sign_request(std::string_view json, std::string_view private_key,
                                         FailureRoad json_road, FailureRoad key_road) {
  return with_stack_wiped([&]() -> Result<tx::JubjubSignature> {
    auto hash = request_hash<Record>(json, json_road);
    if (!hash) return hash.error();
    auto sk = route(tx::private_key_from_string(private_key), key_road);
    if (!sk) return sk.error();
    return sign_message(*sk.value(), hash.value());
  });
}

}  // namespace

Result<tx::JubjubSignature> sign_withdraw(std::string_view json, std::string_view private_key) {
  return sign_request<transaction::WithdrawRequest>(json, private_key, FailureRoad::ErrorValue,
                                                    FailureRoad::InternalFailure);
}

Result<tx::JubjubSignature> sign_transfer(std::string_view json, std::string_view private_key) {
  return sign_request<transaction::Transfer>(json, private_key, FailureRoad::InternalFailure,
                                             FailureRoad::InternalFailure);
}

Result<tx::JubjubSignature> sign_limit_order(std::string_view json, std::string_view private_key) {
  return sign_request<transaction::LimitOrderRequest>(json, private_key, FailureRoad::ErrorValue,
                                                      FailureRoad::ErrorValue);
}

Result<tx::JubjubSignature> sign_liquidate(std::string_view json, std::string_view private_key) {
  return sign_request<transaction::Liquidate>(json, private_key, FailureRoad::ErrorValue, FailureRoad::ErrorValue);
}

Result<tx::JubjubSignature> sign_signed_oracle_price(std::string_view json, std::string_view private_key) {
  return sign_request<transaction::SignedOraclePrice>(json, private_key, FailureRoad::ErrorValue,
                                                      FailureRoad::ErrorValue);
}

// The message is signed as given (not hashed again); it is checked before the key.
Result<tx::JubjubSignature> sign(std::string_view private_key, std::string_view msg) {
  return with_stack_wiped([&]() -> Result<tx::JubjubSignature> {
    KORVO_TRY(message, encoding::U256::from_str(msg));
    KORVO_TRY(sk, tx::private_key_from_string(private_key));
    return sign_message(*sk, message);
  });
}

Result<tx::L1Signature> l1_sign(std::string_view msg, std::string_view private_key) {
  return with_stack_wiped([&] { return tx::l1_sign(msg, private_key); });
}

}  // namespace korvo::lib
