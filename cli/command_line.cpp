#include "command_line.h"

#include <algorithm>

namespace korvo::cli {

namespace {

// Options under which someone might try to hand over a private key.
constexpr std::string_view kKeyOptions[] = {"--key", "--private-key", "--pri-key", "--secret"};

bool listed(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string_view CommandLine::required(std::string_view name) const {
  const auto found = options.find(name);
  if (found == options.end()) throw UsageError("missing option " + std::string(name));
  return found->second;
}

std::string_view CommandLine::optional(std::string_view name) const {
  const auto found = options.find(name);
  return found == options.end() ? std::string_view() : found->second;
}

bool CommandLine::has(std::string_view name) const { return listed(flags, name); }

CommandLine parse_command_line(std::span<char* const> args, std::span<const std::string_view> valued,
                               std::span<const std::string_view> flags) {
  CommandLine line;
  bool words_only = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (words_only || arg.size() < 2 || !arg.starts_with('-')) {
      line.words.push_back(arg);
      continue;
    }
    if (arg == "--") {
      words_only = true;
    } else if (arg == "--json") {
      line.json = true;
    } else if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (const auto flag = std::find(flags.begin(), flags.end(), arg); flag != flags.end()) {
      line.flags.push_back(*flag);
    } else {
      const auto equals = arg.find('=');
      const std::string_view name = arg.substr(0, equals);
      if (listed(kKeyOptions, name)) {
        throw UsageError("a private key is never read from the command line, where other users can see it: "
                         "use --key-file FILE or the environment variable KORVO_PRIVATE_KEY");
      }
      if (!listed(valued, name)) throw UsageError("unknown option " + std::string(name));
      if (line.options.contains(name)) throw UsageError("option " + std::string(name) + " given twice");
      if (equals != std::string_view::npos) {
        line.options.emplace(name, arg.substr(equals + 1));
      } else if (i + 1 < args.size()) {
        line.options.emplace(name, std::string_view(args[++i]));
      } else {
        throw UsageError("option " + std::string(name) + " needs a value");
      }
    }
  }
  return line;
}

}  // namespace korvo::cli
