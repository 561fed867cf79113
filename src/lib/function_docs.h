#pragma once
// What each function takes, returns and when it fails: the text after the
// signature line of its `__doc__`, for help().

#include <string_view>

namespace korvo::module {

// The documentation of the function `name`, or an empty text for a name
// outside the table.
std::string_view function_doc(std::string_view name);

}  // namespace korvo::module
