#include "api/guarded.h"
#include "lib/operations.h"

namespace korvo::sdk {

namespace {

constexpr std::string_view kHashContext = "Couldn't get hash";

}  // namespace

Outcome<std::string> hash_withdraw(std::string_view json) noexcept {
  return api::guarded<std::string>(kHashContext, [&] { return lib::hash_withdraw(json); });
}

Outcome<std::string> hash_transfer(std::string_view json) noexcept {
  return api::guarded<std::string>(kHashContext, [&] { return lib::hash_transfer(json); });
}

Outcome<std::string> hash_limit_order(std::string_view json) noexcept {
  return api::guarded<std::string>(kHashContext, [&] { return lib::hash_limit_order(json); });
}

Outcome<std::string> hash_liquidate(std::string_view json) noexcept {
  return api::guarded<std::string>(kHashContext, [&] { return lib::hash_liquidate(json); });
}

Outcome<std::string> hash_signed_oracle_price(std::string_view json) noexcept {
  return api::guarded<std::string>(kHashContext, [&] { return lib::hash_signed_oracle_price(json); });
}

}  // namespace korvo::sdk
