#include "encoding/utf8.h"

#include <gtest/gtest.h>

namespace korvo::encoding {
namespace {

TEST(Utf8, AcceptsWellFormedSequences) {
  EXPECT_TRUE(is_valid_utf8(""));
  EXPECT_TRUE(is_valid_utf8("plain ascii"));
  EXPECT_TRUE(is_valid_utf8("\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"));  // é € 😀
  EXPECT_TRUE(is_valid_utf8("\xed\x9f\xbf\xf4\x8f\xbf\xbf"));           // U+D7FF, U+10FFFF
  EXPECT_EQ(utf8_sequence_length("\xe2\x82\xac rest"), 3u);
}

TEST(Utf8, RejectsMalformedSequences) {
  for (const char* text : {"\x80", "\xc0\x80", "\xc1\xbf", "\xe0\x9f\xbf", "\xed\xa0\x80", "\xf0\x8f\xbf\xbf",
                           "\xf4\x90\x80\x80", "\xf5\x80\x80\x80", "\xff", "\xc3", "\xe2\x82", "\xc3(", "a\xe2\x28\xa1"}) {
    EXPECT_FALSE(is_valid_utf8(text)) << ::testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace korvo::encoding
