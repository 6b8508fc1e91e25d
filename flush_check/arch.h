// The processor family this build is for, decided once here so that the rest
// of the program and its tests test one macro, not the compilers' own.
//   FLUSH_CHECK_ARCH_X86      x86, 32- or 64-bit: MXCSR on the SSE unit
//   FLUSH_CHECK_ARCH_X86_32   32-bit x86 alone, where SSE2 is optional
//   FLUSH_CHECK_ARCH_AARCH64  64-bit ARM: FPCR
//   FLUSH_CHECK_ARCH_ARM32    32-bit ARM with hard-float VFP: FPSCR
// x86 and ARM are the two families, each with one header behind fp_mode.h.
#pragma once

// ARM64EC code is ARM64 code that also defines _M_X64: test it first.
#if defined(__aarch64__) || defined(_M_ARM64) || defined(_M_ARM64EC)
#define FLUSH_CHECK_ARCH_AARCH64 1
#elif defined(__x86_64__) || defined(_M_X64)
#define FLUSH_CHECK_ARCH_X86 1
#elif defined(__i386__) || defined(_M_IX86)
#define FLUSH_CHECK_ARCH_X86 1
#define FLUSH_CHECK_ARCH_X86_32 1
#elif defined(__arm__)
#if !(defined(__ARM_FP) && (__ARM_FP & 8))
// Soft-float doubles go through library calls that ignore FPSCR.
#error "flush_check on 32-bit ARM needs hard-float VFP with double precision (e.g. -mfpu=vfpv3-d16 -mfloat-abi=hard)"
#endif
#define FLUSH_CHECK_ARCH_ARM32 1
#else
#error "flush_check supports x86 (32- and 64-bit), AArch64 and 32-bit ARM with VFP only"
#endif
