#pragma once
// Private keys: derivation from a seed and parsing of key text.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "curve/fs.h"
#include "support/result.h"
#include "support/secret.h"

namespace korvo::tx {

// At least 32 seed bytes ("seed is too short" otherwise); the first candidate
// SHA-256(SHA-256(seed)) below the Fs modulus, each further candidate the
// SHA-256 of the rejected one. Returns "0x" and 64 lower-case digits, written
// in constant time straight into the returned text.
Result<std::string> private_key_from_seed(std::span<const std::uint8_t> seed);

// Every leading "0x" removed, then exactly 64 hex digits of either case whose
// big-endian value is below the Fs modulus. Read in constant time; only
// whether the text is a key, and if not why, is revealed.
Result<Secret<curve::Fs>> private_key_from_string(std::string_view text);

}  // namespace korvo::tx
