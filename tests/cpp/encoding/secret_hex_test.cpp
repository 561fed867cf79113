#include "encoding/secret_hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoding/hex.h"

namespace korvo::encoding {
namespace {

// The obvious reading, branch by branch: the oracle for the constant-time one.
// Returns the error text, or "" with the decoded bytes in `bytes`.
std::string reference_decode(std::string_view text, std::vector<std::uint8_t>& bytes) {
  while (text.starts_with("0x")) text.remove_prefix(2);
  if (text.size() % 2 != 0) return "Odd number of digits";
  bytes.assign(text.size() / 2, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int v = hex_digit_value(static_cast<unsigned char>(text[i]));
    if (v < 0) return invalid_character_text(static_cast<unsigned char>(text[i]), i);
    bytes[i / 2] = static_cast<std::uint8_t>(bytes[i / 2] << 4 | v);
  }
  return "";
}

void expect_same_as_reference(std::string_view text, std::size_t out_size) {
  std::vector<std::uint8_t> expected;
  const std::string expected_error = reference_decode(text, expected);
  std::vector<std::uint8_t> out(out_size, 0xEE);
  const auto decoded = decode_secret_hex(text, out);
  if (!expected_error.empty()) {
    ASSERT_FALSE(decoded.ok()) << testing::PrintToString(std::string(text));
    EXPECT_EQ(decoded.error().description, expected_error) << testing::PrintToString(std::string(text));
    return;
  }
  ASSERT_TRUE(decoded.ok()) << testing::PrintToString(std::string(text));
  EXPECT_EQ(decoded.value(), expected.size());
  if (decoded.value() == out_size) {
    EXPECT_EQ(out, expected) << testing::PrintToString(std::string(text));
  }
}

TEST(SecretHexDecoding, AgreesWithThePlainReadingOnEveryShortText) {
  // Prefix pieces, digits of both cases, and bytes that are no digit.
  const std::string alphabet = std::string("0xXaF9g") + '\0';
  std::vector<std::string> texts = {""};
  for (int length = 1; length <= 5; ++length) {
    std::vector<std::string> longer;
    for (const auto& text : texts) {
      if (text.size() + 1 != static_cast<std::size_t>(length)) continue;
      for (char c : alphabet) longer.push_back(text + c);
    }
    texts.insert(texts.end(), longer.begin(), longer.end());
  }
  for (const auto& text : texts) {
    for (std::size_t out_size : {0u, 1u, 2u, 3u}) expect_same_as_reference(text, out_size);
  }
}

TEST(SecretHexDecoding, KeyLengthTexts) {
  const std::string key = "05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd";
  const auto joined = [](std::string_view front, std::string_view back) {
    std::string text(front);
    return text.append(back);
  };
  for (const std::string& text :
       {key, joined("0x", key), joined("0x0x0x", key), joined("0X", key), joined(key, "0"), joined("0x", key.substr(2)),
        joined(key.substr(0, 63), "G"), joined("\xe9", key.substr(1)), joined(key, key)}) {
    expect_same_as_reference(text, 32);
  }
}

TEST(SecretHexFormatting, MatchesThePublicFormatting) {
  std::vector<std::uint8_t> every_byte(256);
  for (int i = 0; i < 256; ++i) every_byte[i] = static_cast<std::uint8_t>(i);
  std::string text;
  text.reserve(512);
  append_secret_hex(text, every_byte);
  EXPECT_EQ(text, hex_lower(every_byte));
}

}  // namespace
}  // namespace korvo::encoding
