#pragma once
// Lanes of doubles, and their bits, in the compiler's vector types, for the
// engine's own sine, cosine and arctangent. Each operation on them works lane
// by lane, on a vector or on a plain double alike, and gives the same bits at
// every width; everything is built without fused multiply-adds, so the bits
// are the same on every machine too.
//
// The vector runs are taken on x86-64 only, where SSE2 gives two lanes and
// AVX2 four; on other processors, or with cmake -DSALTMARK_VECTOR=OFF, the
// engine works one double at a time through the same code.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__x86_64__) && !defined(SALTMARK_NO_VECTOR)
#define SALTMARK_X86_LANES 1
#else
#define SALTMARK_X86_LANES 0
#endif

namespace saltmark::lanes {

using Double2 = double __attribute__((vector_size(16)));
using Bits2 = std::uint64_t __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));
using Bits4 = std::uint64_t __attribute__((vector_size(32)));

// The same bits seen as another type of the same size (a copy, which the
// compiler turns into nothing; std::bit_cast trips the undefined-behaviour
// checker on vector types).
template <class To, class From>
[[gnu::always_inline]] inline To sameBits(From value) {
  static_assert(sizeof(To) == sizeof(From));
  To result;
  std::memcpy(&result, &value, sizeof result);
  return result;
}

#if SALTMARK_X86_LANES
// A run over arrays in two lanes, or in four where the processor has AVX2.
template <class Run>
Run widestOf(Run twoLanes, Run fourLanes) {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? fourLanes : twoLanes;
}
#endif

template <class Real>
inline constexpr std::size_t kLaneCount = sizeof(Real) / sizeof(double);

// a where the mask is set, b elsewhere; the mask is a comparison's result
// (a bool for a plain double).
template <class Real, class Bits, class Mask>
[[gnu::always_inline]] inline Real choose(Mask mask, Real a, Real b) {
  if constexpr (std::is_same_v<Mask, bool>) {
    return mask ? a : b;
  } else {
    const Bits m = sameBits<Bits>(mask);
    return sameBits<Real>((sameBits<Bits>(a) & m) | (sameBits<Bits>(b) & ~m));
  }
}

}  // namespace saltmark::lanes
