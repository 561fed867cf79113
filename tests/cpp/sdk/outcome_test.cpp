// The public header's promises that the compiler can check, and what reading
// the wrong side of an outcome does.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "korvo/sdk.h"

namespace korvo::sdk {
namespace {

constexpr std::string_view t;  // any text: only the types are looked at

// Every function is noexcept: a caller need not guard it.
static_assert(noexcept(hash_withdraw(t)) && noexcept(hash_transfer(t)) && noexcept(hash_limit_order(t)) &&
              noexcept(hash_liquidate(t)) && noexcept(hash_signed_oracle_price(t)));
static_assert(noexcept(sign_withdraw(t, t)) && noexcept(sign_transfer(t, t)) && noexcept(sign_limit_order(t, t)) &&
              noexcept(sign_liquidate(t, t)) && noexcept(sign_signed_oracle_price(t, t)));
static_assert(noexcept(sign(t, t)) && noexcept(eth_sign(t, t)) && noexcept(verify_signature(t, t, t, t, t)));
static_assert(noexcept(private_key_from_seed(t)) && noexcept(is_on_curve(t, t)) && noexcept(public_key_to_xy(t)) &&
              noexcept(private_key_to_public_key_xy(t)) && noexcept(version()));

// A truth value's outcome does not stand for the truth value: no conversion
// to bool, explicit or implicit (the compile-fail test shows `if`).
static_assert(!std::is_constructible_v<bool, Outcome<bool>>);
static_assert(!std::is_convertible_v<Outcome<bool>, bool>);
// A text's outcome may be tested for success, explicitly only.
static_assert(std::is_constructible_v<bool, Outcome<std::string>>);
static_assert(!std::is_convertible_v<Outcome<std::string>, bool>);

// Made from exactly a T or a Failure, and only explicitly.
static_assert(!std::is_constructible_v<Outcome<bool>, int>);
static_assert(!std::is_constructible_v<Outcome<bool>, const char*>);
static_assert(!std::is_constructible_v<Outcome<bool>, std::string>);
static_assert(!std::is_convertible_v<bool, Outcome<bool>>);
static_assert(!std::is_convertible_v<Failure, Outcome<bool>>);
static_assert(std::is_constructible_v<Outcome<bool>, bool> && std::is_constructible_v<Outcome<bool>, Failure>);
static_assert(!std::is_convertible_v<std::string, Outcome<std::string>>);

// A temporary outcome hands out its value and failure by value, never a
// reference into itself.
static_assert(std::is_same_v<decltype(std::declval<Outcome<std::string>>().value()), std::string>);
static_assert(std::is_same_v<decltype(std::declval<Outcome<std::string>>().error()), Failure>);
static_assert(std::is_same_v<decltype(std::declval<const Outcome<std::string>&>().value()), const std::string&>);

TEST(Outcome, TruthValuesAreReadThroughValue) {
  const auto unverified = verify_signature("0x0", "0x0", "0x0", "", "0x1");
  const auto malformed = verify_signature("0x0", "0x0", "0x0", "", "not hex");
  ASSERT_TRUE(unverified.has_value());
  EXPECT_FALSE(unverified.value());
  ASSERT_FALSE(malformed.has_value());
  EXPECT_EQ(malformed.error().kind, FailureKind::ErrorValue);
}

TEST(Outcome, RvaluesGiveUpTheirValue) {
  auto hashed = private_key_from_seed("a seed text of thirty-two bytes!");
  const std::string copy = hashed.value();
  const std::string moved = std::move(hashed).value();
  EXPECT_EQ(moved, copy);
  EXPECT_EQ(moved.size(), 66U);
}

TEST(Outcome, VersionIsTheHeaders) {
  EXPECT_EQ(version(), std::to_string(KORVO_SDK_VERSION_MAJOR) + "." + std::to_string(KORVO_SDK_VERSION_MINOR) +
                           "." + std::to_string(KORVO_SDK_VERSION_PATCH));
}

TEST(OutcomeDeathTest, ReadingTheWrongSideReportsWhatWasAskedAndAborts) {
  const auto failed = hash_withdraw("{}");
  ASSERT_FALSE(failed.has_value());
  EXPECT_DEATH((void)failed.value(),
               "korvo::sdk: value\\(\\) of an outcome that holds a failure \\(error: Couldn't get hash: missing field");
  EXPECT_DEATH((void)hash_transfer("not json").value(), "holds a failure \\(internal failure: ");
  const auto derived = private_key_from_seed("a seed text of thirty-two bytes!");
  ASSERT_TRUE(derived.has_value());
  EXPECT_DEATH((void)derived.error(), "korvo::sdk: error\\(\\) of an outcome that holds a value");
}

}  // namespace
}  // namespace korvo::sdk
