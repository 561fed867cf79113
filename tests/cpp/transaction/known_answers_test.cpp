// GCC 12 with the sanitizers reports std::function members inside <regex> as
// maybe uninitialized, a false positive in the library.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <string>

#include "known_answer_cases.h"
#include "support/failure.h"
#include "transaction/message_hash.h"

namespace korvo::transaction {
namespace {

// A hash text, or the text of the failure: an error value's description or
// an internal failure's message.
struct Outcome {
  std::optional<std::string> hash;
  std::string failure;
};

template <class Record>
Outcome hash_request(std::string_view json) {
  auto record = Record::from_json(json);
  if (!record) return {std::nullopt, record.error().description};
  try {
    return {message_hash(record.value()).to_hex(), {}};
  } catch (const InternalFailure& failure) {
    return {std::nullopt, failure.what()};
  }
}

std::optional<Outcome> run(const std::string& fn, std::string_view json) {
  if (fn == "hash_withdraw") return hash_request<WithdrawRequest>(json);
  if (fn == "hash_transfer") return hash_request<Transfer>(json);
  if (fn == "hash_limit_order") return hash_request<LimitOrderRequest>(json);
  if (fn == "hash_liquidate") return hash_request<Liquidate>(json);
  if (fn == "hash_signed_oracle_price") return hash_request<SignedOraclePrice>(json);
  return std::nullopt;
}

TEST(KnownAnswers, HashCases) {
  int checked = 0;
  for (const auto& item : known_answers::cases()) {
    const auto outcome = run(item.at("fn").get<std::string>(), item.at("args").at(0).get<std::string>());
    if (!outcome) continue;
    SCOPED_TRACE(item.at("tag").get<std::string>() + ": " + item.at("args").at(0).get<std::string>());
    ++checked;
    if (item.at("err").is_null()) {
      EXPECT_EQ(outcome->hash.value_or("failed: " + outcome->failure), item.at("ok").get<std::string>());
      continue;
    }
    ASSERT_FALSE(outcome->hash) << "hashed to " << *outcome->hash;
    const auto& err = item.at("err");
    // Error values are reported behind the operation's context message.
    const std::string report =
        err.at("kind") == "error" ? "Couldn't get hash: " + outcome->failure : outcome->failure;
    EXPECT_TRUE(std::regex_match(report, std::regex(err.at("pattern").get<std::string>())))
        << "report: " << report << "\npattern: " << err.at("pattern").get<std::string>();
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace korvo::transaction
