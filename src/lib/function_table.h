#pragma once
// The module's seventeen functions, in registration order: the one list of
// their names, parameters, documentation and SDK operations. The method
// table, `__all__`, the names argument binding reports and the private
// entries' indices all come from it.

#include <array>
#include <span>
#include <string_view>

#include "binding.h"
#include "guard.h"

namespace korvo::module {

using Texts = std::span<const std::string_view>;

struct FunctionRow {
  Signature signature;
  // What help() shows after the signature line: Args, Returns, Raises.
  std::string_view doc;
  // Failures come back with the function's context already in front.
  sdk::Outcome<Reply> (*run)(Texts texts);
};

inline constexpr std::size_t kFunctionCount = 17;
extern const std::array<FunctionRow, kFunctionCount> kFunctionTable;

}  // namespace korvo::module
