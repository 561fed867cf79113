#include "tx/sha256_state.h"

#include <cstring>

#include "support/failure.h"
#include "support/secret.h"

#if defined(KORVO_STATIC_CRYPTO)
extern "C" void OPENSSL_cpuid_setup();
#endif

namespace korvo::tx {

namespace {
constexpr const char* kFailure = "HMAC can take key of any size";

#if defined(KORVO_STATIC_CRYPTO)
// libcrypto's archive learns the processor's features (the SHA extensions,
// AVX2) from a call it puts in the `.init` section, which runs only where the
// linker gives the shared object a DT_INIT entry; zig's linker (the wheels')
// gives none, and SHA-256 then takes its feature-free code, about four times
// slower. A constructor runs from .init_array on every linker; a second call
// does nothing.
[[gnu::constructor]] void detect_crypto_features() { OPENSSL_cpuid_setup(); }
#endif
}  // namespace

Sha256State::Sha256State() { ensure(SHA256_Init(&ctx_) == 1, kFailure); }

Sha256State::~Sha256State() { wipe(ctx_); }

void Sha256State::update(std::span<const std::uint8_t> data) {
  ensure(SHA256_Update(&ctx_, data.data(), data.size()) == 1, kFailure);
}

std::array<std::uint8_t, 32> Sha256State::finish() {
  std::array<std::uint8_t, 32> digest;
  ensure(SHA256_Final(digest.data(), &ctx_) == 1, kFailure);
  return digest;
}

// A whole block into an empty buffer goes straight to the block function.
void Sha256State::compress(std::span<const std::uint8_t, 64> block) { update(block); }

std::array<std::uint8_t, 32> Sha256State::chaining_value() const {
  std::array<std::uint8_t, 32> out;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::uint32_t word = __builtin_bswap32(ctx_.h[i]);
    std::memcpy(out.data() + 4 * i, &word, 4);
  }
  return out;
}

std::array<std::uint8_t, 32> sha256(std::span<const std::uint8_t> data) {
  Sha256State state;
  state.update(data);
  return state.finish();
}

}  // namespace korvo::tx
