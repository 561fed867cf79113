// Runs the SDK operations from a private key's text (or a seed) to their JSON
// results with that text marked undefined for memcheck: valgrind then reports
// every branch and memory index that depends on the key, from the parsing of
// its digits through the nonce derivation and the products to the result.
//
// The SDK reveals some values computed from the key on purpose, and marks
// each defined where it is computed (support/declassify.h). These are the
// branches that may depend on the key, and why each reveals only what is
// public anyway:
//   - encoding/secret_hex.cpp: where a key text's digits start and whether
//     one of them is bad. A valid key is accepted whatever its digits; a
//     rejected text is reported with its reason.
//   - tx/convert.cpp: whether a key, seed-derived key candidate or nonce
//     candidate is below the modulus. For a key text that is its validity; in
//     the seed and nonce loops it is the number of rejected candidates, SHA-256
//     and HMAC outputs that tell nothing of the value finally accepted.
//   - tx/tx_signature.cpp, tx/public_key_text.cpp: R, S, the public key
//     A = G*sk and A*c. They are the results, and the check of the fresh
//     signature compares these public points.
// Everything else on these paths must run in constant time.
#include <cstdio>
#include <string>

#include "curve/jubjub_params.h"
#include "lib/operations.h"
#include "marks.h"
#include "tx/signature_json.h"

namespace {

namespace lib = korvo::lib;

using korvo::ctime::mark_public;
using korvo::ctime::mark_secret;

const std::string kMessage = "0x2b3c4d5e6f708192a3b4c5d6e7f8091a2b3c4d5e6f708192a3b4c5d6e7f8091";
const std::string kOrder =
    R"({"nonce":"1","public_key":"0x1","expiration_timestamp":"2","amount_synthetic":"3","amount_collateral":"4",)"
    R"("amount_fee":"5","asset_id_synthetic":"0x6","asset_id_collateral":"0x7","position_id":"8",)"
    R"("is_buying_synthetic":true})";

std::string sign_json(const std::string& key) { return korvo::tx::to_json(lib::sign(key, kMessage).value()); }
std::string order_json(const std::string& key) {
  return korvo::tx::to_json(lib::sign_limit_order(kOrder, key).value());
}
std::string l1_json(const std::string& key) { return korvo::tx::to_json(lib::l1_sign(kMessage, key).value()); }
std::string public_pair(const std::string& key) {
  const auto pair = lib::private_key_to_pubkey_xy(key).value();
  return pair.x + pair.y;
}
std::string key_of_seed(const std::string& seed) { return lib::private_key_from_seed(seed).value(); }

// Runs `operation` on a secret copy of `input`, and compares with a run on
// the public text.
template <class Operation>
bool check(const char* name, Operation operation, const std::string& input) {
  const std::string expected = operation(input);
  std::string secret = input;
  mark_secret(secret);
  std::string result = operation(secret);
  mark_public(result);
  const bool same = result == expected;
  if (!same) std::printf("%s: results differ\n", name);
  return same;
}

}  // namespace

int main() {
  // Builds the shared parameters and table from public data first.
  korvo::curve::jubjub_params();

  const std::string keys[] = {
      "0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd",
      "0x0x0000000000000000000000000000000000000000000000000000000000000001",
      "060C89CE5C263405370A08B6D0302B0BAB3EEDB83920EE0A677297DC392126F0",
  };
  int failures = 0;
  for (const std::string& key : keys) {
    failures += !check("sign", sign_json, key);
    failures += !check("sign_limit_order", order_json, key);
    failures += !check("eth_sign", l1_json, key);
    failures += !check("private_key_to_public_key_xy", public_pair, key);
  }
  const std::string seed = "a seed of thirty-two bytes or more, kept secret";
  failures += !check("private_key_from_seed", key_of_seed, seed);
  std::printf("%s\n", failures == 0 ? "constant-time signing checks passed" : "constant-time signing: wrong results");
  return failures == 0 ? 0 : 1;
}
