#include "poseidon/lazy_dot.h"

#include <array>
#include <bit>
#include <cstdint>
#include <type_traits>

#if defined(__x86_64__)
#include <x86intrin.h>
#endif

namespace korvo::poseidon {

using curve::Fr;
using curve::Limbs;

#if defined(__x86_64__)
namespace {

// A 512-bit sum, least significant limb first, followed by three limbs of
// scratch for the product being added.
using Wide = std::array<std::uint64_t, 11>;
using Core = curve::FieldCore<curve::FrParams>;

// The wide sum works on the stored (Montgomery) limbs, which Fr holds as its
// only member.
static_assert(sizeof(Fr) == sizeof(Limbs) && std::is_trivially_copyable_v<Fr>);

// One row of the schoolbook product: T0..T3 += rdx * a, the row's top limb
// lands in T4. Two carry chains (CF via adcx, OF via adox); xor clears both.
#define KORVO_WIDE_ROW(b_offset, T0, T1, T2, T3, T4)                                        \
  "xorl %%eax, %%eax\n\t"                                                                   \
  "movq " b_offset "(%[b]), %%rdx\n\t"                                                      \
  "mulxq 0(%[a]), %[lo], %[hi]\n\tadcxq %[lo], " T0 "\n\tadoxq %[hi], " T1 "\n\t"           \
  "mulxq 8(%[a]), %[lo], %[hi]\n\tadcxq %[lo], " T1 "\n\tadoxq %[hi], " T2 "\n\t"           \
  "mulxq 16(%[a]), %[lo], %[hi]\n\tadcxq %[lo], " T2 "\n\tadoxq %[hi], " T3 "\n\t"          \
  "mulxq 24(%[a]), %[lo], " T4 "\n\tadcxq %[lo], " T3 "\n\tadoxq %%rax, " T4 "\n\t"         \
  "adcxq %%rax, " T4 "\n\t"

// acc += a * b. The product's three lowest limbs are final before the last
// row and wait in the scratch limbs; the other five are still in registers.
void add_product(Wide& acc, const Limbs& a, const Limbs& b) {
  std::uint64_t t0 = 0, t1 = 0, t2 = 0, t3 = 0, t4, lo, hi, rax, rdx;
  // Operands are passed by address with a memory clobber: memory operands
  // would cost registers that unoptimised builds do not have to spare.
  asm volatile(KORVO_WIDE_ROW("0", "%[t0]", "%[t1]", "%[t2]", "%[t3]", "%[t4]")
      "movq %[t0], 64(%[acc])\n\t"
      KORVO_WIDE_ROW("8", "%[t1]", "%[t2]", "%[t3]", "%[t4]", "%[t0]")
      "movq %[t1], 72(%[acc])\n\t"
      KORVO_WIDE_ROW("16", "%[t2]", "%[t3]", "%[t4]", "%[t0]", "%[t1]")
      "movq %[t2], 80(%[acc])\n\t"
      KORVO_WIDE_ROW("24", "%[t3]", "%[t4]", "%[t0]", "%[t1]", "%[t2]")
      "movq 64(%[acc]), %[lo]\n\taddq %[lo], 0(%[acc])\n\t"
      "movq 72(%[acc]), %[lo]\n\tadcq %[lo], 8(%[acc])\n\t"
      "movq 80(%[acc]), %[lo]\n\tadcq %[lo], 16(%[acc])\n\t"
      "adcq %[t3], 24(%[acc])\n\tadcq %[t4], 32(%[acc])\n\tadcq %[t0], 40(%[acc])\n\t"
      "adcq %[t1], 48(%[acc])\n\tadcq %[t2], 56(%[acc])\n\t"
      : [t0] "+&r"(t0), [t1] "+&r"(t1), [t2] "+&r"(t2), [t3] "+&r"(t3), [t4] "=&r"(t4),
        [lo] "=&r"(lo), [hi] "=&r"(hi), "=&a"(rax), "=&d"(rdx)
      : [a] "r"(a.data()), [b] "r"(b.data()), [acc] "r"(acc.data())
      : "cc", "memory");
}

#undef KORVO_WIDE_ROW

// Montgomery reduction of lo + hi * 2^256: lo * R^-1 + hi. Nine products of
// values below p sum to less than 9p^2 < 2^511, so nothing carries out of
// the top limb and hi is below 2p.
Fr reduce(const Wide& t) {
  const Limbs lo{t[0], t[1], t[2], t[3]};
  const Limbs hi{t[4], t[5], t[6], t[7]};
  return std::bit_cast<Fr>(Core::add(Core::mul(Limbs{1, 0, 0, 0}, lo), Core::reduce_once(hi)));
}

}  // namespace
#endif

Fr dot(const State& a, const State& b) {
#if defined(__x86_64__)
  if (curve::kCpuHasAdx) {
    Wide acc{};
    for (std::size_t k = 0; k < kWidth; ++k) {
      add_product(acc, std::bit_cast<Limbs>(a[k]), std::bit_cast<Limbs>(b[k]));
    }
    return reduce(acc);
  }
#endif
  return dot_portable(a, b);
}

Fr dot_portable(const State& a, const State& b) {
  Fr sum = a[0] * b[0];
  for (std::size_t k = 1; k < kWidth; ++k) sum += a[k] * b[k];
  return sum;
}

}  // namespace korvo::poseidon
