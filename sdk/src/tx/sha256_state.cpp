#include "tx/sha256_state.h"

#include "support/failure.h"
#include "support/secret.h"

namespace korvo::tx {

namespace {
constexpr const char* kFailure = "HMAC can take key of any size";
}

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

std::array<std::uint8_t, 32> sha256(std::span<const std::uint8_t> data) {
  Sha256State state;
  state.update(data);
  return state.finish();
}

}  // namespace korvo::tx
