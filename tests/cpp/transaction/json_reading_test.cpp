#include <gtest/gtest.h>

#include <string>

#include "encoding/utf8.h"
#include "read_helpers.h"
#include "transaction/message_hash.h"

namespace korvo::transaction {
namespace {

using encoding::U256;
using testing::read_error;
using testing::read_ok;

const std::string kOracle = R"({"signer_key":"0x1","external_price":"5","timestamp":"6","signed_asset_id":"0x7"})";

bool ends_with(const std::string& text, std::string_view suffix) { return text.ends_with(suffix); }

// The message of an error about the value of `signer_key`.
std::string signer_key_error(std::string_view value) {
  return read_error<SignedOraclePrice>(R"({"signer_key":)" + std::string(value) + "}");
}

TEST(JsonPosition, LineFromOneColumnCountsBytesReadOnTheLine) {
  EXPECT_PRED2(ends_with, read_error<WithdrawRequest>(""), " at line 1 column 0");
  EXPECT_PRED2(ends_with, read_error<WithdrawRequest>(" "), " at line 1 column 1");
  EXPECT_EQ(read_error<WithdrawRequest>("{\n  \"position_id\": 5\n}"),
            "invalid type: integer `5`, expected a string at line 2 column 18");
  EXPECT_EQ(read_error<WithdrawRequest>("{\r\n\"position_id\":5,"),
            "invalid type: integer `5`, expected a string at line 2 column 15");
  EXPECT_EQ(read_error<WithdrawRequest>("\n\n{\n}"), "missing field `position_id` at line 4 column 1");
  EXPECT_EQ(read_error<SignedOraclePrice>(kOracle + " \n\t x"), "trailing characters at line 2 column 3");
  // A value that does not parse is reported past its member, here the closing brace.
  EXPECT_EQ(read_error<SignedOraclePrice>("{\n\"signer_key\":\n\"0xz\"}"),
            "Invalid character 'z' at position 1 at line 3 column 6");
}

TEST(JsonTypeErrors, DescribeTheValueFound) {
  EXPECT_EQ(signer_key_error("5"), "invalid type: integer `5`, expected a string at line 1 column 15");
  EXPECT_EQ(signer_key_error("-5"), "invalid type: integer `-5`, expected a string at line 1 column 16");
  EXPECT_EQ(signer_key_error("18446744073709551615"),
            "invalid type: integer `18446744073709551615`, expected a string at line 1 column 34");
  EXPECT_EQ(signer_key_error("1.5"), "invalid type: floating point `1.5`, expected a string at line 1 column 17");
  EXPECT_EQ(signer_key_error("1e3"), "invalid type: floating point `1000.0`, expected a string at line 1 column 17");
  EXPECT_EQ(signer_key_error("-2.5e-7"),
            "invalid type: floating point `-0.00000025`, expected a string at line 1 column 21");
  // Integers beyond 64 bits arrive as floating point.
  EXPECT_EQ(signer_key_error("123456789012345678901234567890"),
            "invalid type: floating point `123456789012345680000000000000.0`, expected a string at line 1 column 44");
  EXPECT_EQ(signer_key_error("false"), "invalid type: boolean `false`, expected a string at line 1 column 19");
  EXPECT_EQ(signer_key_error("null"), "invalid type: null, expected a string at line 1 column 18");
  EXPECT_EQ(signer_key_error(R"({"a":1})"), "invalid type: map, expected a string at line 1 column 14");
  EXPECT_EQ(signer_key_error("[1]"), "invalid type: sequence, expected a string at line 1 column 14");
  EXPECT_EQ(read_error<Liquidate>(R"({"liquidator_order":"a\"b\\\n\u0001"})"),
            R"(invalid type: string "a\"b\\\n\u0001", expected struct LimitOrderRequest at line 1 column 36)");
}

TEST(JsonQuotedInput, ControlCharactersAreEscapedAndLongInputIsCut) {
  // A decoded NUL reaches the hex reader, which shows it escaped.
  const std::string nul = signer_key_error(R"("0x1\u0000")");
  EXPECT_EQ(nul, "Invalid character '\\0' at position 1 at line 1 column 26");
  // A private key passed where the request belongs: the parser's token is cut.
  const std::string key = "80e4184174382181284923748092031298471238479123874912837498127349";
  EXPECT_EQ(read_error<WithdrawRequest>(key), "number overflow parsing '80e41841743821812849...' at line 1 column 64");
  EXPECT_EQ(read_error<WithdrawRequest>("\"" + key),
            "syntax error while parsing value - invalid string: missing closing quote; last read: "
            "'\"80e4184174382181284...' at line 1 column 65");
  EXPECT_EQ(read_error<Liquidate>(R"({"liquidator_order":")" + key + R"("})"),
            R"(invalid type: string "80e41841743821812849...", expected struct LimitOrderRequest at line 1 column 86)");
  // Code points that some readers take for a line break stay escaped too.
  EXPECT_EQ(read_error<Liquidate>(R"({"liquidator_order":"a\u0085b\u2028c\u2029"})"),
            R"(invalid type: string "a\u0085b\u2028c\u2029", expected struct LimitOrderRequest at line 1 column 43)");
}

TEST(JsonStrings, EscapesInKeysAndValuesAreDecodedBeforeMatching) {
  const auto price = read_ok<SignedOraclePrice>(
      R"({"\u0073igner_key":"0x\u0031","external_price":"\u0035","timestamp":"6","signed_asset_id":"0x7"})");
  EXPECT_EQ(price.signer_key, U256::from_u64(1));
  EXPECT_EQ(price.external_price, 5u);
  // Keys match exactly: case, a trailing NUL or an escaped look-alike are other keys.
  EXPECT_EQ(read_error<SignedOraclePrice>(
                R"({"Signer_key":"0x1","signer_key\u0000":"0x1","external_price":"5","timestamp":"6","signed_asset_id":"0x7"})"),
            "missing field `signer_key` at line 1 column 106");
  EXPECT_PRED2(ends_with, read_error<SignedOraclePrice>(R"({"signer_key":"\x"})"), " at line 1 column 17");
}

TEST(JsonText, RejectsWhatIsNotOneJsonValueWithoutCrashing) {
  EXPECT_EQ(read_error<SignedOraclePrice>("\xEF\xBB\xBF" + kOracle), "expected value at line 1 column 1");
  EXPECT_EQ(read_error<SignedOraclePrice>(kOracle + "{"), "trailing characters at line 1 column 82");
  EXPECT_EQ(read_ok<SignedOraclePrice>(" \r\n\t" + kOracle + " \n\t ").timestamp, 6u);
  // Bytes that are not UTF-8: in a value, in a key, outside strings, cut short at the end.
  for (const std::string text : {R"({"signer_key":"0x)" "\xff" R"("})", R"({")" "\xc3\x28" R"(":1})",
                                 "{\xc3\xa9}", R"({"a":")" "\xe2\x82"}) {
    const std::string error = read_error<SignedOraclePrice>(text);
    EXPECT_NE(error.find(" at line 1 column "), std::string::npos) << error;
    EXPECT_TRUE(encoding::is_valid_utf8(error)) << error;
  }
}

TEST(JsonText, HugeNumbersAreErrorsNotCrashes) {
  const std::string big(400, '9');
  EXPECT_PRED2(ends_with, read_error<SignedOraclePrice>(R"({"x":)" + big + "}"), " at line 1 column 406");
  EXPECT_PRED2(ends_with, read_error<SignedOraclePrice>(R"({"x":1e400})"), " at line 1 column 11");
  // A huge number as text is the encoding's range error.
  EXPECT_EQ(read_error<SignedOraclePrice>(R"({"signer_key":"0x1","external_price":")" + big + "\"}"),
            "decode u128 string error: number too large to fit in target type at line 1 column 440");
}

TEST(JsonText, DeepNestingInsideIgnoredMembersIsReadIteratively) {
  const std::size_t depth = 200000;
  const std::string nested = std::string(depth, '[') + std::string(depth, ']');
  const std::string text = R"({"deep":)" + nested + "," + kOracle.substr(1);
  EXPECT_EQ(read_ok<SignedOraclePrice>(text).signed_asset_id, U256::from_u64(7));
  EXPECT_PRED2(ends_with, read_error<SignedOraclePrice>(R"({"deep":)" + std::string(depth, '[')),
               " at line 1 column " + std::to_string(8 + depth));
  EXPECT_EQ(read_error<Liquidate>(std::string(depth, '[')),
            "invalid type: sequence, expected struct LimitOrderRequest at line 1 column 1");
}

TEST(JsonText, FirstErrorInReadingOrderWins) {
  // A record error on an early member beats a syntax error later in the text.
  EXPECT_EQ(read_error<WithdrawRequest>(R"({"position_id":5,"amount":)"),
            "invalid type: integer `5`, expected a string at line 1 column 16");
  EXPECT_EQ(read_error<WithdrawRequest>(R"({"position_id":"x", garbage)"),
            "u64 from string error: invalid digit found in string at line 1 column 18");
  EXPECT_EQ(read_error<WithdrawRequest>(R"({"position_id":"1","position_id" oops)"),
            "duplicate field `position_id` at line 1 column 33");
  // An object or array of the wrong kind is rejected as it starts, unread.
  EXPECT_EQ(read_error<WithdrawRequest>(R"({"position_id":{"a":})"),
            "invalid type: map, expected a string at line 1 column 15");
  EXPECT_EQ(read_error<Liquidate>(R"({"liquidator_order":5, "x": )"),
            "invalid type: integer `5`, expected struct LimitOrderRequest at line 1 column 21");
  // Header members are read only at the end of the object, so the syntax error comes first.
  const std::string header_duplicate = read_error<WithdrawRequest>(R"({"nonce":"1","nonce":"2")");
  EXPECT_EQ(header_duplicate.find("duplicate"), std::string::npos) << header_duplicate;
  EXPECT_PRED2(ends_with, header_duplicate, " at line 1 column 24");
  // A syntax error inside an ignored member is still an error.
  EXPECT_PRED2(ends_with, read_error<WithdrawRequest>(R"({"junk":[1,2,}})"), " at line 1 column 14");
}

}  // namespace
}  // namespace korvo::transaction
