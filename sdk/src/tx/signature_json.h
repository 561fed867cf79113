#pragma once
// Compact JSON forms of the signature records.

#include <string>

#include "tx/jubjub_signature.h"
#include "tx/l1_signature.h"

namespace korvo::tx {

// {"r": packed R, "s": S}, 147 characters.
std::string to_json(const JubjubSignature& signature);
// {"x","y","s","pk_x","pk_y"}, 372 characters.
std::string to_json(const L1Signature& signature);

}  // namespace korvo::tx
