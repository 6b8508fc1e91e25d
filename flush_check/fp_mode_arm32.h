// 32-bit ARM with hard-float VFP: the floating-point status and control
// register, FPSCR. Its FZ bit flushes denormal results and reads denormal
// operands as zero on VFP, where doubles run, so it stands for FTZ and DAZ
// together. (NEON always flushes, but computes single precision only.)
#pragma once

#include <cstdint>

using FpModeBits = std::uint32_t;

inline constexpr FpModeBits kFlushToZero = FpModeBits{1} << 24; // FZ
inline constexpr FpModeBits kDenormalsAreZero = kFlushToZero;

inline FpModeBits read_fp_mode() { return __builtin_arm_get_fpscr(); }
inline void write_fp_mode(FpModeBits bits) { __builtin_arm_set_fpscr(bits); }

// Hard-float doubles run on VFP, which FPSCR governs.
#define FLUSH_CHECK_PROBE_UNIT_CODE
inline double fp_multiply(double a, double b) { return a * b; }

// VFP with double precision is checked at compile time: nothing left to check.
inline constexpr const char* kProbeUnitName = "VFP";
inline constexpr std::uint64_t kRequiredFeatures = 0;
inline std::uint64_t present_features() { return 0; }
inline FpModeBits supported_flush_bits() { return kFlushToZero; }
