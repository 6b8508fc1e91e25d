// The one platform-dependent piece of flush_check: access to the processor's
// floating-point mode register, the multiplication the probe runs on the unit
// that register governs, and a stand-in for the compiler run time's processor
// initialization. Everything else in the program is plain, portable C++.
#pragma once

#include <cassert>
#include <cstdint>

#if defined(__x86_64__) || defined(_M_X64)

// x86-64: the SSE control and status register, MXCSR.
#include <emmintrin.h>

using FpModeBits = std::uint32_t;

inline constexpr FpModeBits kFlushToZero = 0x8000;      // FTZ: denormal results become zero
inline constexpr FpModeBits kDenormalsAreZero = 0x0040; // DAZ: denormal operands read as zero

inline FpModeBits read_fp_mode() { return _mm_getcsr(); }
inline void write_fp_mode(FpModeBits bits) { _mm_setcsr(bits); }

// Multiplies on the SSE unit whatever the compiler's flags: plain double
// arithmetic may go to the x87 unit (g++ -mfpmath=387), which ignores MXCSR.
inline double fp_multiply(double a, double b) {
    return _mm_cvtsd_f64(_mm_mul_sd(_mm_set_sd(a), _mm_set_sd(b)));
}

#elif defined(__aarch64__) || defined(_M_ARM64)

// AArch64: the floating-point control register, FPCR. Its FZ bit both
// flushes denormal results and reads denormal operands as zero, so it
// stands for FTZ and DAZ together.
using FpModeBits = std::uint64_t;

inline constexpr FpModeBits kFlushToZero = FpModeBits{1} << 24; // FZ
inline constexpr FpModeBits kDenormalsAreZero = kFlushToZero;

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>

inline FpModeBits read_fp_mode() { return static_cast<FpModeBits>(_ReadStatusReg(ARM64_FPCR)); }
inline void write_fp_mode(FpModeBits bits) { _WriteStatusReg(ARM64_FPCR, static_cast<__int64>(bits)); }
#else
// The memory clobber keeps the compiler from moving memory accesses, the
// probe's volatile operands among them, across the register access.
inline FpModeBits read_fp_mode() {
    FpModeBits bits = 0;
    __asm__ __volatile__("mrs %0, fpcr" : "=r"(bits) : : "memory");
    return bits;
}
inline void write_fp_mode(FpModeBits bits) { __asm__ __volatile__("msr fpcr, %0" : : "r"(bits) : "memory"); }
#endif

// Double arithmetic has no other unit to go to here: FPCR governs it all.
inline double fp_multiply(double a, double b) { return a * b; }

#else
#error "flush_check supports x86-64 and AArch64 only"
#endif

// Both modes the program checks for.
inline constexpr FpModeBits kFlushDenormals = kFlushToZero | kDenormalsAreZero;

// Sets flush-to-zero and denormals-are-zero, keeping every other bit of the
// register (rounding control, exception masks and flags) as it was.
inline void enable_flush_denormals() { write_fp_mode(read_fp_mode() | kFlushDenormals); }

// Mode flags of the processor initialization a compiler places at the start
// of main when a build asks for flushing.
inline constexpr std::uint32_t kInitFlushToZero = 1;
inline constexpr std::uint32_t kInitDenormalsAreZero = 2;

// Processor features the program needs beyond the architecture's baseline: none.
inline constexpr std::uint64_t kNoRequiredFeatures = 0;

// Stand-in for the compiler run time's processor initialization: applies the
// modes its flags ask for and prints nothing. It knows no optional processor
// features and so cannot check any; callers pass kNoRequiredFeatures.
inline void init_processor(std::uint32_t mode_flags,
                           [[maybe_unused]] std::uint64_t required_features) {
    assert(required_features == kNoRequiredFeatures);
    FpModeBits bits = 0;
    if (mode_flags & kInitFlushToZero) bits |= kFlushToZero;
    if (mode_flags & kInitDenormalsAreZero) bits |= kDenormalsAreZero;
    write_fp_mode(read_fp_mode() | bits);
}
