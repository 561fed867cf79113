#pragma once
// The key operations on text: the key text pair of a packed key or of a
// private key, and the consistency test of such a pair. In a pair, `x` is the
// packed key and `y` the point's affine x coordinate.

#include <string_view>

#include "support/result.h"
#include "tx/key_text_pair.h"

namespace korvo::tx {

// {"0x" + the key text after prefix removal (as given), "0x" + 64 lower-case
// digits of affine x}. Parse errors are returned; a key that does not
// decompress is an internal failure.
Result<KeyTextPair> pub_key_to_xy(std::string_view text);

// The pair of sk * G; the packed key always in 64 zero-padded digits.
Result<KeyTextPair> private_key_to_pubkey_xy(std::string_view private_key);

// True when pub_key_to_xy(x) gives back exactly x and y (byte-wise, after
// prefix removal on both sides).
Result<bool> is_on_curve(std::string_view x, std::string_view y);

}  // namespace korvo::tx
