#pragma once
// Result<T>: the value of an operation or an error value carrying its
// description text. Error values are returned, never thrown.
//
// The one failure model of the SDK layers (encoding, transaction, tx, lib):
// what they return to each other and to the public functions, which turn it
// into an sdk::Outcome (api/guarded.h). The arithmetic below them (curve,
// poseidon) says "no such value" instead and leaves the wording to these
// layers; a violated precondition anywhere is an internal failure (failure.h).

#include <string>
#include <utility>
#include <variant>

namespace korvo {

struct Error {
  std::string description;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const Error& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace korvo

// Returns the error of `expr` from the enclosing function, or binds its value.
#define KORVO_TRY(var, expr)                                   \
  auto var##_result_ = (expr);                                 \
  if (!var##_result_.ok()) return var##_result_.error();       \
  auto var = std::move(var##_result_).value()
