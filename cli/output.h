#pragma once
// What the tool writes: a result on standard output, a failure on standard
// error, each as text or (with --json) as one JSON object; and the exit status.

#include <string>
#include <string_view>

#include "korvo/sdk.h"

namespace korvo::cli {

enum ExitStatus : int { kExitTrue = 0, kExitFalse = 1, kExitBadInput = 2 };

struct Output {
  bool json = false;
};

// A text result. `name` is its JSON member under --json; an empty name marks
// a result that is JSON already and is printed the same either way.
int print_text(const Output& out, const sdk::Outcome<std::string>& outcome, std::string_view name);
// A truth value: "true" or "false", exit status 0 or 1.
int print_truth(const Output& out, const sdk::Outcome<bool>& outcome, std::string_view name);
// A command's --help text, on standard output.
int print_help(std::string_view text);
// Bad usage or unreadable input.
int print_usage_error(const Output& out, std::string_view message);
// A failure of the tool itself (out of memory, say), reported as the SDK's
// internal failures are.
int print_internal_failure(const Output& out, std::string_view message);

}  // namespace korvo::cli
