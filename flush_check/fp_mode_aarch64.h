// AArch64: the floating-point control register, FPCR. Its FZ bit both
// flushes denormal results and reads denormal operands as zero (while
// FPCR.AH is 0), so it stands for FTZ and DAZ together.
#pragma once

#include <cstdint>

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
#define FLUSH_CHECK_PROBE_UNIT_CODE
inline double fp_multiply(double a, double b) { return a * b; }

// The floating-point unit is part of the architecture: nothing to check.
inline constexpr const char* kProbeUnitName = "floating-point";
inline constexpr std::uint64_t kRequiredFeatures = 0;
inline std::uint64_t present_features() { return 0; }
inline FpModeBits supported_flush_bits() { return kFlushToZero; }
