#include <cstdint>
#include <span>

#include "lib/operations.h"
#include "support/secret.h"
#include "tx/private_key.h"
#include "tx/public_key_text.h"

namespace korvo::lib {

Result<std::string> private_key_from_seed(std::string_view seed) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(seed.data());
  return with_stack_wiped([&] { return tx::private_key_from_seed(std::span(bytes, seed.size())); });
}

Result<bool> is_on_curve(std::string_view x, std::string_view y) { return tx::is_on_curve(x, y); }

Result<tx::KeyTextPair> pub_key_to_xy(std::string_view public_key) { return tx::pub_key_to_xy(public_key); }

Result<tx::KeyTextPair> private_key_to_pubkey_xy(std::string_view private_key) {
  return with_stack_wiped([&] { return tx::private_key_to_pubkey_xy(private_key); });
}

}  // namespace korvo::lib
