#pragma once
// The korvo SDK for C++: message hashes and signatures of exchange
// transactions, and key handling. Each function does what the Python
// function of the same name does, takes its parameters in the same order and
// returns the same text (or truth value). No exception leaves these
// functions (they are noexcept); a failure comes back as a Failure. Every
// function is a pure function of its arguments and may be called from any
// number of threads.
//
// ABI: std::string, std::string_view and std::variant cross the boundary
// between this header and the library, so a program must be built with the
// same C++ standard library as the library (on Linux: libstdc++ with the
// default _GLIBCXX_USE_CXX11_ABI=1), as C++20 or later, and linked against a
// libstdc++ no older than the one the library was built with.

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

// The version of this header; version() gives the library's.
#define KORVO_SDK_VERSION_MAJOR 0
#define KORVO_SDK_VERSION_MINOR 1
#define KORVO_SDK_VERSION_PATCH 0

namespace korvo::sdk {

// "MAJOR.MINOR.PATCH" of the library linked in, to compare with the macros.
std::string_view version() noexcept;

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

namespace detail {
// Writes what was asked of an outcome that cannot give it, and the failure
// it holds if any, to standard error; then aborts.
[[noreturn]] void bad_outcome_access(const char* asked, const Failure* held) noexcept;
}  // namespace detail

// The value of an operation, or its Failure, read with the names of
// std::expected. Outcome<bool> (verify_signature, is_on_curve) has no
// conversion to bool: `if (verify_signature(...))` would ask "did it run",
// not "does it verify", so it does not compile; write
// `outcome.has_value() && outcome.value()`.
template <class T>
class [[nodiscard]] Outcome {
 public:
  // Exactly a T or a Failure: nothing merely convertible to T becomes one.
  template <class U>
    requires std::is_same_v<std::remove_cvref_t<U>, T>
  explicit Outcome(U&& value) noexcept(std::is_nothrow_constructible_v<T, U&&>)
      : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  explicit Outcome(Failure failure) noexcept : state_(std::in_place_index<1>, std::move(failure)) {}

  bool has_value() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept
    requires(!std::is_same_v<T, bool>)
  {
    return has_value();
  }

  // Only when has_value(); otherwise the failure is reported and the process
  // aborts. An rvalue outcome gives its value by value, so no reference into
  // a temporary can outlive it.
  const T& value() const& noexcept {
    if (const T* held = std::get_if<0>(&state_)) return *held;
    detail::bad_outcome_access("value() of an outcome that holds a failure", std::get_if<1>(&state_));
  }
  T value() && noexcept(std::is_nothrow_move_constructible_v<T>) {
    if (T* held = std::get_if<0>(&state_)) return std::move(*held);
    detail::bad_outcome_access("value() of an outcome that holds a failure", std::get_if<1>(&state_));
  }

  // Only when !has_value(); otherwise the process aborts.
  const Failure& error() const& noexcept {
    if (const Failure* held = std::get_if<1>(&state_)) return *held;
    detail::bad_outcome_access("error() of an outcome that holds a value", nullptr);
  }
  Failure error() && noexcept {
    if (Failure* held = std::get_if<1>(&state_)) return std::move(*held);
    detail::bad_outcome_access("error() of an outcome that holds a value", nullptr);
  }

 private:
  std::variant<T, Failure> state_;
};

// Message hashes of requests given as JSON (numbers as JSON strings):
// "0x" and 64 lower-case hexadecimal digits.
Outcome<std::string> hash_withdraw(std::string_view json) noexcept;
Outcome<std::string> hash_transfer(std::string_view json) noexcept;
Outcome<std::string> hash_limit_order(std::string_view json) noexcept;
// The hash of the liquidator's order; the other fields are checked only.
Outcome<std::string> hash_liquidate(std::string_view json) noexcept;
Outcome<std::string> hash_signed_oracle_price(std::string_view json) noexcept;

// Signatures of a request's message hash as compact JSON {"r","s"}: r the
// packed R point, s the scalar, both "0x" and 64 digits. Deterministic: the
// same request and key give the same signature. `pri_key` is hexadecimal
// text of a private key.
Outcome<std::string> sign_withdraw(std::string_view json, std::string_view pri_key) noexcept;
Outcome<std::string> sign_transfer(std::string_view json, std::string_view pri_key) noexcept;
Outcome<std::string> sign_limit_order(std::string_view json, std::string_view pri_key) noexcept;
// Equal to sign_limit_order of the liquidator's order.
Outcome<std::string> sign_liquidate(std::string_view json, std::string_view pri_key) noexcept;
Outcome<std::string> sign_signed_oracle_price(std::string_view json, std::string_view pri_key) noexcept;

// Signature JSON {"r","s"} of `msg`, a hexadecimal 256-bit value signed as
// given (not hashed again).
Outcome<std::string> sign(std::string_view private_key, std::string_view msg) noexcept;
// Layer-1 signature JSON {"x","y","s","pk_x","pk_y"} of `msg`.
Outcome<std::string> eth_sign(std::string_view private_key, std::string_view msg) noexcept;

// Whether the signature equation holds for (sig_r, sig_s) over `msg` under
// the packed public key `pub_key_x`; `pub_key_y` is not read. The message is
// the challenge itself and neither R nor the key is hashed into it, so
// anyone can make a pair that holds for a key and message of their choice:
// true says the equation holds, not who signed. A failure means the inputs
// could not be read; read the answer with value().
Outcome<bool> verify_signature(std::string_view sig_r, std::string_view sig_s, std::string_view pub_key_x,
                               std::string_view pub_key_y, std::string_view msg) noexcept;

// Private key text ("0x" and 64 digits) derived from the seed's bytes as
// given; the seed must have at least 32 bytes.
Outcome<std::string> private_key_from_seed(std::string_view seed) noexcept;
// Whether `y` is exactly the point x coordinate of the packed key `x`; read
// the answer with value().
Outcome<bool> is_on_curve(std::string_view x, std::string_view y) noexcept;
// {"x": packed key, "y": the point's x coordinate} of a packed public key.
Outcome<std::string> public_key_to_xy(std::string_view public_key) noexcept;
// {"x": packed key, "y": the point's x coordinate} of a private key's public key.
Outcome<std::string> private_key_to_public_key_xy(std::string_view private_key) noexcept;

}  // namespace korvo::sdk
