#pragma once
// The words of one command line: positional words, `--name value` options,
// and the two flags every command takes.

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
  bool json = false;
  bool help = false;

  // The option's value, or UsageError naming it when it is missing.
  std::string_view required(std::string_view name) const;
  // The option's value, or an empty view.
  std::string_view optional(std::string_view name) const;
};

// Reads `args` (after the program name); `valued` lists the options a
// command takes, each followed by its value ("--name value" or "--name=value").
CommandLine parse_command_line(std::span<char* const> args, std::span<const std::string_view> valued);

}  // namespace korvo::cli
