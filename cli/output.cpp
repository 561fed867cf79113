#include "output.h"

#include <iostream>

#include <nlohmann/json.hpp>

namespace korvo::cli {

namespace {

constexpr std::string_view kInternalFailure = "internal failure";

// Failure texts may quote input bytes that are not UTF-8.
std::string dump(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int exit_status(sdk::FailureKind kind) {
  return kind == sdk::FailureKind::ErrorValue ? kExitBadInput : kExitInternal;
}

std::string_view kind_name(sdk::FailureKind kind) {
  return kind == sdk::FailureKind::ErrorValue ? "error" : kInternalFailure;
}

// `line` 0: not in JSON-lines mode.
nlohmann::json failure_json(std::string_view kind, std::string_view message, std::size_t line) {
  nlohmann::json failure = {{"kind", kind}, {"message", message}};
  if (line != 0) failure["line"] = line;
  return {{"error", failure}};
}

void report_failure(const Output& out, std::string_view kind, std::string_view message, std::size_t line) {
  if (out.json) {
    std::cerr << dump(failure_json(kind, message, line)) << '\n';
  } else {
    std::cerr << "korvo: ";
    if (line != 0) std::cerr << "line " << line << ": ";
    std::cerr << kind << ": " << message << '\n';
  }
}

// Whatever was written reached standard output, or the tool failed.
int flushed(int status) { return std::cout.flush() ? status : kExitInternal; }

std::string result_json(const std::string& value, std::string_view name) {
  return name.empty() ? value : dump({{name, value}});
}

}  // namespace

int print_text(const Output& out, const sdk::Outcome<std::string>& outcome, std::string_view name) {
  if (!outcome) {
    const sdk::Failure& failure = outcome.error();
    report_failure(out, kind_name(failure.kind), failure.message, 0);
    return exit_status(failure.kind);
  }
  std::cout << (out.json ? result_json(outcome.value(), name) : outcome.value()) << '\n';
  return flushed(kExitTrue);
}

int print_line_result(const Output& out, std::size_t line, const sdk::Outcome<std::string>& outcome,
                      std::string_view name) {
  if (outcome) {
    std::cout << result_json(outcome.value(), name) << '\n';
    return flushed(kExitTrue);
  }
  const sdk::Failure& failure = outcome.error();
  std::cout << dump(failure_json(kind_name(failure.kind), failure.message, line)) << '\n';
  report_failure(out, kind_name(failure.kind), failure.message, line);
  return flushed(exit_status(failure.kind));
}

int print_truth(const Output& out, const sdk::Outcome<bool>& outcome, std::string_view name) {
  if (!outcome.has_value()) {
    const sdk::Failure& failure = outcome.error();
    report_failure(out, kind_name(failure.kind), failure.message, 0);
    return exit_status(failure.kind);
  }
  const bool truth = outcome.value();
  if (out.json) {
    std::cout << dump({{name, truth}}) << '\n';
  } else {
    std::cout << (truth ? "true" : "false") << '\n';
  }
  return flushed(truth ? kExitTrue : kExitFalse);
}

int print_help(std::string_view text) {
  std::cout << text;
  return flushed(kExitTrue);
}

int print_internal_failure(const Output& out, std::string_view message) {
  report_failure(out, kInternalFailure, message, 0);
  return kExitInternal;
}

int print_usage_error(const Output& out, std::string_view message) {
  report_failure(out, "usage", message, 0);
  if (!out.json) std::cerr << "Try 'korvo --help'.\n";
  return kExitBadInput;
}

}  // namespace korvo::cli
