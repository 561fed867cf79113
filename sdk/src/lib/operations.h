#pragma once
// The seventeen SDK operations, one behind each function of the Python module.
// Each takes texts and returns its value or an error value; internal failures
// unwind as korvo::InternalFailure. Those that handle a private key wipe the
// stack they used before they return or unwind.

#include <string>
#include <string_view>

#include "support/result.h"
#include "tx/jubjub_signature.h"
#include "tx/key_text_pair.h"
#include "tx/l1_signature.h"

namespace korvo::lib {

// Message hashes as "0x" and 64 lower-case digits.
Result<std::string> hash_withdraw(std::string_view json);
Result<std::string> hash_transfer(std::string_view json);
Result<std::string> hash_limit_order(std::string_view json);
Result<std::string> hash_liquidate(std::string_view json);
Result<std::string> hash_signed_oracle_price(std::string_view json);

Result<tx::JubjubSignature> sign_withdraw(std::string_view json, std::string_view private_key);
Result<tx::JubjubSignature> sign_transfer(std::string_view json, std::string_view private_key);
Result<tx::JubjubSignature> sign_limit_order(std::string_view json, std::string_view private_key);
Result<tx::JubjubSignature> sign_liquidate(std::string_view json, std::string_view private_key);
Result<tx::JubjubSignature> sign_signed_oracle_price(std::string_view json, std::string_view private_key);

Result<tx::JubjubSignature> sign(std::string_view private_key, std::string_view msg);
Result<bool> verify_signature(std::string_view sig_r, std::string_view sig_s, std::string_view pub_key_x,
                              std::string_view pub_key_y, std::string_view msg);
Result<tx::L1Signature> l1_sign(std::string_view msg, std::string_view private_key);

Result<std::string> private_key_from_seed(std::string_view seed);
Result<bool> is_on_curve(std::string_view x, std::string_view y);
Result<tx::KeyTextPair> pub_key_to_xy(std::string_view public_key);
Result<tx::KeyTextPair> private_key_to_pubkey_xy(std::string_view private_key);

}  // namespace korvo::lib
