// A Secret leaves zeros behind on every way its value can go: destruction,
// a move out of it, and unwinding past it. The storage is the test's own,
// so it can be read once the Secret is gone.

#include "support/secret.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <array>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <utility>

namespace korvo {
namespace {

using Key = std::array<std::uint64_t, 4>;
constexpr Key kKey{0x0123456789abcdef, 0xfedcba9876543210, 0xffffffffffffffff, 0x8000000000000001};

// True when the `size` bytes at `bytes` are zero. The compiler takes the
// bytes of an ended object for undefined and could skip the read; the empty
// asm tells it the memory may have changed, so the bytes are read as they are.
bool all_zero(const unsigned char* bytes, std::size_t size) {
  asm volatile("" : : "r"(bytes) : "memory");
  return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

// Raw storage for one Secret<Key>, read as bytes whatever lives in it.
struct Storage {
  alignas(Secret<Key>) unsigned char bytes[sizeof(Secret<Key>)] = {};

  Secret<Key>* make() { return new (bytes) Secret<Key>(kKey); }
  bool zero() const { return all_zero(bytes, sizeof bytes); }
};

TEST(Secret, HoldsTheValueItWasGiven) {
  Storage storage;
  Secret<Key>* secret = storage.make();
  EXPECT_EQ(**secret, kKey);
  EXPECT_FALSE(storage.zero());
  secret->~Secret();
}

TEST(Secret, ADestroyedSecretLeavesZeros) {
  Storage storage;
  storage.make()->~Secret();
  EXPECT_TRUE(storage.zero());
}

TEST(Secret, AMovedFromSecretLeavesZeros) {
  Storage constructed, assigned;
  Secret<Key>* source = constructed.make();
  const Secret<Key> taken(std::move(*source));
  EXPECT_TRUE(constructed.zero());
  EXPECT_EQ(*taken, kKey);

  source = assigned.make();
  Secret<Key> target;
  target = std::move(*source);
  EXPECT_TRUE(assigned.zero());
  EXPECT_EQ(*target, kKey);
}

// A member whose construction fails after the Secret beside it was made:
// unwinding destroys the Secret, and only its destructor can clear it.
struct FailsAfterTheSecret {
  Secret<Key> secret{kKey};
  struct Thrower {
    Thrower() { throw std::runtime_error("construction failed"); }
  } thrower;
};

TEST(Secret, ASecretUnwoundByAThrowLeavesZeros) {
  alignas(FailsAfterTheSecret) unsigned char bytes[sizeof(FailsAfterTheSecret)];
  std::fill(std::begin(bytes), std::end(bytes), 0xa5);
  EXPECT_THROW(new (bytes) FailsAfterTheSecret, std::runtime_error);
  static_assert(offsetof(FailsAfterTheSecret, secret) == 0);
  EXPECT_TRUE(all_zero(bytes, sizeof(Secret<Key>)));
}

}  // namespace
}  // namespace korvo
