#include "tx/eddsa.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"
#include "curve/torsion.h"
#include "encoding/u256.h"
#include "support/failure.h"
#include "tx/private_key.h"
#include "tx/reference_verification.h"
#include "tx/tx_signature.h"

namespace korvo::tx {
namespace {

using curve::Point;
using curve::Unknown;

const curve::AltJubjubBn256& params() { return curve::jubjub_params(); }

curve::Fs key() {
  return *private_key_from_string("0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd").value();
}

std::array<std::uint8_t, 32> message(std::uint64_t low) { return encoding::U256::from_u64(low).to_le_bytes(); }

// (0, -1): the point of order 2.
Point<Unknown> order_two() {
  return Point<Unknown>::from_xy(curve::Fr::zero(), -curve::Fr::one(), params()).value();
}

bool verify(const Point<Unknown>& a, std::span<const std::uint8_t> msg, const Signature<Unknown>& sig) {
  return verify_for_raw_message(a, msg, sig, params());
}

TEST(Eddsa, FreshSignatureVerifiesAndTamperingFails) {
  const auto msg = message(0x1234567);
  const auto signed_msg = TxSignature::sign_msg(key(), msg);
  const Point<Unknown> a = params().mul_generator_ct(key());
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
  const Point<Unknown> a = params().mul_generator_ct(key());
  const Point<Unknown> t = order_two();
  const Point<Unknown> a_t = a.add(t, params());
  const Point<Unknown> r_t = Point<Unknown>(signed_msg.signature.r).add(t, params());
  const auto equation = curve::mul_var(a_t, challenge(msg).to_limbs(), params())
                            .add(r_t, params())
                            .add(params().mul_generator_ct(signed_msg.signature.s).negate(), params());
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
  EXPECT_NO_THROW(verify_fresh_signature(key(), msg, good.signature));
  Signature<curve::PrimeOrder> wrong_s = good.signature;
  wrong_s.s += curve::Fs::one();
  EXPECT_THROW(verify_fresh_signature(key(), msg, wrong_s), InternalFailure);
  Signature<curve::PrimeOrder> wrong_r = good.signature;
  wrong_r.r = params().mul_generator_ct(curve::Fs::from_u64(12345));
  EXPECT_THROW(verify_fresh_signature(key(), msg, wrong_r), InternalFailure);
  EXPECT_THROW(verify_fresh_signature(key(), message(78), good.signature), InternalFailure);
}

// The same check in place: S spoilt while signing (a seam of test builds
// only) stops the signature from leaving.
TEST(Eddsa, SignatureSpoiltWhileSigningNeverLeaves) {
#if defined(KORVO_FAULT_INJECTION)
  corrupt_signatures(true);
  EXPECT_THROW(TxSignature::sign_msg(key(), message(77)), InternalFailure);
  corrupt_signatures(false);
  EXPECT_NO_THROW(TxSignature::sign_msg(key(), message(77)));
#else
  GTEST_SKIP() << "needs a build configured with -DKORVO_FAULT_INJECTION=ON";
#endif
}

// The fast verification against the reference on valid and tampered
// signatures of random keys, with every torsion point added to A and to R:
// mixed-order points, small-order points and odd and even challenges.
TEST(Eddsa, VerificationMatchesTheReferenceOnEveryCoset) {
  const auto torsion = curve::testing::torsion_points(params());
  std::mt19937_64 rng(53);
  int verified = 0;
  for (int i = 0; i < 6; ++i) {
    const curve::Fs sk = curve::Fs::from_raw(curve::testing::random_runs(rng));
    const auto msg = encoding::U256(curve::testing::random_runs(rng)).to_le_bytes();
    const auto fresh = TxSignature::sign_msg(sk, msg);
    const Point<Unknown> a = params().mul_generator_ct(sk);
    const Point<Unknown> r = fresh.signature.r;
    const curve::Fs s = fresh.signature.s;
    auto other_msg = msg;
    other_msg[rng() % 32] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
    const std::vector<std::pair<std::span<const std::uint8_t>, Signature<Unknown>>> cases = {
        {msg, {r, s}}, {other_msg, {r, s}}, {msg, {r, s + curve::Fs::one()}}, {msg, {r.negate(), s}}};
    for (const auto& [m, sig] : cases) {
      for (std::size_t ja = 0; ja < torsion.size(); ++ja) {
        for (std::size_t jr = 0; jr < torsion.size(); ++jr) {
          const Point<Unknown> a_t = a.add(torsion[ja], params());
          const Signature<Unknown> sig_t{sig.r.add(torsion[jr], params()), sig.s};
          const bool expected = testing::reference_verify(a_t, m, sig_t);
          verified += expected;
          ASSERT_EQ(verify(a_t, m, sig_t), expected) << i << " " << ja << " " << jr;
        }
      }
    }
  }
  EXPECT_EQ(verified, 6) << "only the untouched signatures verify";
}

// Small-order keys and nonce points on their own, where the equation can
// hold without any signing key.
TEST(Eddsa, SmallOrderKeysAndNoncePointsMatchTheReference) {
  const auto torsion = curve::testing::torsion_points(params());
  for (std::uint64_t low : {0, 1, 2, 8}) {
    const auto msg = message(low);
    for (const Point<Unknown>& a : torsion) {
      for (const Point<Unknown>& r : torsion) {
        for (const curve::Fs& s : {curve::Fs::zero(), curve::Fs::one()}) {
          const Signature<Unknown> sig{r, s};
          ASSERT_EQ(verify(a, msg, sig), testing::reference_verify(a, msg, sig)) << low;
        }
      }
    }
  }
  const Signature<Unknown> neutral{Point<Unknown>::zero(), curve::Fs::zero()};
  EXPECT_TRUE(verify(Point<Unknown>::zero(), message(5), neutral));
}

TEST(Eddsa, ChallengePadsShortAndCutsLongMessages) {
  const std::uint8_t short_msg[] = {5, 1};
  EXPECT_EQ(challenge(short_msg), curve::Fs::from_u64(0x105));
  std::array<std::uint8_t, 40> long_msg{};
  long_msg[0] = 9;
  long_msg[35] = 1;
  EXPECT_EQ(challenge(long_msg), curve::Fs::from_u64(9));
  std::array<std::uint8_t, 33> too_long{};
  EXPECT_THROW(sign_raw_message(key(), too_long, Seed{key()}, params()), InternalFailure);
}

}  // namespace
}  // namespace korvo::tx
