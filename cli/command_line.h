#pragma once
// The words of one command line: positional words, `--name value` options,
// the two flags every command takes and the flags of the command's own.

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::cli {

// Bad usage: exit status 2 with this message. The message never repeats a
// word of the command line that could be a secret put in the wrong place.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CommandLine {
  std::vector<std::string_view> words;
  std::map<std::string, std::string_view, std::less<>> options;
  std::vector<std::string_view> flags;
  bool json = false;
  bool help = false;

  // Whether the command's own flag `name` was given.
  bool has(std::string_view name) const;

  // The option's value, or UsageError naming it when it is missing.
  std::string_view required(std::string_view name) const;
  // The option's value, or an empty view.
  std::string_view optional(std::string_view name) const;
};

// Reads `args` (after the program name); `valued` lists the options a
// command takes, each followed by its value ("--name value" or "--name=value"),
// and `flags` the options it takes without a value.
CommandLine parse_command_line(std::span<char* const> args, std::span<const std::string_view> valued,
                               std::span<const std::string_view> flags = {});

}  // namespace korvo::cli
