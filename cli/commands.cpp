#include "commands.h"

#include <algorithm>

#include "command_line.h"
#include "help.h"
#include "inputs.h"
#include "korvo/sdk.h"
#include "secret_text.h"

namespace korvo::cli {

namespace {

struct RequestKind {
  std::string_view name;
  sdk::Outcome<std::string> (*hash)(std::string_view json) noexcept;
  sdk::Outcome<std::string> (*sign)(std::string_view json, std::string_view pri_key) noexcept;
};

constexpr RequestKind kKinds[] = {
    {"withdraw", sdk::hash_withdraw, sdk::sign_withdraw},
    {"transfer", sdk::hash_transfer, sdk::sign_transfer},
    {"limit-order", sdk::hash_limit_order, sdk::sign_limit_order},
    {"liquidate", sdk::hash_liquidate, sdk::sign_liquidate},
    {"oracle-price", sdk::hash_signed_oracle_price, sdk::sign_signed_oracle_price},
};

// Far more than a key's 66 characters and the white space around them.
constexpr std::size_t kKeyCapacity = 4096;
constexpr std::size_t kSeedCapacity = 64 * 1024;

constexpr std::string_view kKeyFileOption[] = {"--key-file"};
constexpr std::string_view kJsonLinesFlag[] = {"--jsonl"};
constexpr std::string_view kVerifyOptions[] = {"--r", "--s", "--public-key", "--message"};

// Unknown words are not echoed: a key typed in the wrong place would be.
const RequestKind& request_kind(const CommandLine& line) {
  if (line.words.empty()) throw UsageError("missing request kind");
  for (const auto& kind : kKinds) {
    if (kind.name == line.words[0]) return kind;
  }
  throw UsageError("unknown request kind; kinds: withdraw, transfer, limit-order, liquidate, oracle-price");
}

void expect_words(const CommandLine& line, std::size_t most) {
  if (line.words.size() > most) throw UsageError("too many arguments");
}

std::string_view request_path(const CommandLine& line) {
  return line.words.size() > 1 ? line.words[1] : std::string_view();
}

// One result line per request line, in order; a failing line does not stop
// the others. The exit status is the worst of the lines'.
template <class Operation>
int run_json_lines(const CommandLine& line, const Output& out, std::string_view name, Operation operation) {
  int status = kExitTrue;
  for_each_request_line(request_path(line), [&](std::size_t number, std::string_view request) {
    status = std::max(status, print_line_result(out, number, operation(request), name));
  });
  return status;
}

}  // namespace

int run_hash(Args args, const Output& out) {
  const auto line = parse_command_line(args, {}, kJsonLinesFlag);
  if (line.help) return print_help(kHashHelp);
  expect_words(line, 2);
  const auto& kind = request_kind(line);
  if (line.has("--jsonl")) return run_json_lines(line, out, "hash", kind.hash);
  return print_text(out, kind.hash(read_request(request_path(line))), "hash");
}

int run_sign(Args args, const Output& out) {
  const auto line = parse_command_line(args, kKeyFileOption, kJsonLinesFlag);
  if (line.help) return print_help(kSignHelp);
  expect_words(line, 2);
  const auto& kind = request_kind(line);
  SecretText key(kKeyCapacity);
  if (line.has("--jsonl")) {
    read_private_key(line, key);
    return run_json_lines(line, out, {}, [&](std::string_view request) { return kind.sign(request, key.view()); });
  }
  const std::string request = read_request(request_path(line));
  read_private_key(line, key);
  return print_text(out, kind.sign(request, key.view()), {});
}

int run_verify(Args args, const Output& out) {
  const auto line = parse_command_line(args, kVerifyOptions);
  if (line.help) return print_help(kVerifyHelp);
  expect_words(line, 0);
  const auto r = line.required("--r");
  const auto s = line.required("--s");
  const auto public_key = line.required("--public-key");
  const auto message = line.required("--message");
  // The public key's second text is not read by verification.
  return print_truth(out, sdk::verify_signature(r, s, public_key, {}, message), "valid");
}

int run_key(Args args, const Output& out) {
  const std::string_view command = args.empty() ? std::string_view() : std::string_view(args[0]);
  const Args rest = args.empty() ? args : args.subspan(1);
  if (command == "from-seed") {
    const auto line = parse_command_line(rest, {});
    if (line.help) return print_help(kFromSeedHelp);
    expect_words(line, 0);
    SecretText seed(kSeedCapacity);
    read_seed(seed);
    return print_text(out, sdk::private_key_from_seed(seed.view()), "private_key");
  }
  if (command == "public") {
    const auto line = parse_command_line(rest, kKeyFileOption);
    if (line.help) return print_help(kPublicKeyHelp);
    expect_words(line, 0);
    SecretText key(kKeyCapacity);
    read_private_key(line, key);
    return print_text(out, sdk::private_key_to_public_key_xy(key.view()), {});
  }
  if (command == "on-curve") {
    const auto line = parse_command_line(rest, {});
    if (line.help) return print_help(kOnCurveHelp);
    if (line.words.size() != 2) throw UsageError("key on-curve takes two arguments, X and Y");
    return print_truth(out, sdk::is_on_curve(line.words[0], line.words[1]), "on_curve");
  }
  if (command == "--help" || command == "-h") return print_help(kKeyHelp);
  throw UsageError("key takes one of from-seed, public, on-curve");
}

}  // namespace korvo::cli
