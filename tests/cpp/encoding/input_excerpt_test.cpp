#include "encoding/input_excerpt.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/hex.h"

namespace korvo::encoding {
namespace {

TEST(ShownByte, ControlBytesAreEscapedSoTheMessageStaysOneLine) {
  EXPECT_EQ(shown_byte('g'), "g");
  EXPECT_EQ(shown_byte('\''), "'");
  EXPECT_EQ(shown_byte(0x00), "\\0");
  EXPECT_EQ(shown_byte(0x1b), "\\x1b");
  EXPECT_EQ(shown_byte('\n'), "\\x0a");
  EXPECT_EQ(shown_byte(0x7f), "\\x7f");
  EXPECT_EQ(shown_byte(0x85), "\\x85");  // NEL, a line break to some readers
  EXPECT_EQ(shown_byte(0xa0), "\xc2\xa0");
  EXPECT_EQ(shown_byte(0xe9), "\xc3\xa9");
  EXPECT_EQ(shown_byte(0xff), "\xc3\xbf");
}

TEST(ShownByte, InvalidCharacterTextKeepsItsWordingAndEveryByteAfterANul) {
  const std::string text = invalid_character_text(0x00, 7);
  EXPECT_EQ(text, "Invalid character '\\0' at position 7");
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_EQ(invalid_character_text(0x1b, 0), "Invalid character '\\x1b' at position 0");
  EXPECT_EQ(invalid_character_text('z', 12), "Invalid character 'z' at position 12");
}

TEST(Excerpt, KeepsTwentyCharactersAndMarksTheCut) {
  EXPECT_EQ(excerpt(""), "");
  EXPECT_EQ(excerpt(std::string(20, '7')), std::string(20, '7'));
  EXPECT_EQ(excerpt(std::string(21, '7')), std::string(20, '7') + "...");
  EXPECT_EQ(excerpt(std::string(500, '7')), std::string(20, '7') + "...");
}

TEST(Excerpt, CountsCharactersNotBytes) {
  std::string accents;
  for (int i = 0; i < 25; ++i) accents += "\xc3\xa9";
  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "\xc3\xa9";
  EXPECT_EQ(excerpt(accents), twenty + "...");
  // A malformed byte is one character; a cut never splits a sequence.
  EXPECT_EQ(excerpt(std::string(19, 'a') + "\xff" + "b"), std::string(19, 'a') + "\xff...");
  EXPECT_EQ(excerpt(std::string(19, 'a') + "\xe2\x82\xac" + "b"), std::string(19, 'a') + "\xe2\x82\xac...");
}

}  // namespace
}  // namespace korvo::encoding
