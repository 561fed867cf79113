#pragma once
// Signature records: JubjubSignature (R affine, S canonical) as the signing
// operations return it, and its transport forms.

#include <string>
#include <string_view>

#include "encoding/u256.h"
#include "tx/baby_jubjub_point.h"

namespace korvo::tx {

struct JubjubSignature {
  BabyJubjubPoint r;
  encoding::U256 s;

  // Reads the r and s texts ("0x"/"0X" prefixes removed); every failure,
  // including an r that does not decompress, is an internal failure.
  static JubjubSignature from_str(std::string_view r_text, std::string_view s_text);
};

}  // namespace korvo::tx
