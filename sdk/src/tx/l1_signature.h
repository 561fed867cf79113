#pragma once

#include <string>
#include <string_view>

#include "support/result.h"

namespace korvo::tx {

// The layer-1 signature record; every member is "0x" and 64 lower-case digits.
// pk_x is the packed public key, pk_y the affine x of the public key point.
struct L1Signature {
  std::string x;
  std::string y;
  std::string s;
  std::string pk_x;
  std::string pk_y;
};

// Signs `msg` exactly as `sign` does and reports R, S and the key pair.
Result<L1Signature> l1_sign(std::string_view msg, std::string_view private_key);

}  // namespace korvo::tx
