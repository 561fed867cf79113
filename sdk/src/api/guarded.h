#pragma once
// The public functions' common frame: an error value gets the function's
// context in front, and an internal failure (anything thrown) becomes a
// Failure of its own, so that no exception leaves the library.

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "korvo/sdk.h"
#include "support/result.h"

namespace korvo::api {

// `run` returns a Result<T>. A failure while building the Failure itself
// (out of memory) ends the process.
template <class T, class Run>
sdk::Outcome<T> guarded(std::string_view context, Run run) noexcept {
  try {
    Result<T> result = run();
    if (!result) {
      std::string message(context);
      message += ": ";
      message += result.error().description;
      return sdk::Outcome<T>(sdk::Failure{sdk::FailureKind::ErrorValue, std::move(message)});
    }
    return sdk::Outcome<T>(std::move(result).value());
  } catch (const std::exception& failure) {
    return sdk::Outcome<T>(sdk::Failure{sdk::FailureKind::InternalFailure, failure.what()});
  } catch (...) {
    return sdk::Outcome<T>(sdk::Failure{sdk::FailureKind::InternalFailure, "unknown internal failure"});
  }
}

// Maps the value of `outcome` with `write`, keeping its error.
template <class T, class Write>
auto written(Result<T> outcome, Write write) -> Result<decltype(write(outcome.value()))> {
  if (!outcome) return outcome.error();
  return write(outcome.value());
}

}  // namespace korvo::api
