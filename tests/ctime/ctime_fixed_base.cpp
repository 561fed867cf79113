// Runs the secret-scalar paths on scalars that memcheck treats as undefined:
// the fixed-base product with its compression, and the scalar arithmetic of
// a signature (S = c*sk + r). Any branch or table index that depends on the
// secret makes valgrind report an error. Results are compared with the
// variable-time method once marked defined again.
#include <cstdio>
#include <cstring>

#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "marks.h"

namespace {

using korvo::ctime::mark_public;
using korvo::ctime::mark_secret;
using korvo::curve::Fs;
using korvo::curve::FsRepr;

// Through the shared table, and through a table of its own read each way
// the processor supports.
bool check_fixed_base(const FsRepr& scalar) {
  using Table = korvo::curve::FixedBaseTable;
  const auto& params = korvo::curve::jubjub_params();
  const auto expected = mul_var(params.signing_generator(), scalar, params).to_le_bytes();
  // The compressed product of a secret copy of the scalar, made public again.
  const auto product_of_secret = [&](auto multiply) {
    FsRepr secret = scalar;
    mark_secret(secret);
    auto bytes = multiply(secret).to_le_bytes();
    mark_public(bytes);
    return bytes;
  };
  static const Table table(params.signing_generator(), params);
  bool all_equal = product_of_secret([&](const FsRepr& k) { return params.mul_generator_ct(k); }) == expected;
  for (const auto read : {Table::RowRead::kLanes16, Table::RowRead::kLanes32}) {
    if (!Table::supported(read)) continue;
    all_equal = all_equal && product_of_secret([&](const FsRepr& k) { return table.mul(k, read); }) == expected;
  }
  return all_equal;
}

bool check_scalar_arithmetic(const FsRepr& sk_repr, const FsRepr& r_repr) {
  const Fs c = Fs::from_u64(0x1234567);
  const Fs expected = c * Fs::from_limbs(sk_repr).value() + Fs::from_limbs(r_repr).value();
  Fs sk = Fs::from_limbs(sk_repr).value();
  Fs r = Fs::from_limbs(r_repr).value();
  mark_secret(sk);
  mark_secret(r);
  Fs s = c * sk + r;
  s = s - r + r;
  s = -(-s);
  mark_public(s);
  return s == expected;
}

}  // namespace

int main() {
  // Builds the shared parameters and table from public data first.
  korvo::curve::jubjub_params();

  const FsRepr scalars[] = {
      {0, 0, 0, 0},
      {1, 0, 0, 0},
      {0x677297dc392126f0, 0xab3eedb83920ee0a, 0x370a08b6d0302b0b, 0x060c89ce5c263405},
      {~0ull, ~0ull, ~0ull, ~0ull},
      {0x0123456789abcdef, 0xfedcba9876543210, 0x0f1e2d3c4b5a6978, 0x0302010004050607},
  };
  int failures = 0;
  for (const FsRepr& k : scalars) failures += !check_fixed_base(k);
  failures += !check_scalar_arithmetic(scalars[4], scalars[2]);
  std::printf("%s\n", failures == 0 ? "constant-time checks passed" : "constant-time checks: wrong results");
  return failures == 0 ? 0 : 1;
}
