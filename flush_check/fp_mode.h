// The one platform-dependent piece of flush_check: access to the processor's
// floating-point mode register, the multiplication the probe runs on the unit
// that register governs, what the processor offers, and a stand-in for the
// compiler run time's processor initialization. Each processor family has
// its own header; everything else in the program is plain, portable C++.
#pragma once

#include <cstdint>

#include "arch.h"

#if defined(FLUSH_CHECK_ARCH_X86)
#include "fp_mode_x86.h"
#else
#include "fp_mode_arm.h"
#endif

// Each family header defines:
//   FpModeBits, kFlushToZero, kDenormalsAreZero    the register and its bits
//   read_fp_mode(), write_fp_mode(bits)
//   fp_multiply(a, b)           on the unit the register governs
//   FLUSH_CHECK_PROBE_UNIT_CODE marks functions compiled for that unit
//   kProbeUnitName              that unit's name, for the refusal message
//   kRequiredFeatures           optional processor features the program needs
//   present_features()          those of them this processor has
//   supported_flush_bits()      the flushing bits this processor accepts

// Both modes the program checks for.
inline constexpr FpModeBits kFlushDenormals = kFlushToZero | kDenormalsAreZero;

// Sets flush-to-zero and denormals-are-zero, as far as the processor has
// them, keeping every other bit of the register (rounding control, exception
// masks and flags) as it was.
inline void enable_flush_denormals() {
    write_fp_mode(read_fp_mode() | (kFlushDenormals & supported_flush_bits()));
}

// Mode flags of the processor initialization a compiler places at the start
// of main when a build asks for flushing.
inline constexpr std::uint32_t kInitFlushToZero = 1;
inline constexpr std::uint32_t kInitDenormalsAreZero = 2;

// Stand-in for the compiler run time's processor initialization. Returns
// false, touching nothing, when the processor lacks a required feature;
// otherwise applies the modes its flags ask for, as far as the processor has
// them, and returns true. It prints nothing.
inline bool init_processor(std::uint32_t mode_flags, std::uint64_t required_features) {
    if ((present_features() & required_features) != required_features) return false;
    FpModeBits bits = 0;
    if (mode_flags & kInitFlushToZero) bits |= kFlushToZero;
    if (mode_flags & kInitDenormalsAreZero) bits |= kDenormalsAreZero;
    write_fp_mode(read_fp_mode() | (bits & supported_flush_bits()));
    return true;
}
