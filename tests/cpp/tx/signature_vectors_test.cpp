// The independently computed signatures of raw messages, made by the signing
// core from the key and message texts as the operation reads them.
#include <gtest/gtest.h>

#include <string>

#include "encoding/u256.h"
#include "known_answer_cases.h"
#include "tx/private_key.h"
#include "tx/signature_json.h"
#include "tx/tx_signature.h"

namespace korvo::tx {
namespace {

TEST(SignatureVectors, KnownAnswers) {
  int checked = 0;
  for (const auto& c : known_answers::cases()) {
    if (c["fn"] != "sign" || !c["err"].is_null()) continue;
    const auto sk = private_key_from_string(c["args"][0].get<std::string>());
    const auto message = encoding::U256::from_str(c["args"][1].get<std::string>());
    ASSERT_TRUE(sk.ok() && message.ok()) << c.dump();
    const auto bytes = message.value().to_le_bytes();
    EXPECT_EQ(to_json(TxSignature::sign_msg(*sk.value(), bytes).to_jubjub_signature()), c["ok"]) << c["tag"];
    ++checked;
  }
  EXPECT_EQ(checked, 7);
}

}  // namespace
}  // namespace korvo::tx
