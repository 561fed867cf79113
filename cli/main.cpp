// korvo: hashes, signs and checks exchange requests from a shell.

#include <algorithm>
#include <exception>
#include <span>
#include <string>
#include <string_view>

#include "command_line.h"
#include "commands.h"
#include "help.h"
#include "korvo/sdk.h"
#include "output.h"

namespace {

using korvo::cli::Args;

// Known before the command line is read, so that its own errors follow --json.
bool wants_json(Args args) {
  return std::any_of(args.begin(), args.end(), [](const char* arg) { return std::string_view(arg) == "--json"; });
}

int dispatch(Args args, const korvo::cli::Output& out) {
  using namespace korvo::cli;
  const std::string_view command = args.empty() ? std::string_view() : std::string_view(args[0]);
  const Args rest = args.empty() ? args : args.subspan(1);
  if (command == "hash") return run_hash(rest, out);
  if (command == "sign") return run_sign(rest, out);
  if (command == "verify") return run_verify(rest, out);
  if (command == "key") return run_key(rest, out);
  if (command == "--help" || command == "-h" || command == "help") return print_help(kToolHelp);
  if (command == "--version") return print_help("korvo " + std::string(korvo::sdk::version()) + "\n");
  throw UsageError(command.empty() ? "missing command" : "unknown command");
}

}  // namespace

int main(int argc, char** argv) {
  const Args args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
  const korvo::cli::Output out{wants_json(args)};
  try {
    return dispatch(args, out);
  } catch (const korvo::cli::UsageError& error) {
    return print_usage_error(out, error.what());
  } catch (const std::exception& failure) {
    return print_internal_failure(out, failure.what());
  }
}
