#pragma once
// The reducer of the hasher: a message word to the field element it adds.

#include "curve/fr.h"
#include "encoding/u256.h"

namespace korvo::zkw {

// The word with bit 255 cleared, reduced modulo p: its limbs l0..l3 (least
// significant first) give l0 + l1 * 2^64 + l2 * 2^128 + l3 * 2^192 mod p.
// Constant-time, though the hasher only hands it public message data.
curve::Fr message_element(const encoding::U256& word);

}  // namespace korvo::zkw
