// korvo_call FUNCTION ARG...: calls one SDK function by its name and prints
// its value (true or false for a truth value), or on failure its kind and
// message on standard error with exit status 1.
//
//   korvo_call hash_withdraw "$(cat withdraw.json)"
//   korvo_call private_key_from_seed "at least thirty-two bytes of secret seed text"

#include <korvo/sdk.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Args = std::vector<std::string_view>;
using korvo::sdk::Outcome;

struct Function {
  std::string_view name;
  std::size_t arity;
  Outcome<std::string> (*call)(const Args& a);
};

Outcome<std::string> as_text(Outcome<bool> truth) {
  if (!truth.has_value()) return Outcome<std::string>(std::move(truth).error());
  return Outcome<std::string>(std::string(truth.value() ? "true" : "false"));
}

namespace sdk = korvo::sdk;

const Function kFunctions[] = {
    {"verify_signature", 5, [](const Args& a) { return as_text(sdk::verify_signature(a[0], a[1], a[2], a[3], a[4])); }},
    {"sign_withdraw", 2, [](const Args& a) { return sdk::sign_withdraw(a[0], a[1]); }},
    {"sign_transfer", 2, [](const Args& a) { return sdk::sign_transfer(a[0], a[1]); }},
    {"sign_limit_order", 2, [](const Args& a) { return sdk::sign_limit_order(a[0], a[1]); }},
    {"sign_liquidate", 2, [](const Args& a) { return sdk::sign_liquidate(a[0], a[1]); }},
    {"sign_signed_oracle_price", 2, [](const Args& a) { return sdk::sign_signed_oracle_price(a[0], a[1]); }},
    {"hash_withdraw", 1, [](const Args& a) { return sdk::hash_withdraw(a[0]); }},
    {"hash_transfer", 1, [](const Args& a) { return sdk::hash_transfer(a[0]); }},
    {"hash_limit_order", 1, [](const Args& a) { return sdk::hash_limit_order(a[0]); }},
    {"hash_liquidate", 1, [](const Args& a) { return sdk::hash_liquidate(a[0]); }},
    {"hash_signed_oracle_price", 1, [](const Args& a) { return sdk::hash_signed_oracle_price(a[0]); }},
    {"sign", 2, [](const Args& a) { return sdk::sign(a[0], a[1]); }},
    {"eth_sign", 2, [](const Args& a) { return sdk::eth_sign(a[0], a[1]); }},
    {"private_key_from_seed", 1, [](const Args& a) { return sdk::private_key_from_seed(a[0]); }},
    {"is_on_curve", 2, [](const Args& a) { return as_text(sdk::is_on_curve(a[0], a[1])); }},
    {"public_key_to_xy", 1, [](const Args& a) { return sdk::public_key_to_xy(a[0]); }},
    {"private_key_to_public_key_xy", 1, [](const Args& a) { return sdk::private_key_to_public_key_xy(a[0]); }},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: korvo_call FUNCTION ARG...\n", stderr);
    return 2;
  }
  const Args args(argv + 2, argv + argc);
  for (const auto& function : kFunctions) {
    if (function.name != argv[1]) continue;
    if (args.size() != function.arity) {
      std::fprintf(stderr, "%s takes %zu arguments\n", argv[1], function.arity);
      return 2;
    }
    const auto outcome = function.call(args);
    if (!outcome) {
      const auto& failure = outcome.error();
      const bool internal = failure.kind == sdk::FailureKind::InternalFailure;
      std::fprintf(stderr, "%s\n%s\n", internal ? "internal" : "error", failure.message.c_str());
      return 1;
    }
    std::printf("%s\n", outcome.value().c_str());
    return 0;
  }
  std::fprintf(stderr, "unknown function %s\n", argv[1]);
  return 2;
}
