#include "ui/VectorUnitState.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ORVANE_X86_VECTOR_STATE 1
#endif

namespace orvane {

#ifdef ORVANE_X86_VECTOR_STATE
namespace {

// Built for AVX alone, and reached only when the processor has it.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

}  // namespace

void ClearUpperVectorState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpper();
}
#else
void ClearUpperVectorState() { }
#endif

}  // namespace orvane
