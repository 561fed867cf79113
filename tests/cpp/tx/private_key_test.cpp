#include "tx/private_key.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/u256.h"

namespace korvo::tx {
namespace {

const std::string kModulus = "060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1";
const std::string kModulusMinusOne = "060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f0";
const std::string kKey = "05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd";

std::string key_error(std::string_view text) {
  auto r = private_key_from_string(text);
  EXPECT_FALSE(r.ok()) << text;
  return r.ok() ? "" : r.error().description;
}

encoding::U256 key_value(std::string_view text) {
  auto r = private_key_from_string(text);
  EXPECT_TRUE(r.ok()) << text << ": " << (r.ok() ? "" : r.error().description);
  return r.ok() ? encoding::U256(r.value()->to_limbs()) : encoding::U256();
}

TEST(PrivateKeyFromString, AcceptedForms) {
  const auto expected = encoding::U256::from_str(kKey).value();
  EXPECT_EQ(key_value("0x" + kKey), expected);
  EXPECT_EQ(key_value(kKey), expected);
  EXPECT_EQ(key_value("0x0x" + kKey), expected);
  std::string upper = kKey;
  for (auto& c : upper) c = static_cast<char>(std::toupper(c));
  EXPECT_EQ(key_value(upper), expected);
  EXPECT_EQ(key_value(std::string(64, '0')), encoding::U256());
  EXPECT_EQ(key_value(kModulusMinusOne), encoding::U256::from_str(kModulusMinusOne).value());
}

TEST(PrivateKeyFromString, ErrorTexts) {
  EXPECT_EQ(key_error("0X" + kKey), "Invalid character 'X' at position 1");
  EXPECT_EQ(key_error(""), "Incorrect input size. Actual: 0, expected: 32");
  EXPECT_EQ(key_error("0x"), "Incorrect input size. Actual: 0, expected: 32");
  EXPECT_EQ(key_error(kKey.substr(0, 62)), "Incorrect input size. Actual: 31, expected: 32");
  EXPECT_EQ(key_error(kKey + "00"), "Incorrect input size. Actual: 33, expected: 32");
  EXPECT_EQ(key_error(kKey.substr(0, 63)), "Odd number of digits");
  EXPECT_EQ(key_error("zz"), "Invalid character 'z' at position 0");
  // A control character is escaped, so nothing after it is lost in a C-string report.
  std::string with_control = kKey;
  with_control[10] = '\0';
  EXPECT_EQ(key_error(with_control), "Invalid character '\\0' at position 10");
  with_control[0] = '\x1b';
  EXPECT_EQ(key_error(with_control), "Invalid character '\\x1b' at position 0");
  // A rejected key is never echoed into the failure report.
  const std::string not_in_field = "Cannot convert into prime field value: 0x<withheld> is not an element of the field";
  EXPECT_EQ(key_error(kModulus), not_in_field);
  EXPECT_EQ(key_error(std::string(64, 'f')), not_in_field);
}

TEST(PrivateKeyFromSeed, ShortSeedAndRoundTrip) {
  const std::string short_seed(31, 'a');
  auto failed = private_key_from_seed(std::span(reinterpret_cast<const std::uint8_t*>(short_seed.data()), 31));
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.error().description, "seed is too short");

  const std::string seed(32, 'a');
  auto key = private_key_from_seed(std::span(reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size()));
  ASSERT_TRUE(key.ok());
  ASSERT_EQ(key.value().size(), 66u);
  EXPECT_EQ(encoding::U256(private_key_from_string(key.value()).value()->to_limbs()),
            encoding::U256::from_str(key.value()).value());
}

}  // namespace
}  // namespace korvo::tx
