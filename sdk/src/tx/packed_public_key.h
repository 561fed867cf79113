#pragma once
// Packed public keys: the 32-byte point compression read as a little-endian
// integer (affine y in bits 0-254, the parity of affine x in bit 255).

#include "curve/fr.h"
#include "curve/point.h"
#include "encoding/u256.h"
#include "tx/baby_jubjub_point.h"

namespace korvo::tx {

struct PackedPublicKey {
  encoding::U256 value;
};

// Affine coordinates of the key. A non-zero value below 2^160 is taken as
// (0, value) without decompression or curve check; anything else must
// decompress (an internal failure otherwise).
BabyJubjubPoint to_baby_jubjub_point(const PackedPublicKey& key);

// Whether to_baby_jubjub_point takes the key as (0, value) unchecked.
bool skips_decompression(const PackedPublicKey& key);

// A public key point in the two forms the SDK reports: the packed key and the
// affine x. One inversion serves both.
struct PublicKeyForms {
  PackedPublicKey packed;
  curve::Fr x;
};
PublicKeyForms public_key_forms(const curve::Point<curve::PrimeOrder>& point);

}  // namespace korvo::tx
