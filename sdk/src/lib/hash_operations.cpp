#include "lib/operations.h"
#include "lib/request_hash.h"

namespace korvo::lib {

namespace {

template <class Record>
Result<std::string> hash_text(std::string_view json, FailureRoad json_road) {
  auto hash = request_hash<Record>(json, json_road);
  if (!hash) return hash.error();
  return hash.value().to_hex();
}

}  // namespace

Result<std::string> hash_withdraw(std::string_view json) {
  return hash_text<transaction::WithdrawRequest>(json, FailureRoad::ErrorValue);
}

// A transfer that does not parse has always stopped the operation outright.
Result<std::string> hash_transfer(std::string_view json) {
  return hash_text<transaction::Transfer>(json, FailureRoad::InternalFailure);
}

Result<std::string> hash_limit_order(std::string_view json) {
  return hash_text<transaction::LimitOrderRequest>(json, FailureRoad::ErrorValue);
}

Result<std::string> hash_liquidate(std::string_view json) {
  return hash_text<transaction::Liquidate>(json, FailureRoad::ErrorValue);
}

Result<std::string> hash_signed_oracle_price(std::string_view json) {
  return hash_text<transaction::SignedOraclePrice>(json, FailureRoad::ErrorValue);
}

}  // namespace korvo::lib
