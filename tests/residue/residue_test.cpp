// Runs each SDK operation that handles a private key on a stack of its own,
// with every heap block scanned as it is freed, and then scans that stack.
// Any 8-byte stretch of a secret the operation handled (the key as text, as
// bytes, as limbs, in Montgomery form; the nonce; c*sk) found there is a
// residue: a copy that outlived the call.
#include <gtest/gtest.h>
#include <malloc.h>
#include <ucontext.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "curve/fs.h"
#include "curve/jubjub_params.h"
#include "encoding/u256.h"
#include "lib/operations.h"
#include "tx/deterministic_seed.h"
#include "support/failure.h"
#include "support/secret.h"
#include "tx/eddsa.h"

namespace {

using Bytes32 = std::array<std::uint8_t, 32>;

std::unordered_set<std::uint64_t> g_windows;
bool g_scanning = false;
std::size_t g_heap_hits = 0;

std::size_t count_windows(const unsigned char* data, std::size_t size) {
  std::size_t hits = 0;
  for (std::size_t i = 0; i + 8 <= size; ++i) {
    std::uint64_t window;
    std::memcpy(&window, data + i, 8);
    hits += g_windows.count(window);
  }
  return hits;
}

// Scans a block as it is freed during a run. Every freed block is zeroed
// afterwards, so that a block the test itself filled and freed cannot come
// back from malloc with a secret the operation never wrote.
void scan_and_clear_freed(void* block) {
  if (block == nullptr) return;
  const auto bytes = static_cast<unsigned char*>(block);
  const std::size_t size = malloc_usable_size(block);
  if (g_scanning) g_heap_hits += count_windows(bytes, size);
  // A plain memset before free is a dead store the compiler may drop (GCC at -O3 does).
  korvo::wipe(bytes, size);
}

// The operation's stack: zeroed before each run, scanned after it.
constexpr std::size_t kStackSize = 512 * 1024;
alignas(64) unsigned char g_stack[kStackSize];
ucontext_t g_caller, g_operation;
std::function<void()> g_body;

void operation_entry() { g_body(); }

struct Residue {
  std::size_t heap = 0;
  std::size_t stack = 0;
};

Residue run_scanned(std::function<void()> body) {
  std::memset(g_stack, 0, sizeof g_stack);
  g_body = std::move(body);
  getcontext(&g_operation);
  g_operation.uc_stack.ss_sp = g_stack;
  g_operation.uc_stack.ss_size = sizeof g_stack;
  g_operation.uc_link = &g_caller;
  makecontext(&g_operation, operation_entry, 0);
  g_heap_hits = 0;
  g_scanning = true;
  swapcontext(&g_caller, &g_operation);
  g_scanning = false;
  return {g_heap_hits, count_windows(g_stack, sizeof g_stack)};
}

void add_windows(std::span<const std::uint8_t> secret) {
  for (std::size_t i = 0; i + 8 <= secret.size(); ++i) {
    std::uint64_t window;
    std::memcpy(&window, secret.data() + i, 8);
    g_windows.insert(window);
  }
}

void add_text_windows(std::string_view text) {
  add_windows(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void add_field_windows(const korvo::curve::Fs& value) {
  Bytes32 montgomery;
  static_assert(sizeof value == sizeof montgomery);
  std::memcpy(montgomery.data(), &value, sizeof montgomery);
  add_windows(montgomery);
  const korvo::encoding::U256 canonical(value.to_limbs());
  add_windows(canonical.to_le_bytes());
  add_windows(canonical.to_be_bytes());
  add_text_windows(canonical.to_hex().substr(2));
}

korvo::curve::Fs key_of(std::string_view text) {
  return korvo::curve::Fs::from_raw(korvo::encoding::U256::from_str(text).value().limbs());
}

// The secrets of signing `message` (32 little-endian bytes) under `key_text`.
void add_signing_windows(std::string_view key_text, const Bytes32& message) {
  const korvo::curve::Fs sk = key_of(key_text);
  add_field_windows(sk);
  add_field_windows(korvo::tx::Seed::deterministic_seed(sk, message).value);
  add_field_windows(korvo::tx::challenge(message) * sk);
}

const std::string kKey = "0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd";
const std::string kMessage = "0x2b3c4d5e6f708192a3b4c5d6e7f8091a2b3c4d5e6f708192a3b4c5d6e7f8091";
// The key with its last digit spoilt: all but its last byte decode before the error.
const std::string kBadLastDigit = kKey.substr(0, 65) + "z";
// A value above the modulus, decoded in full before it is rejected.
const std::string kAboveModulus = "0xe3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
const std::string kOrder =
    R"({"nonce":"1","public_key":"0x1","expiration_timestamp":"2","amount_synthetic":"3","amount_collateral":"4",)"
    R"("amount_fee":"5","asset_id_synthetic":"0x6","asset_id_collateral":"0x7","position_id":"8",)"
    R"("is_buying_synthetic":true})";
const std::string kWithdraw =
    R"({"nonce":"1","public_key":"0x1","expiration_timestamp":"2","position_id":"3","amount":"4",)"
    R"("eth_address":"0x5","asset_id":"0x6"})";

Bytes32 message_bytes(std::string_view hex) { return korvo::encoding::U256::from_str(hex).value().to_le_bytes(); }

class Residues : public ::testing::Test {
 protected:
  void SetUp() override {
    korvo::curve::jubjub_params();  // public tables, built before any run
    g_windows.clear();
  }

  // Runs `operation`, which must report success exactly when `succeeds`. Its
  // result (a derived key text, for one) is the caller's, freed after the scan.
  template <class Operation>
  Residue run(Operation operation, bool succeeds) {
    std::optional<decltype(operation())> result;
    const Residue residue = run_scanned([&] {
      try {
        result.emplace(operation());
      } catch (const korvo::InternalFailure&) {
      }
    });
    EXPECT_EQ(result && result->ok(), succeeds);
    return residue;
  }

  // Adds the secrets' windows from the forms a spoilt key text decodes to.
  void add_decoded_prefix_windows(std::string_view text, std::size_t decoded_bytes) {
    const auto bytes = korvo::encoding::U256::from_str(std::string(text.substr(0, 2 + 2 * decoded_bytes)) +
                                                       std::string(64 - 2 * decoded_bytes, '0'))
                           .value()
                           .to_be_bytes();
    add_windows(std::span(bytes).first(decoded_bytes));
    add_text_windows(text.substr(2));
  }
};

#define EXPECT_NO_RESIDUE(residue)                        \
  do {                                                    \
    const Residue found = (residue);                      \
    EXPECT_EQ(found.heap, 0u) << "in freed heap blocks";  \
    EXPECT_EQ(found.stack, 0u) << "on the dead stack";    \
  } while (0)

TEST_F(Residues, PrivateKeyFromSeed) {
  const std::string seed = "a seed of thirty-two bytes or more, for the residue test";
  const std::string key = korvo::lib::private_key_from_seed(seed).value();
  add_field_windows(key_of(key));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::private_key_from_seed(seed); }, true));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::private_key_from_seed(seed.substr(0, 31)); }, false));
}

TEST_F(Residues, Sign) {
  add_signing_windows(kKey, message_bytes(kMessage));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign(kKey, kMessage); }, true));
  add_decoded_prefix_windows(kBadLastDigit, 31);
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign(kBadLastDigit, kMessage); }, false));
  add_decoded_prefix_windows(kAboveModulus, 32);
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign(kAboveModulus, kMessage); }, false));
}

TEST_F(Residues, SignRequests) {
  const auto hash = korvo::lib::hash_limit_order(kOrder).value();
  add_signing_windows(kKey, message_bytes(hash));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign_limit_order(kOrder, kKey); }, true));
  add_decoded_prefix_windows(kBadLastDigit, 31);
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign_limit_order(kOrder, kBadLastDigit); }, false));
  // A bad key is an internal failure here: the wipe must hold while unwinding.
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::sign_withdraw(kWithdraw, kBadLastDigit); }, false));
}

TEST_F(Residues, LayerOneSign) {
  add_signing_windows(kKey, message_bytes(kMessage));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::l1_sign(kMessage, kKey); }, true));
  // The key is read before the message, which then fails.
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::l1_sign("0xg", kKey); }, false));
}

TEST_F(Residues, PublicKeyOfPrivateKey) {
  add_field_windows(key_of(kKey));
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::private_key_to_pubkey_xy(kKey); }, true));
  add_decoded_prefix_windows(kAboveModulus, 32);
  EXPECT_NO_RESIDUE(run([&] { return korvo::lib::private_key_to_pubkey_xy(kAboveModulus); }, false));
}

// The check itself: a copy left in a freed block or on the stack is found.
TEST_F(Residues, TheScansFindALeftCopy) {
  add_field_windows(key_of(kKey));
  const Residue heap = run_scanned([] { delete new std::string(kKey); });
  EXPECT_GT(heap.heap, 0u);
  const Residue stack = run_scanned([] {
    char copy[80];
    std::memcpy(copy, kKey.data(), kKey.size());
    asm volatile("" : : "r"(copy) : "memory");  // the copy must be made
  });
  EXPECT_GT(stack.stack, 0u);
}

// Operations leave secrets in frames down to about 6 KiB below their entry
// (signing a request), and only the stack wipe clears what they do not wipe
// themselves: a copy left that deep is gone after the operation.
[[gnu::noinline]] void leave_a_copy_6_kib_down() {
  char frame[6 * 1024];
  std::memcpy(frame, kKey.data(), kKey.size());  // the frame's lowest addresses, the deepest
  asm volatile("" : : "r"(frame) : "memory");    // the copy must be made
}

TEST_F(Residues, TheStackWipeReachesAsDeepAsTheOperations) {
  add_field_windows(key_of(kKey));
  EXPECT_NO_RESIDUE(run_scanned([] { korvo::with_stack_wiped(leave_a_copy_6_kib_down); }));
}

}  // namespace

// Kept out of line: GCC at -O2 inlines malloc and free into the callers and
// then warns that a block from operator new is freed by the wrong function.
[[gnu::noinline]] void* operator new(std::size_t size) {
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* block) noexcept {
  scan_and_clear_freed(block);
  std::free(block);
}
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
  scan_and_clear_freed(block);
  std::free(block);
}
