// ARM, 64- and 32-bit: the floating-point control register (FPCR on AArch64,
// FPSCR on 32-bit ARM with hard-float VFP). Its FZ bit both flushes denormal
// results and reads denormal operands as zero, so it stands for FTZ and DAZ
// together. (On AArch64 while FPCR.AH is 0, as operating systems leave it.
// On 32-bit ARM, NEON always flushes, but computes single precision only:
// doubles run on VFP, which FPSCR governs.)
#pragma once

#include <cstdint>

#if defined(FLUSH_CHECK_ARCH_AARCH64)
using FpModeBits = std::uint64_t;
#else
using FpModeBits = std::uint32_t;
#endif

inline constexpr FpModeBits kFlushToZero = FpModeBits{1} << 24; // FZ
inline constexpr FpModeBits kDenormalsAreZero = kFlushToZero;

#if defined(FLUSH_CHECK_ARCH_ARM32)
inline FpModeBits read_fp_mode() { return __builtin_arm_get_fpscr(); }
inline void write_fp_mode(FpModeBits bits) { __builtin_arm_set_fpscr(bits); }
#elif defined(_MSC_VER) && !defined(__clang__)
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

// Double arithmetic has no other unit to go to: the register governs it all.
#define FLUSH_CHECK_PROBE_UNIT_CODE
inline double fp_multiply(double a, double b) { return a * b; }

// The floating-point unit is part of the architecture (on 32-bit ARM, the
// build insists on hard-float VFP): nothing to check at run time.
inline constexpr const char* kProbeUnitName = "floating-point";
inline constexpr std::uint64_t kRequiredFeatures = 0;
inline std::uint64_t present_features() { return 0; }
inline FpModeBits supported_flush_bits() { return kFlushToZero; }
