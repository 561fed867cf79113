#pragma once
// Shared helpers of the record reading tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace korvo::transaction::testing {

// The error description of reading `text` as a Record (empty if it read).
template <class Record>
std::string read_error(std::string_view text) {
  auto record = Record::from_json(text);
  EXPECT_FALSE(record.ok()) << "read without error: " << text;
  return record.ok() ? std::string() : record.error().description;
}

template <class Record>
Record read_ok(std::string_view text) {
  auto record = Record::from_json(text);
  EXPECT_TRUE(record.ok()) << text << "\n  -> " << (record.ok() ? "" : record.error().description);
  return record.ok() ? record.value() : Record{};
}

// `text` with the first occurrence of `from` replaced by `to`.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace korvo::transaction::testing
