// The independently computed signatures of raw messages, made by the signing
// core from the key and message texts as the operation reads them.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "encoding/u256.h"
#include "tx/private_key.h"
#include "tx/signature_json.h"
#include "tx/tx_signature.h"

namespace korvo::tx {
namespace {

TEST(SignatureVectors, KnownAnswers) {
  std::ifstream in(std::string(KORVO_VECTORS_DIR) + "/cases.jsonl");
  ASSERT_TRUE(in) << "vectors not found at " << KORVO_VECTORS_DIR;
  int checked = 0;
  for (std::string line; std::getline(in, line);) {
    const auto c = nlohmann::json::parse(line);
    if (c["fn"] != "sign" || !c["err"].is_null()) continue;
    const auto sk = private_key_from_string(c["args"][0].get<std::string>());
    const auto message = encoding::U256::from_str(c["args"][1].get<std::string>());
    ASSERT_TRUE(sk.ok() && message.ok()) << line;
    const auto bytes = message.value().to_little_endian();
    EXPECT_EQ(to_json(TxSignature::sign_msg(*sk.value(), bytes).to_jubjub_signature()), c["ok"]) << c["tag"];
    ++checked;
  }
  EXPECT_EQ(checked, 7);
}

}  // namespace
}  // namespace korvo::tx
