#pragma once
// Which road a failure of one step takes out of an operation: returned as an
// error value, or raised as an internal failure. Fixed per operation and step.

#include "support/failure.h"
#include "support/result.h"

namespace korvo::lib {

enum class FailureRoad { ErrorValue, InternalFailure };

template <class T>
Result<T> route(Result<T> outcome, FailureRoad road) {
  if (!outcome && road == FailureRoad::InternalFailure) fail(outcome.error().description);
  return outcome;
}

}  // namespace korvo::lib
