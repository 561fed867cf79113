#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "known_answer_cases.h"
#include "korvo/sdk.h"

namespace korvo::sdk {
namespace {

struct SignCase {
  std::string json;
  std::string key;
  std::string signature;
};

// The successful sign_limit_order cases of the known answers.
std::vector<SignCase> limit_order_cases() {
  std::vector<SignCase> cases;
  for (const auto& c : known_answers::cases()) {
    if (c["fn"] == "sign_limit_order" && c["err"].is_null()) {
      cases.push_back({c["args"][0], c["args"][1], c["ok"]});
    }
  }
  return cases;
}

// Threads that start together read the shared parameter tables (constant
// data) and run the whole API at once; every one must get the known answers.
TEST(Concurrency, ThreadsStartingTogetherGetTheKnownSignatures) {
  const auto cases = limit_order_cases();
  ASSERT_FALSE(cases.empty());
  constexpr int kThreads = 4;
  std::vector<int> wrong(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[(i + static_cast<std::size_t>(t)) % cases.size()];
        const auto signature = sign_limit_order(c.json, c.key);
        if (!signature.has_value() || signature.value() != c.signature) ++wrong[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(kThreads, 0));
}

}  // namespace
}  // namespace korvo::sdk
