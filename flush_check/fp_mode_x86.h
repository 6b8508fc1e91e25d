// x86, 32- and 64-bit: the SSE control and status register, MXCSR.
//
// On 64-bit x86, SSE and SSE2 are part of the architecture. On 32-bit x86
// they are not: the program asks the processor (CPUID) before it touches
// MXCSR, and only the functions that need SSE2 are compiled for it, so that
// nothing runs an SSE instruction before the check. Not every SSE processor
// has DAZ either, and setting an MXCSR bit it lacks faults: FXSAVE's
// MXCSR_MASK tells.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(_MSC_VER) && !defined(__clang__)
#include <immintrin.h>
#include <intrin.h>
#else
#if defined(_WIN32)
#include <intrin.h> // mingw: before <cpuid.h>, whose __cpuid it would clash with
#endif
#include <cpuid.h>
#include <emmintrin.h>
#endif

using FpModeBits = std::uint32_t;

inline constexpr FpModeBits kFlushToZero = 0x8000;      // FTZ: denormal results become zero
inline constexpr FpModeBits kDenormalsAreZero = 0x0040; // DAZ: denormal operands read as zero

// Functions that run SSE2 instructions. (32-bit MSVC assumes SSE2 throughout.)
#if defined(FLUSH_CHECK_ARCH_X86_32) && defined(__GNUC__)
#define FLUSH_CHECK_PROBE_UNIT_CODE __attribute__((target("sse2")))
#else
#define FLUSH_CHECK_PROBE_UNIT_CODE
#endif

FLUSH_CHECK_PROBE_UNIT_CODE inline FpModeBits read_fp_mode() { return _mm_getcsr(); }
FLUSH_CHECK_PROBE_UNIT_CODE inline void write_fp_mode(FpModeBits bits) { _mm_setcsr(bits); }

// Multiplies on the SSE unit whatever the compiler's flags: plain double
// arithmetic may go to the x87 unit (the default on 32-bit x86, or
// -mfpmath=387), which ignores MXCSR.
FLUSH_CHECK_PROBE_UNIT_CODE inline double fp_multiply(double a, double b) {
    return _mm_cvtsd_f64(_mm_mul_sd(_mm_set_sd(a), _mm_set_sd(b)));
}

inline constexpr const char* kProbeUnitName = "SSE2";

// Optional processor features, as bits of a feature set.
inline constexpr std::uint64_t kFeatureSse = 1;
inline constexpr std::uint64_t kFeatureSse2 = 2;

#if defined(FLUSH_CHECK_ARCH_X86_32)
inline constexpr std::uint64_t kRequiredFeatures = kFeatureSse | kFeatureSse2;
#else
inline constexpr std::uint64_t kRequiredFeatures = 0;
#endif

// CPUID leaf 1, EDX.
inline constexpr std::uint32_t kCpuidFxsr = std::uint32_t{1} << 24; // FXSAVE
inline constexpr std::uint32_t kCpuidSse = std::uint32_t{1} << 25;
inline constexpr std::uint32_t kCpuidSse2 = std::uint32_t{1} << 26;

// The MXCSR_MASK a processor that stores zero there means.
inline constexpr std::uint32_t kDefaultMxcsrMask = 0xFFBF;

// What the program may use on an x86 processor.
struct X86Facts {
    std::uint64_t features;  // kFeatureSse, kFeatureSse2
    FpModeBits flush_bits;   // the flushing bits MXCSR accepts
};

// Works the facts out from CPUID leaf 1's EDX and the MXCSR_MASK that FXSAVE
// stored (0 where the processor has no FXSAVE).
constexpr X86Facts x86_facts(std::uint32_t cpuid1_edx, std::uint32_t mxcsr_mask) {
    X86Facts facts{0, 0};
    if (cpuid1_edx & kCpuidSse2) facts.features |= kFeatureSse2;
    if (!(cpuid1_edx & kCpuidSse)) return facts; // no MXCSR at all
    facts.features |= kFeatureSse;
    facts.flush_bits = kFlushToZero;
    if ((mxcsr_mask != 0 ? mxcsr_mask : kDefaultMxcsrMask) & kDenormalsAreZero) {
        facts.flush_bits |= kDenormalsAreZero;
    }
    return facts;
}

// CPUID leaf 1's EDX, or 0 where the processor has no leaf 1.
inline std::uint32_t cpuid_leaf1_edx() {
#if defined(_MSC_VER) && !defined(__clang__)
    int registers[4];
    __cpuid(registers, 0); // __cpuid does not check the highest leaf itself
    if (registers[0] < 1) return 0;
    __cpuid(registers, 1);
    return static_cast<std::uint32_t>(registers[3]);
#else
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) ? edx : 0;
#endif
}

// MXCSR_MASK, from an FXSAVE image; only where CPUID reports FXSAVE.
inline std::uint32_t fxsave_mxcsr_mask() {
    // Static, not on the stack: FXSAVE needs 16-byte alignment, and 32-bit
    // Windows keeps the stack aligned to 4 bytes only.
    alignas(16) static unsigned char image[512];
    std::memset(image, 0, sizeof image);
#if defined(_MSC_VER) && !defined(__clang__)
    _fxsave(image);
#else
    __asm__ __volatile__("fxsave %0" : "=m"(image));
#endif
    std::uint32_t mask = 0;
    std::memcpy(&mask, image + 28, sizeof mask);
    return mask;
}

inline X86Facts this_processor() {
    const std::uint32_t edx = cpuid_leaf1_edx();
    return x86_facts(edx, (edx & kCpuidFxsr) ? fxsave_mxcsr_mask() : 0);
}

inline std::uint64_t present_features() { return this_processor().features; }
inline FpModeBits supported_flush_bits() { return this_processor().flush_bits; }
