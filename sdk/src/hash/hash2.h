#pragma once

#include "encoding/u256.h"

namespace korvo::hash {

// The hash of two words, each with bit 255 cleared and reduced modulo p.
encoding::U256 hash2(const encoding::U256& a, const encoding::U256& b);

}  // namespace korvo::hash
