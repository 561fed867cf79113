// Every independently computed case of the seventeen functions through the
// C++ API: the exact result, or the failure's kind and message (the second
// line of the module's report).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"  // std::function inside <regex>, a false positive
#endif

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "known_answer_cases.h"
#include "korvo/sdk.h"

namespace korvo::sdk {
namespace {

using Args = std::vector<std::string>;

template <class T>
nlohmann::json as_json(const Outcome<T>& outcome) {
  if (outcome.has_value()) return outcome.value();
  return {{"kind", outcome.error().kind == FailureKind::InternalFailure ? "internal" : "error"},
          {"message", outcome.error().message}};
}

const std::map<std::string, std::function<nlohmann::json(const Args&)>> kFunctions = {
    {"hash_withdraw", [](const Args& a) { return as_json(hash_withdraw(a.at(0))); }},
    {"hash_transfer", [](const Args& a) { return as_json(hash_transfer(a.at(0))); }},
    {"hash_limit_order", [](const Args& a) { return as_json(hash_limit_order(a.at(0))); }},
    {"hash_liquidate", [](const Args& a) { return as_json(hash_liquidate(a.at(0))); }},
    {"hash_signed_oracle_price", [](const Args& a) { return as_json(hash_signed_oracle_price(a.at(0))); }},
    {"sign_withdraw", [](const Args& a) { return as_json(sign_withdraw(a.at(0), a.at(1))); }},
    {"sign_transfer", [](const Args& a) { return as_json(sign_transfer(a.at(0), a.at(1))); }},
    {"sign_limit_order", [](const Args& a) { return as_json(sign_limit_order(a.at(0), a.at(1))); }},
    {"sign_liquidate", [](const Args& a) { return as_json(sign_liquidate(a.at(0), a.at(1))); }},
    {"sign_signed_oracle_price", [](const Args& a) { return as_json(sign_signed_oracle_price(a.at(0), a.at(1))); }},
    {"sign", [](const Args& a) { return as_json(sign(a.at(0), a.at(1))); }},
    {"eth_sign", [](const Args& a) { return as_json(eth_sign(a.at(0), a.at(1))); }},
    {"verify_signature",
     [](const Args& a) { return as_json(verify_signature(a.at(0), a.at(1), a.at(2), a.at(3), a.at(4))); }},
    {"private_key_from_seed", [](const Args& a) { return as_json(private_key_from_seed(a.at(0))); }},
    {"is_on_curve", [](const Args& a) { return as_json(is_on_curve(a.at(0), a.at(1))); }},
    {"public_key_to_xy", [](const Args& a) { return as_json(public_key_to_xy(a.at(0))); }},
    {"private_key_to_public_key_xy", [](const Args& a) { return as_json(private_key_to_public_key_xy(a.at(0))); }},
};

TEST(KnownAnswers, EveryFunction) {
  std::map<std::string, int> checked;
  for (const auto& c : known_answers::cases()) {
    const auto result = kFunctions.at(c["fn"])(c["args"].get<Args>());
    SCOPED_TRACE(c.dump());
    ++checked[c["fn"]];
    const auto& err = c["err"];
    if (err.is_null()) {
      EXPECT_EQ(result, c["ok"]);
      continue;
    }
    ASSERT_TRUE(result.is_object()) << "succeeded with " << result;
    EXPECT_EQ(result["kind"], err["kind"]);
    const std::string message = result["message"];
    if (err["exact"]) {
      EXPECT_EQ(message, err["report"]);
    } else {
      EXPECT_TRUE(std::regex_match(message, std::regex(err["pattern"].get<std::string>()))) << message;
    }
  }
  EXPECT_EQ(checked.size(), kFunctions.size());
}

}  // namespace
}  // namespace korvo::sdk
