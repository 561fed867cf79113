#include <gtest/gtest.h>

#include "read_helpers.h"
#include "transaction/message_hash.h"

namespace korvo::transaction {
namespace {

using encoding::U256;
using testing::read_error;
using testing::read_ok;
using testing::replaced;

const std::string kWithdraw =
    R"({"nonce":"1","public_key":"0x1","expiration_timestamp":"2","position_id":"3","amount":"4",)"
    R"("eth_address":"0x5","asset_id":"0x6"})";

const std::string kOrder =
    R"({"amount_synthetic":"10","amount_collateral":"20","amount_fee":"3","asset_id_synthetic":"0x11",)"
    R"("asset_id_collateral":"0x22","position_id":"7","is_buying_synthetic":true,"nonce":"1",)"
    R"("public_key":"0x1","expiration_timestamp":"2"})";

const std::string kLiquidateTail = R"(,"liquidated_position_id":"8","actual_collateral":"9","actual_synthetic":"10","actual_liquidator_fee":"11"})";

std::string liquidation(std::string_view order) { return R"({"liquidator_order":)" + std::string(order) + kLiquidateTail; }

TEST(WithdrawReading, FillsOwnFieldsAndHeaderFromTopLevelKeys) {
  const auto w = read_ok<WithdrawRequest>(kWithdraw);
  EXPECT_EQ(w.position_id, 3u);
  EXPECT_EQ(w.amount, 4u);
  EXPECT_EQ(w.eth_address, U256::from_u64(5));
  EXPECT_EQ(w.asset_id, U256::from_u64(6));
  EXPECT_EQ(w.base.nonce, 1u);
  EXPECT_EQ(w.base.public_key, U256::from_u64(1));
  EXPECT_EQ(w.base.expiration_timestamp, 2u);
}

TEST(WithdrawReading, TypeErrorOfAnOwnFieldIsReportedWhereItsValueEnds) {
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("amount":"4")", R"("amount":4)")),
            "invalid type: integer `4`, expected a string at line 1 column 87");
}

TEST(WithdrawReading, OwnMissingFieldsComeBeforeHeaderFields) {
  std::string text = replaced(kWithdraw, R"("position_id":"3",)", "");
  text = replaced(text, R"("nonce":"1",)", "");
  EXPECT_EQ(read_error<WithdrawRequest>(text), "missing field `position_id` at line 1 column 97");
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("nonce":"1",)", "")),
            "missing field `nonce` at line 1 column 115");
  EXPECT_EQ(read_error<WithdrawRequest>("{}"), "missing field `position_id` at line 1 column 2");
}

TEST(WithdrawReading, HeaderValuesAreReadOnlyAfterTheObject) {
  const std::string bad_nonce = replaced(kWithdraw, R"("nonce":"1")", R"("nonce":"x")");
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(bad_nonce, R"(,"asset_id":"0x6")", "")),
            "missing field `asset_id` at line 1 column 110");
  EXPECT_EQ(read_error<WithdrawRequest>(bad_nonce),
            "u64 from string error: invalid digit found in string at line 1 column 127");
  // A header value of the wrong JSON type waits for the end as well.
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("public_key":"0x1")", R"("public_key":[1,{"a":2}])")),
            "invalid type: sequence, expected a string at line 1 column 133");
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("expiration_timestamp":"2")",
                                                 R"("expiration_timestamp":"4294967296")")),
            "u64 from string error: number too large to fit in target type at line 1 column 136");
}

TEST(WithdrawReading, DuplicatesAndUnknownMembers) {
  // An own field fails at its second key, a header field only at the end.
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("amount":"4",)", R"("amount":"4","amount":"4",)")),
            "duplicate field `amount` at line 1 column 98");
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("nonce":"1",)", R"("nonce":"1","nonce":"1",)")),
            "duplicate field `nonce` at line 1 column 139");
  // The first header member decides between a value error and a duplicate.
  EXPECT_EQ(read_error<WithdrawRequest>(replaced(kWithdraw, R"("nonce":"1",)", R"("nonce":"x","nonce":"1",)")),
            "u64 from string error: invalid digit found in string at line 1 column 139");
  const auto w = read_ok<WithdrawRequest>(
      replaced(kWithdraw, R"("amount":"4",)", R"("amount":"4","memo":"hi","extra":{"nonce":5,"n":[null]},)"));
  EXPECT_EQ(w.amount, 4u);
  EXPECT_EQ(w.base.nonce, 1u);
}

TEST(WithdrawReading, ObjectOnlyRecordsRejectArraysAndScalars) {
  EXPECT_EQ(read_error<WithdrawRequest>(R"(["3","4","0x5","0x6","1","0x1","2"])"),
            "invalid type: sequence, expected struct WithdrawRequest at line 1 column 0");
  EXPECT_EQ(read_error<Transfer>(" [1,"), "invalid type: sequence, expected struct Transfer at line 1 column 1");
  EXPECT_EQ(read_error<LimitOrderRequest>("[]"),
            "invalid type: sequence, expected struct LimitOrderRequest at line 1 column 0");
  EXPECT_EQ(read_error<WithdrawRequest>(R"("text")"),
            R"(invalid type: string "text", expected struct WithdrawRequest at line 1 column 6)");
  EXPECT_EQ(read_error<SignedOraclePrice>("null"),
            "invalid type: null, expected struct SignedOraclePrice at line 1 column 4");
}

TEST(TransferReading, ReadsEveryField) {
  const auto t = read_ok<Transfer>(
      R"({"sender_position_id":"3","receiver_public_key":"0x9","receiver_position_id":"4","amount":"5",)"
      R"("asset_id":"0x6","nonce":"1","public_key":"0x1","expiration_timestamp":"2"})");
  EXPECT_EQ(t.sender_position_id, 3u);
  EXPECT_EQ(t.receiver_public_key, U256::from_u64(9));
  EXPECT_EQ(t.receiver_position_id, 4u);
  EXPECT_EQ(t.amount, 5u);
  EXPECT_EQ(t.asset_id, U256::from_u64(6));
  EXPECT_EQ(t.base.expiration_timestamp, 2u);
}

TEST(LimitOrderReading, ReadsBothAssetEncodingsAndTheFlag) {
  const auto o = read_ok<LimitOrderRequest>(
      replaced(replaced(kOrder, R"("0x11")", R"("0x0x-ff")"), "true", "false"));
  EXPECT_EQ(o.amount_synthetic, 10u);
  EXPECT_EQ(o.amount_collateral, 20u);
  EXPECT_EQ(o.amount_fee, 3u);
  EXPECT_EQ(o.asset_id_synthetic, -255);
  EXPECT_EQ(o.asset_id_collateral, U256::from_u64(0x22));
  EXPECT_EQ(o.position_id, 7u);
  EXPECT_FALSE(o.is_buying_synthetic);
  EXPECT_TRUE(read_ok<LimitOrderRequest>(kOrder).is_buying_synthetic);
}

TEST(LimitOrderReading, FlagMustBeAJsonBoolean) {
  EXPECT_EQ(read_error<LimitOrderRequest>(replaced(kOrder, "true", R"("true")")),
            R"(invalid type: string "true", expected a boolean at line 1 column 170)");
  EXPECT_EQ(read_error<LimitOrderRequest>(replaced(kOrder, "true", "1")),
            "invalid type: integer `1`, expected a boolean at line 1 column 165");
  // Encodings of the two asset ids differ: the collateral one has no "0x0x" stripping.
  EXPECT_EQ(read_error<LimitOrderRequest>(replaced(kOrder, R"("0x22")", R"("0x0x22")")),
            "u256 from string error: Invalid character 'x' at position 1 at line 1 column 125");
  EXPECT_EQ(read_error<LimitOrderRequest>(replaced(kOrder, R"("0x11")", R"("-0x11")")),
            "decode hex string error: invalid digit found in string at line 1 column 95");
}

TEST(LiquidateReading, ObjectAndArrayForms) {
  const auto object = read_ok<Liquidate>(liquidation(kOrder));
  EXPECT_EQ(object.liquidator_order.amount_collateral, 20u);
  EXPECT_EQ(object.liquidator_order.base.nonce, 1u);
  EXPECT_EQ(object.liquidated_position_id, 8u);
  EXPECT_EQ(object.actual_liquidator_fee, 11u);

  const auto array = read_ok<Liquidate>("[" + kOrder + R"(,"8","9","10","11"])");
  EXPECT_EQ(array.liquidator_order.position_id, 7u);
  EXPECT_EQ(array.liquidated_position_id, 8u);
  EXPECT_EQ(array.actual_collateral, 9u);
  EXPECT_EQ(array.actual_synthetic, 10u);
  EXPECT_EQ(array.actual_liquidator_fee, 11u);

  const std::string four = "[" + kOrder + R"(,"8","9","10"])";
  EXPECT_EQ(read_error<Liquidate>(four), "invalid length 4, expected struct Liquidate with 5 elements at line 1 column " +
                                             std::to_string(four.size()));
  EXPECT_EQ(read_error<Liquidate>("[]"), "invalid length 0, expected struct Liquidate with 5 elements at line 1 column 2");
  const std::string six = "[" + kOrder + R"(,"8","9","10","11",{"x":1}])";
  EXPECT_EQ(read_error<Liquidate>(six), "trailing characters at line 1 column " + std::to_string(six.size() - 7));
  // Elements keep their types: the first one is an order object, never an array.
  EXPECT_EQ(read_error<Liquidate>(R"([["10"],"8","9","10","11"])"),
            "invalid type: sequence, expected struct LimitOrderRequest at line 1 column 1");
  EXPECT_EQ(read_error<Liquidate>("[" + kOrder + R"(,8,"9","10","11"])"),
            "invalid type: integer `8`, expected a string at line 1 column 230");
}

TEST(LiquidateReading, NestedOrderErrors) {
  // The nested order's own reading rules apply inside it, header last.
  EXPECT_EQ(read_error<Liquidate>(liquidation(R"({"a":"1"})")), "missing field `amount_synthetic` at line 1 column 29");
  EXPECT_EQ(read_error<Liquidate>(liquidation(replaced(kOrder, R"(,"expiration_timestamp":"2")", ""))),
            "missing field `expiration_timestamp` at line 1 column 220");
  EXPECT_EQ(read_error<Liquidate>(liquidation(replaced(kOrder, R"("nonce":"1",)", R"("nonce":"1","nonce":"1",)"))),
            "duplicate field `nonce` at line 1 column 259");
  EXPECT_EQ(read_error<Liquidate>(liquidation(replaced(kOrder, R"("amount_fee":"3")", R"("amount_fee":"-3")"))),
            "u64 from string error: invalid digit found in string at line 1 column 87");
  EXPECT_EQ(read_error<Liquidate>(liquidation("5")),
            "invalid type: integer `5`, expected struct LimitOrderRequest at line 1 column 21");
  EXPECT_EQ(read_error<Liquidate>(liquidation(R"("order")")),
            R"(invalid type: string "order", expected struct LimitOrderRequest at line 1 column 27)");
  EXPECT_EQ(read_error<Liquidate>(liquidation("null")),
            "invalid type: null, expected struct LimitOrderRequest at line 1 column 24");
  EXPECT_EQ(read_error<Liquidate>(liquidation("[]")),
            "invalid type: sequence, expected struct LimitOrderRequest at line 1 column 20");
  // A liquidation has no order header of its own: "nonce" at its top level is just unknown.
  const auto l = read_ok<Liquidate>(replaced(liquidation(kOrder), R"("actual_collateral")", R"("nonce":"x","actual_collateral")"));
  EXPECT_EQ(l.liquidator_order.base.nonce, 1u);
}

TEST(LiquidateReading, OwnFieldRules) {
  EXPECT_EQ(read_error<Liquidate>("{}"), "missing field `liquidator_order` at line 1 column 2");
  EXPECT_EQ(read_error<Liquidate>(replaced(liquidation(kOrder), R"("liquidated_position_id":"8",)", "")),
            "missing field `liquidated_position_id` at line 1 column 325");
  const std::string twice = R"({"liquidator_order":)" + kOrder + R"(,"liquidator_order":)";
  EXPECT_EQ(read_error<Liquidate>(twice + "5}"), "duplicate field `liquidator_order` at line 1 column " +
                                                      std::to_string(twice.size() - 1));
}

TEST(OraclePriceReading, ObjectAndArrayForms) {
  const auto object = read_ok<SignedOraclePrice>(
      R"({"signer_key":"0x1","external_price":"340282366920938463463374607431768211455","timestamp":"6","signed_asset_id":"0x7"})");
  EXPECT_EQ(object.signer_key, U256::from_u64(1));
  EXPECT_EQ(object.external_price, ~static_cast<unsigned __int128>(0));
  EXPECT_EQ(object.timestamp, 6u);
  EXPECT_EQ(object.signed_asset_id, U256::from_u64(7));
  const auto array = read_ok<SignedOraclePrice>(R"(["0x1","5","6","0x7"])");
  EXPECT_EQ(array.external_price, 5u);
  EXPECT_EQ(read_error<SignedOraclePrice>(R"(["0x1"])"),
            "invalid length 1, expected struct SignedOraclePrice with 4 elements at line 1 column 7");
  // An extra element is reported one byte into it; a bad element past the comma after it.
  EXPECT_EQ(read_error<SignedOraclePrice>(R"(["0x1","5","6","0x7","1"])"), "trailing characters at line 1 column 22");
  EXPECT_EQ(read_error<SignedOraclePrice>(R"(["0xg","5","6","0x7"])"),
            "Invalid character 'g' at position 1 at line 1 column 7");
  EXPECT_EQ(read_error<SignedOraclePrice>(R"(["0x1","","6","0x7"])"),
            "decode u128 string error: cannot parse integer from empty string at line 1 column 10");
}

}  // namespace
}  // namespace korvo::transaction
