#pragma once
// The signing nonce, derived from the private key and the message alone with
// HMAC-SHA-256, so that signing needs no randomness and repeats exactly.

#include <cstdint>
#include <span>

#include "curve/fs.h"

namespace korvo::tx {

struct Seed {
  curve::Fs value;

  static Seed deterministic_seed(const curve::Fs& sk, std::span<const std::uint8_t> msg);
};

}  // namespace korvo::tx
