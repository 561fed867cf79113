#pragma once
// What the tool writes: a result on standard output, a failure on standard
// error, each as text or (with --json) as one JSON object; and the exit status.

#include <cstddef>
#include <string>
#include <string_view>

#include "korvo/sdk.h"

namespace korvo::cli {

// A script tells a bad request (2) from a failure inside (3).
enum ExitStatus : int { kExitTrue = 0, kExitFalse = 1, kExitBadInput = 2, kExitInternal = 3 };

struct Output {
  bool json = false;
};

// A text result. `name` is its JSON member under --json; an empty name marks
// a result that is JSON already and is printed the same either way.
int print_text(const Output& out, const sdk::Outcome<std::string>& outcome, std::string_view name);
// The result of request line `line` in JSON-lines mode: on standard output one
// JSON line, the result as --json prints it or {"error":{...,"line":N}}; a
// failure also on standard error, with its line number. The exit status the
// line alone would have.
int print_line_result(const Output& out, std::size_t line, const sdk::Outcome<std::string>& outcome,
                      std::string_view name);
// A truth value: "true" or "false", exit status 0 or 1.
int print_truth(const Output& out, const sdk::Outcome<bool>& outcome, std::string_view name);
// A command's --help text, or the version, on standard output.
int print_help(std::string_view text);
// Bad usage or unreadable input.
int print_usage_error(const Output& out, std::string_view message);
// A failure of the tool itself (out of memory, say), reported as the SDK's
// internal failures are.
int print_internal_failure(const Output& out, std::string_view message);

}  // namespace korvo::cli
