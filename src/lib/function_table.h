#pragma once
// The module's seventeen functions, in registration order.

#include <array>
#include <span>
#include <string_view>

#include "binding.h"
#include "guard.h"

namespace korvo::module {

using Texts = std::span<const std::string_view>;

struct FunctionRow {
  Signature signature;
  // Failures come back with the function's context already in front.
  sdk::Outcome<Reply> (*run)(Texts texts);
};

inline constexpr std::size_t kFunctionCount = 17;
extern const std::array<FunctionRow, kFunctionCount> kFunctionTable;

}  // namespace korvo::module
