// The independently computed key cases of the shared vectors, run on the
// operation cores (the module adds the context text in front of errors).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "known_answer_cases.h"
#include "support/failure.h"
#include "tx/public_key_text.h"

namespace korvo::tx {
namespace {

std::string pair_json(const KeyTextPair& pair) { return R"({"x":")" + pair.x + R"(","y":")" + pair.y + R"("})"; }

// Runs one case; returns the JSON form of the result, "internal" for an
// internal failure, or "error: " + description.
nlohmann::json run(const std::string& fn, const std::vector<std::string>& args) {
  try {
    if (fn == "is_on_curve") {
      auto r = is_on_curve(args.at(0), args.at(1));
      return r.ok() ? nlohmann::json(r.value()) : nlohmann::json("error: " + r.error().description);
    }
    auto r = fn == "public_key_to_xy" ? pub_key_to_xy(args.at(0)) : private_key_to_pubkey_xy(args.at(0));
    return r.ok() ? nlohmann::json(pair_json(r.value())) : nlohmann::json("error: " + r.error().description);
  } catch (const InternalFailure&) {
    return "internal";
  }
}

TEST(PublicKeyVectors, KnownAnswers) {
  int checked = 0;
  for (const auto& c : known_answers::cases()) {
    const std::string fn = c["fn"];
    if (fn != "is_on_curve" && fn != "public_key_to_xy" && fn != "private_key_to_public_key_xy") continue;
    nlohmann::json expected = c["ok"];
    if (!c["err"].is_null()) {
      const std::string report = c["err"]["report"];
      expected = c["err"]["kind"] == "internal" ? "internal" : "error: " + report.substr(report.find(": ") + 2);
    }
    EXPECT_EQ(run(fn, c["args"].get<std::vector<std::string>>()), expected) << c.dump();
    ++checked;
  }
  EXPECT_EQ(checked, 44);
}

}  // namespace
}  // namespace korvo::tx
