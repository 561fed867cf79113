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

int print_failure(const Output& out, std::string_view kind, std::string_view message) {
  if (out.json) {
    std::cerr << dump({{"error", {{"kind", kind}, {"message", message}}}}) << '\n';
  } else {
    std::cerr << "korvo: " << kind << ": " << message << '\n';
  }
  return kExitBadInput;
}

int print_failure(const Output& out, const sdk::Failure& failure) {
  const std::string_view kind = failure.kind == sdk::FailureKind::ErrorValue ? "error" : kInternalFailure;
  return print_failure(out, kind, failure.message);
}

}  // namespace

int print_text(const Output& out, const sdk::Outcome<std::string>& outcome, std::string_view name) {
  if (!outcome) return print_failure(out, outcome.failure());
  if (out.json && !name.empty()) {
    std::cout << dump({{name, outcome.value()}}) << '\n';
  } else {
    std::cout << outcome.value() << '\n';
  }
  return std::cout.flush() ? kExitTrue : kExitBadInput;
}

int print_truth(const Output& out, const sdk::Outcome<bool>& outcome, std::string_view name) {
  if (!outcome) return print_failure(out, outcome.failure());
  const bool truth = outcome.value();
  if (out.json) {
    std::cout << dump({{name, truth}}) << '\n';
  } else {
    std::cout << (truth ? "true" : "false") << '\n';
  }
  if (!std::cout.flush()) return kExitBadInput;
  return truth ? kExitTrue : kExitFalse;
}

int print_help(std::string_view text) {
  std::cout << text;
  return std::cout.flush() ? kExitTrue : kExitBadInput;
}

int print_internal_failure(const Output& out, std::string_view message) {
  return print_failure(out, kInternalFailure, message);
}

int print_usage_error(const Output& out, std::string_view message) {
  print_failure(out, "usage", message);
  if (!out.json) std::cerr << "Try 'korvo --help'.\n";
  return kExitBadInput;
}

}  // namespace korvo::cli
