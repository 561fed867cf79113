#pragma once
// Montgomery product, square and reduction with the BMI2/ADX instructions
// (mulx, adcx, adox): two independent carry chains per row. Straight-line
// code, so the timing does not depend on the operands. Used only when the
// processor reports both features (runs_mul_adx, at the end).

#include <cstdint>
#include <type_traits>

#include "curve/limbs.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

// Whether the assembly is compiled is decided in one place, the build
// (sdk/CMakeLists.txt), the same way for every compiler: it defines
// KORVO_MUL_ASM where the optimisation level and the absence of sanitizers
// leave the registers the assembly needs.
#if defined(__x86_64__) && defined(KORVO_MUL_ASM)
#define KORVO_HAS_MUL_ADX
#endif

namespace korvo::curve {

#if defined(KORVO_HAS_MUL_ADX)

namespace detail {

// CPUID leaf 7: BMI2 is bit 8 and ADX bit 19 of EBX.
inline const bool kCpuHasAdx = [] {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx)) return false;
  return (ebx >> 8 & 1) != 0 && (ebx >> 19 & 1) != 0;
}();

}  // namespace detail

// One row: t[0..4] += rdx * src[0..3]; rax is zeroed, which also clears CF and OF.
#define KORVO_ADX_ROW(src, T0, T1, T2, T3, T4)                                        \
  "xorl %%eax, %%eax\n\t"                                                             \
  "mulxq 0(" src "), %[lo], %[hi]\n\tadcxq %[lo], " T0 "\n\tadoxq %[hi], " T1 "\n\t"  \
  "mulxq 8(" src "), %[lo], %[hi]\n\tadcxq %[lo], " T1 "\n\tadoxq %[hi], " T2 "\n\t"  \
  "mulxq 16(" src "), %[lo], %[hi]\n\tadcxq %[lo], " T2 "\n\tadoxq %[hi], " T3 "\n\t" \
  "mulxq 24(" src "), %[lo], %[hi]\n\tadcxq %[lo], " T3 "\n\tadoxq %[hi], " T4 "\n\t" \
  "adcxq %%rax, " T4 "\n\t"

// One CIOS step for limb `offset` of b: add a*b[i], then m*q with
// m = t0*INV, which clears t0; the next step uses the registers rotated by one.
#define KORVO_ADX_STEP(offset, T0, T1, T2, T3, T4)                             \
  "movq " offset "(%[b]), %%rdx\n\t" KORVO_ADX_ROW("%[a]", T0, T1, T2, T3, T4) \
  "movq " T0 ", %%rdx\n\timulq %[inv], %%rdx\n\t" KORVO_ADX_ROW("%[q]", T0, T1, T2, T3, T4)

// The first step starts from t = 0, so a*b[0] needs no accumulation.
#define KORVO_ADX_FIRST_STEP                                                \
  "movq 0(%[b]), %%rdx\n\t"                                                 \
  "mulxq 0(%[a]), %[t0], %[t1]\n\t"                                         \
  "mulxq 8(%[a]), %[lo], %[t2]\n\taddq %[lo], %[t1]\n\t"                    \
  "mulxq 16(%[a]), %[lo], %[t3]\n\tadcq %[lo], %[t2]\n\t"                   \
  "mulxq 24(%[a]), %[lo], %[t4]\n\tadcq %[lo], %[t3]\n\tadcq $0, %[t4]\n\t" \
  "movq %[t0], %%rdx\n\timulq %[inv], %%rdx\n\t" KORVO_ADX_ROW("%[q]", "%[t0]", "%[t1]", "%[t2]", "%[t3]", "%[t4]")

// a*b*2^-256 mod q, below 2q; same operand bounds as the portable product.
[[gnu::always_inline]] inline Limbs montgomery_mul_adx(const Limbs& a, const Limbs& b, const Limbs& q,
                                                       std::uint64_t inv) {
  std::uint64_t t0, t1, t2, t3, t4, lo, hi, rax, rdx;
  asm(KORVO_ADX_FIRST_STEP
          KORVO_ADX_STEP("8", "%[t1]", "%[t2]", "%[t3]", "%[t4]", "%[t0]")
              KORVO_ADX_STEP("16", "%[t2]", "%[t3]", "%[t4]", "%[t0]", "%[t1]")
                  KORVO_ADX_STEP("24", "%[t3]", "%[t4]", "%[t0]", "%[t1]", "%[t2]")
      : [t0] "=&r"(t0), [t1] "=&r"(t1), [t2] "=&r"(t2), [t3] "=&r"(t3), [t4] "=&r"(t4),
        [lo] "=&r"(lo), [hi] "=&r"(hi), "=&a"(rax), "=&d"(rdx)
      : [a] "r"(a.data()), [b] "r"(b.data()), [q] "r"(q.data()), [inv] "r"(inv), "m"(a), "m"(b), "m"(q)
      : "cc");
  return {t4, t0, t1, t2};
}

// One Montgomery reduction step: t += m*q with m = t0*INV, which clears t0
// (q and INV read from memory operands).
#define KORVO_ADX_REDUCE(T0, T1, T2, T3, T4)                                    \
  "movq " T0 ", %%rdx\n\timulq %[inv], %%rdx\n\txorl %%eax, %%eax\n\t"          \
  "mulxq %[q0], %[lo], %[hi]\n\tadcxq %[lo], " T0 "\n\tadoxq %[hi], " T1 "\n\t" \
  "mulxq %[q1], %[lo], %[hi]\n\tadcxq %[lo], " T1 "\n\tadoxq %[hi], " T2 "\n\t" \
  "mulxq %[q2], %[lo], %[hi]\n\tadcxq %[lo], " T2 "\n\tadoxq %[hi], " T3 "\n\t" \
  "mulxq %[q3], %[lo], %[hi]\n\tadcxq %[lo], " T3 "\n\tadoxq %[hi], " T4 "\n\t" \
  "adcxq %%rax, " T4 "\n\t"

// The Montgomery reduction of low + high * 2^256, not fully reduced:
// high + (low + m*q)/2^256, where the second term is at most q. Returns the
// low 256 bits; `carry` gets the bit above them.
[[gnu::always_inline]] inline Limbs montgomery_reduce_adx(const Limbs& low, const Limbs& high, const Limbs& q,
                                                          std::uint64_t inv, std::uint64_t& carry) {
  std::uint64_t r0 = low[0], r1 = low[1], r2 = low[2], r3 = low[3], z, lo, hi, rax, rdx;
  asm("xorl %k[z], %k[z]\n\t"
      KORVO_ADX_REDUCE("%[r0]", "%[r1]", "%[r2]", "%[r3]", "%[z]")
      KORVO_ADX_REDUCE("%[r1]", "%[r2]", "%[r3]", "%[z]", "%[r0]")
      KORVO_ADX_REDUCE("%[r2]", "%[r3]", "%[z]", "%[r0]", "%[r1]")
      KORVO_ADX_REDUCE("%[r3]", "%[z]", "%[r0]", "%[r1]", "%[r2]")
      "addq %[h0], %[z]\n\tadcq %[h1], %[r0]\n\tadcq %[h2], %[r1]\n\tadcq %[h3], %[r2]\n\t"
      "movl $0, %k[r3]\n\tadcq $0, %[r3]\n\t"
      : [r0] "+&r"(r0), [r1] "+&r"(r1), [r2] "+&r"(r2), [r3] "+&r"(r3), [z] "=&r"(z), [lo] "=&r"(lo),
        [hi] "=&r"(hi), "=&a"(rax), "=&d"(rdx)
      : [h0] "r"(high[0]), [h1] "r"(high[1]), [h2] "r"(high[2]), [h3] "r"(high[3]), [q0] "m"(q[0]),
        [q1] "m"(q[1]), [q2] "m"(q[2]), [q3] "m"(q[3]), [inv] "m"(inv)
      : "cc");
  carry = r3;
  return {z, r0, r1, r2};
}

// a^2 as low + high * 2^256: ten products (six cross products doubled, four
// diagonal ones). A statement of its own, apart from the reduction: together
// they need more registers than clang's allocator finds.
[[gnu::always_inline]] inline void square_wide_adx(const Limbs& a, Limbs& low, Limbs& high) {
  std::uint64_t r0, r1, r2, r3, r4, r5, r6, r7, lo, hi, rax, rdx;
  asm(
      // Cross products a0*(a1, a2, a3) at limbs 1..4.
      "movq %[a0], %%rdx\n\t"
      "xorl %%eax, %%eax\n\t"
      "mulxq %[a1], %[r1], %[r2]\n\t"
      "mulxq %[a2], %[lo], %[r3]\n\t"
      "adcxq %[lo], %[r2]\n\t"
      "mulxq %[a3], %[lo], %[r4]\n\t"
      "adcxq %[lo], %[r3]\n\t"
      "adcxq %%rax, %[r4]\n\t"
      // a1*(a2, a3) at limbs 3..5.
      "movq %[a1], %%rdx\n\t"
      "xorl %%eax, %%eax\n\t"
      "mulxq %[a2], %[lo], %[hi]\n\t"
      "adcxq %[lo], %[r3]\n\t"
      "adoxq %[hi], %[r4]\n\t"
      "mulxq %[a3], %[lo], %[r5]\n\t"
      "adcxq %[lo], %[r4]\n\t"
      "adoxq %%rax, %[r5]\n\t"
      "adcxq %%rax, %[r5]\n\t"
      // a2*a3 at limbs 5..6.
      "movq %[a2], %%rdx\n\t"
      "mulxq %[a3], %[lo], %[r6]\n\t"
      "xorl %%eax, %%eax\n\t"
      "adcxq %[lo], %[r5]\n\t"
      "adcxq %%rax, %[r6]\n\t"
      // Double the cross products (CF chain) while adding the squares (OF chain).
      "movq %[a0], %%rdx\n\t"
      "mulxq %%rdx, %[r0], %[hi]\n\t"
      "xorl %%eax, %%eax\n\t"
      "movq %%rax, %[r7]\n\t"
      "adcxq %[r1], %[r1]\n\t"
      "adoxq %[hi], %[r1]\n\t"
      "movq %[a1], %%rdx\n\t"
      "mulxq %%rdx, %[lo], %[hi]\n\t"
      "adcxq %[r2], %[r2]\n\t"
      "adoxq %[lo], %[r2]\n\t"
      "adcxq %[r3], %[r3]\n\t"
      "adoxq %[hi], %[r3]\n\t"
      "movq %[a2], %%rdx\n\t"
      "mulxq %%rdx, %[lo], %[hi]\n\t"
      "adcxq %[r4], %[r4]\n\t"
      "adoxq %[lo], %[r4]\n\t"
      "adcxq %[r5], %[r5]\n\t"
      "adoxq %[hi], %[r5]\n\t"
      "movq %[a3], %%rdx\n\t"
      "mulxq %%rdx, %[lo], %[hi]\n\t"
      "adcxq %[r6], %[r6]\n\t"
      "adoxq %[lo], %[r6]\n\t"
      "adcxq %[r7], %[r7]\n\t"
      "adoxq %[hi], %[r7]\n\t"
      : [r0] "=&r"(r0), [r1] "=&r"(r1), [r2] "=&r"(r2), [r3] "=&r"(r3), [r4] "=&r"(r4), [r5] "=&r"(r5),
        [r6] "=&r"(r6), [r7] "=&r"(r7), [lo] "=&r"(lo), [hi] "=&r"(hi), "=&a"(rax), "=&d"(rdx)
      : [a0] "m"(a[0]), [a1] "m"(a[1]), [a2] "m"(a[2]), [a3] "m"(a[3])
      : "cc");
  low = {r0, r1, r2, r3};
  high = {r4, r5, r6, r7};
}

// a^2*2^-256 mod q, below 2q, for a below q: high + (low + m*q)/2^256 with
// high below q and the second term at most q, so nothing carries out.
[[gnu::always_inline]] inline Limbs montgomery_square_adx(const Limbs& a, const Limbs& q, std::uint64_t inv) {
  Limbs low, high;
  square_wide_adx(a, low, high);
  std::uint64_t carry;
  return montgomery_reduce_adx(low, high, q, inv, carry);
}

#undef KORVO_ADX_REDUCE
#undef KORVO_ADX_STEP
#undef KORVO_ADX_FIRST_STEP
#undef KORVO_ADX_ROW

#endif

// The one choice between the assembly above and the portable code, for the
// product, the square and the reduction alike, the same for every compiler:
// the assembly where the build has it and the processor reports BMI2 and
// ADX; the portable code on other processors and in constant evaluation.
[[gnu::always_inline]] constexpr bool runs_mul_adx() {
#if defined(KORVO_HAS_MUL_ADX)
  return !std::is_constant_evaluated() && __builtin_expect(detail::kCpuHasAdx, 1);
#else
  return false;
#endif
}

}  // namespace korvo::curve
