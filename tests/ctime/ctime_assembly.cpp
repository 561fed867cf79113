// The assembly Montgomery products (mulx/adcx/adox) on operands that memcheck
// treats as undefined. valgrind hides ADX from CPUID, so under it the SDK
// takes the portable products; this program calls the assembly directly, for
// both fields. Results are compared with the portable products once marked
// defined again.
#include <cstdio>

#include "curve/field_core.h"
#include "curve/fr.h"
#include "curve/fs.h"
#include "marks.h"

namespace {

using korvo::ctime::mark_public;
using korvo::ctime::mark_secret;

using korvo::curve::Limbs;

#if defined(KORVO_HAS_MUL_ADX)
template <class P>
bool check_products(Limbs a, Limbs b) {
  using Core = korvo::curve::FieldCore<P>;
  const Limbs product = Core::mul_portable(a, b);
  const Limbs square = Core::mul_portable(a, a);
  mark_secret(a);
  mark_secret(b);
  Limbs adx_product = Core::reduce_once(korvo::curve::montgomery_mul_adx(a, b, P::MODULUS, P::INV));
  Limbs adx_square = Core::reduce_once(korvo::curve::montgomery_square_adx(a, P::MODULUS, P::INV));
  mark_public(adx_product);
  mark_public(adx_square);
  return adx_product == product && adx_square == square;
}
#endif

}  // namespace

int main() {
#if defined(KORVO_HAS_MUL_ADX)
  // Operands below both moduli, with long runs of set and clear bits.
  const Limbs operands[][2] = {
      {{0, 0, 0, 0}, {1, 0, 0, 0}},
      {{~0ull, ~0ull, ~0ull, 0x05ffffffffffffff}, {~0ull, ~0ull, ~0ull, 0x05ffffffffffffff}},
      {{0x677297dc392126f0, 0xab3eedb83920ee0a, 0x370a08b6d0302b0b, 0x060c89ce5c263404},
       {0x0123456789abcdef, 0xfedcba9876543210, 0x0f1e2d3c4b5a6978, 0x0302010004050607}},
      {{1, 0, 0, 0x0400000000000000}, {0, ~0ull, 0, 0x0000ffff00000000}},
  };
  int failures = 0;
  for (const auto& [a, b] : operands) {
    failures += !check_products<korvo::curve::FsParams>(a, b);
    failures += !check_products<korvo::curve::FrParams>(a, b);
  }
  std::printf("%s\n", failures == 0 ? "constant-time assembly checks passed" : "assembly checks: wrong results");
  return failures == 0 ? 0 : 1;
#else
  std::printf("no assembly products in this build\n");
  return 0;
#endif
}
