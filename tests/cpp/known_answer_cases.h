#pragma once
// The known-answer cases of tests/vectors/cases.jsonl, one JSON object per
// line. A missing file fails the test that asks, never yields no cases.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace korvo::known_answers {

inline std::vector<nlohmann::json> cases() {
  const auto path = std::filesystem::path(KORVO_VECTORS_DIR) / "cases.jsonl";
  std::ifstream in(path);
  std::vector<nlohmann::json> cases;
  if (!in) {
    ADD_FAILURE() << "no known-answer cases at " << path;
    return cases;
  }
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) cases.push_back(nlohmann::json::parse(line));
  }
  return cases;
}

}  // namespace korvo::known_answers
