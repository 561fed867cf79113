#pragma once
// The korvo SDK for C++: message hashes and signatures of exchange
// transactions, and key handling. Each function does what the Python
// function of the same name does, takes its parameters in the same order and
// returns the same text (or truth value). No exception leaves these
// functions; a failure comes back as a Failure. Every function is a pure
// function of its arguments and may be called from any number of threads.

#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace korvo::sdk {

enum class FailureKind {
  ErrorValue,       // the input was rejected
  InternalFailure,  // a check inside the operation stopped it
};

// `message` is the second line of the Python module's failure report: for an
// error value the operation's context, ": " and the reason (for example
// "Couldn't get hash: missing field `position_id` at line 1 column 2"); for
// an internal failure its own message.
struct Failure {
  FailureKind kind;
  std::string message;
};

// The value of an operation, or its Failure.
template <class T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Outcome(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept { return ok(); }

  // Only when ok(); otherwise the process terminates.
  const T& value() const& noexcept { return *checked(std::get_if<0>(&state_)); }
  T&& value() && noexcept { return std::move(*checked(std::get_if<0>(&state_))); }
  // Only when !ok(); otherwise the process terminates.
  const Failure& failure() const noexcept { return *checked(std::get_if<1>(&state_)); }

 private:
  template <class P>
  static P* checked(P* alternative) noexcept {
    if (alternative == nullptr) std::terminate();
    return alternative;
  }

  std::variant<T, Failure> state_;
};

// Message hashes of requests given as JSON (numbers as JSON strings):
// "0x" and 64 lower-case hexadecimal digits.
Outcome<std::string> hash_withdraw(std::string_view json);
Outcome<std::string> hash_transfer(std::string_view json);
Outcome<std::string> hash_limit_order(std::string_view json);
// The hash of the liquidator's order; the other fields are checked only.
Outcome<std::string> hash_liquidate(std::string_view json);
Outcome<std::string> hash_signed_oracle_price(std::string_view json);

// Signatures of a request's message hash as compact JSON {"r","s"}: r the
// packed R point, s the scalar, both "0x" and 64 digits. Deterministic: the
// same request and key give the same signature. `pri_key` is hexadecimal
// text of a private key.
Outcome<std::string> sign_withdraw(std::string_view json, std::string_view pri_key);
Outcome<std::string> sign_transfer(std::string_view json, std::string_view pri_key);
Outcome<std::string> sign_limit_order(std::string_view json, std::string_view pri_key);
// Equal to sign_limit_order of the liquidator's order.
Outcome<std::string> sign_liquidate(std::string_view json, std::string_view pri_key);
Outcome<std::string> sign_signed_oracle_price(std::string_view json, std::string_view pri_key);

// Signature JSON {"r","s"} of `msg`, a hexadecimal 256-bit value signed as
// given (not hashed again).
Outcome<std::string> sign(std::string_view private_key, std::string_view msg);
// Layer-1 signature JSON {"x","y","s","pk_x","pk_y"} of `msg`.
Outcome<std::string> eth_sign(std::string_view private_key, std::string_view msg);

// Whether the signature equation holds for (sig_r, sig_s) over `msg` under
// the packed public key `pub_key_x`; `pub_key_y` is not read. The message is
// the challenge itself and neither R nor the key is hashed into it, so
// anyone can make a pair that holds for a key and message of their choice:
// true says the equation holds, not who signed.
Outcome<bool> verify_signature(std::string_view sig_r, std::string_view sig_s, std::string_view pub_key_x,
                               std::string_view pub_key_y, std::string_view msg);

// Private key text ("0x" and 64 digits) derived from the seed's bytes as
// given; the seed must have at least 32 bytes.
Outcome<std::string> private_key_from_seed(std::string_view seed);
// Whether `y` is exactly the point x coordinate of the packed key `x`.
Outcome<bool> is_on_curve(std::string_view x, std::string_view y);
// {"x": packed key, "y": the point's x coordinate} of a packed public key.
Outcome<std::string> public_key_to_xy(std::string_view public_key);
// {"x": packed key, "y": the point's x coordinate} of a private key's public key.
Outcome<std::string> private_key_to_public_key_xy(std::string_view private_key);

}  // namespace korvo::sdk
