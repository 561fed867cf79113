#pragma once
// The verification form of a signature: R as a point, S as a scalar.

#include "tx/eddsa.h"
#include "tx/jubjub_signature.h"

namespace korvo::tx {

// R must be a curve point with coordinates below r and S must be below s;
// anything else is an internal failure.
Signature<curve::Unknown> packed_signature(const JubjubSignature& signature);

}  // namespace korvo::tx
