#include "tx/eddsa.h"

#include <gtest/gtest.h>

#include "curve/jubjub_params.h"
#include "encoding/u256.h"
#include "support/failure.h"
#include "tx/private_key.h"
#include "tx/tx_signature.h"

namespace korvo::tx {
namespace {

using curve::Point;
using curve::Unknown;

const curve::AltJubjubBn256& params() { return curve::jubjub_params(); }

curve::Fs key() {
  return *private_key_from_string("0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd").value();
}

std::array<std::uint8_t, 32> message(std::uint64_t low) { return encoding::U256::from_u64(low).to_little_endian(); }

// (0, -1): the point of order 2.
Point<Unknown> order_two() {
  return Point<Unknown>::from_xy(curve::Fr::zero(), -curve::Fr::one(), params()).value();
}

bool verify(const Point<Unknown>& a, std::span<const std::uint8_t> msg, const Signature<Unknown>& sig) {
  return verify_for_raw_message(a, msg, sig, 5, params(), msg.size());
}

TEST(Eddsa, FreshSignatureVerifiesAndTamperingFails) {
  const auto msg = message(0x1234567);
  const auto signed_msg = TxSignature::sign_msg(key(), msg);
  const Point<Unknown> a = params().mul_generator_ct(5, key());
  const Signature<Unknown> sig{signed_msg.signature.r, signed_msg.signature.s};
  EXPECT_TRUE(verify(a, msg, sig));
  EXPECT_FALSE(verify(a, message(0x1234566), sig));
  EXPECT_FALSE(verify(a, msg, {sig.r, sig.s + curve::Fs::one()}));
  EXPECT_FALSE(verify(a.negate(), msg, sig));
}

// Adding the point of order 2 to both A and R leaves the verification
// equation intact when the challenge is odd; only the order checks catch it.
TEST(Eddsa, OrderChecksRejectPointsOutsideTheSubgroup) {
  const auto msg = message(3);  // odd challenge
  const auto signed_msg = TxSignature::sign_msg(key(), msg);
  const Point<Unknown> a = params().mul_generator_ct(5, key());
  const Point<Unknown> t = order_two();
  const Point<Unknown> a_t = a.add(t, params());
  const Point<Unknown> r_t = Point<Unknown>(signed_msg.signature.r).add(t, params());
  const auto equation = a_t.mul_var(challenge(msg).into_repr(), params())
                            .add(r_t, params())
                            .add(params().mul_generator_ct(5, signed_msg.signature.s).negate(), params());
  ASSERT_EQ(equation, Point<Unknown>::zero()) << "the forged pair satisfies the equation";
  EXPECT_FALSE(verify(a_t, msg, {r_t, signed_msg.signature.s}));

  const auto even = message(4);
  const auto even_signed = TxSignature::sign_msg(key(), even);
  EXPECT_FALSE(verify(a_t, even, {even_signed.signature.r, even_signed.signature.s}));
  EXPECT_TRUE(verify(a, even, {even_signed.signature.r, even_signed.signature.s}));
}

// A fault while signing (here: a wrong S, or R of another nonce) must stop
// the signature from leaving.
TEST(Eddsa, FreshSignatureCheckCatchesFaults) {
  const auto msg = message(77);
  const auto good = TxSignature::sign_msg(key(), msg);
  EXPECT_EQ(public_key_from_private_with_verify(key(), msg, good.signature), good.public_key);
  EXPECT_EQ(good.public_key, params().mul_generator_ct(5, key()));
  Signature<curve::PrimeOrder> wrong_s = good.signature;
  wrong_s.s += curve::Fs::one();
  EXPECT_THROW(public_key_from_private_with_verify(key(), msg, wrong_s), InternalFailure);
  Signature<curve::PrimeOrder> wrong_r = good.signature;
  wrong_r.r = params().mul_generator_ct(5, curve::Fs::from_u64(12345));
  EXPECT_THROW(public_key_from_private_with_verify(key(), msg, wrong_r), InternalFailure);
  EXPECT_THROW(public_key_from_private_with_verify(key(), message(78), good.signature), InternalFailure);
}

TEST(Eddsa, ChallengePadsShortAndCutsLongMessages) {
  const std::uint8_t short_msg[] = {5, 1};
  EXPECT_EQ(challenge(short_msg), curve::Fs::from_u64(0x105));
  std::array<std::uint8_t, 40> long_msg{};
  long_msg[0] = 9;
  long_msg[35] = 1;
  EXPECT_EQ(challenge(long_msg), curve::Fs::from_u64(9));
  std::array<std::uint8_t, 33> too_long{};
  EXPECT_THROW(sign_raw_message(key(), too_long, Seed{key()}, 5, params(), too_long.size()), InternalFailure);
}

}  // namespace
}  // namespace korvo::tx
