// Setting the flushing modes: the program's own step and the stand-in
// processor initialization.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "fp_mode.h"
#include "saved_fp_mode.h"

namespace {

// Register values to start from, and what the step must leave: the two
// flushing bits set, and rounding control, exception masks and sticky
// exception flags exactly as they were. Written out as numbers so that a
// wrong bit in the program's constants shows. No floating-point work runs
// while one of these is in force.
struct StartCase {
    const char* name;
    FpModeBits start;
    FpModeBits expected;
};

// Processor initialization mode flags (bit 0 flush-to-zero, bit 1
// denormals-are-zero) and the bits each must set.
struct InitCase {
    std::uint32_t mode_flags;
    FpModeBits expected_bits;
};

#if defined(FLUSH_CHECK_ARCH_X86)
// MXCSR: FTZ is bit 15, DAZ bit 6; RC bits 13-14, masks bits 7-12, flags bits 0-5.
const StartCase kStartCases[] = {
    {"power_on_default", 0x1F80, 0x9FC0},
    {"round_toward_zero_with_all_flags_raised", 0x7FBF, 0xFFFF},
    {"round_down_with_divide_by_zero_unmasked", 0x3D80, 0xBDC0},
    {"round_up_with_all_exceptions_unmasked", 0x4000, 0xC040},
    {"flush_to_zero_already_set", 0x9F80, 0x9FC0},
    {"both_already_set", 0x9FC0, 0x9FC0},
};
const InitCase kInitCases[] = {{0, 0}, {1, 0x8000}, {2, 0x0040}, {3, 0x8040}};
#elif defined(FLUSH_CHECK_ARCH_AARCH64)
// FPCR: FZ is bit 24 and serves both modes; AHP bit 26, DN bit 25, RMode
// bits 22-23. (Trap enables are left alone: many cores ignore writes to them.)
const StartCase kStartCases[] = {
    {"power_on_default", 0x00000000, 0x01000000},
    {"round_toward_zero", 0x00C00000, 0x01C00000},
    {"round_up_with_default_nan", 0x02400000, 0x03400000},
    {"alternative_half_precision_and_default_nan", 0x06000000, 0x07000000},
    {"flush_already_set", 0x01800000, 0x01800000},
};
const InitCase kInitCases[] = {{0, 0}, {1, 0x01000000}, {2, 0x01000000}, {3, 0x01000000}};
#elif defined(FLUSH_CHECK_ARCH_ARM32)
// FPSCR: FZ is bit 24 and serves both modes; AHP bit 26, DN bit 25, RMode
// bits 22-23, cumulative exception flags bits 0-4 and 7. (Len and Stride
// stay zero, as the procedure call standard wants; trap enables are left
// alone: VFP cores without trapping ignore them.)
const StartCase kStartCases[] = {
    {"power_on_default", 0x00000000, 0x01000000},
    {"round_toward_zero", 0x00C00000, 0x01C00000},
    {"round_up_with_default_nan", 0x02400000, 0x03400000},
    {"alternative_half_precision_and_default_nan", 0x06000000, 0x07000000},
    {"all_exception_flags_raised", 0x0000009F, 0x0100009F},
    {"flush_already_set", 0x01800000, 0x01800000},
};
const InitCase kInitCases[] = {{0, 0}, {1, 0x01000000}, {2, 0x01000000}, {3, 0x01000000}};
#endif
class EnableFlushDenormals : public SavedFpModeTest, public testing::WithParamInterface<StartCase> {};

TEST_P(EnableFlushDenormals, SetsBothModesAndKeepsEveryOtherBit) {
    write_fp_mode(GetParam().start);
    enable_flush_denormals();
    const FpModeBits after = read_fp_mode();
    write_fp_mode(without_flushing()); // leave the unusual mode before any assertion's work

    EXPECT_EQ(after, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Starts, EnableFlushDenormals, testing::ValuesIn(kStartCases),
                         [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

class InitProcessor : public SavedFpModeTest, public testing::WithParamInterface<InitCase> {};

TEST_P(InitProcessor, AppliesTheModesItsFlagsAskForAndPrintsNothing) {
    const FpModeBits start = without_flushing();
    write_fp_mode(start);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool ready = init_processor(GetParam().mode_flags, kRequiredFeatures);
    const FpModeBits after = read_fp_mode();
    write_fp_mode(start);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(ready);
    EXPECT_EQ(after, start | GetParam().expected_bits);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

INSTANTIATE_TEST_SUITE_P(ModeFlags, InitProcessor, testing::ValuesIn(kInitCases),
                         [](const testing::TestParamInfo<InitCase>& info) {
                             return "flags_" + std::to_string(info.param.mode_flags);
                         });

TEST_F(SavedFpModeTest, InitProcessorRefusesWhenARequiredFeatureIsMissingAndTouchesNothing) {
    const FpModeBits start = without_flushing();
    write_fp_mode(start);
    constexpr std::uint64_t kFeatureNoProcessorHas = std::uint64_t{1} << 63;

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool ready = init_processor(kInitFlushToZero | kInitDenormalsAreZero,
                                      kRequiredFeatures | kFeatureNoProcessorHas);
    const FpModeBits after = read_fp_mode();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(ready);
    EXPECT_EQ(after, start);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

#if defined(FLUSH_CHECK_ARCH_X86)
// What the program makes of a processor's CPUID leaf 1 EDX and MXCSR_MASK.
struct ProcessorCase {
    const char* name;
    std::uint32_t cpuid1_edx;
    std::uint32_t mxcsr_mask; // 0: no FXSAVE, or a processor that stores none
    std::uint64_t features;
    FpModeBits flush_bits;
};

const ProcessorCase kProcessorCases[] = {
    // FXSAVE but no SSE: no MXCSR to write at all.
    {"pentium_ii", 0x0183FBFF, 0, 0, 0},
    // SSE without SSE2: flush-to-zero, but no unit for the double probe.
    {"pentium_iii", 0x0383FBFF, 0xFFBF, kFeatureSse, kFlushToZero},
    {"early_sse2_without_daz", 0x3FEBFBFF, 0xFFBF, kFeatureSse | kFeatureSse2, kFlushToZero},
    {"sse2_storing_no_mask", 0x3FEBFBFF, 0, kFeatureSse | kFeatureSse2, kFlushToZero},
    {"modern", 0xBFEBFBFF, 0xFFFF, kFeatureSse | kFeatureSse2, kFlushToZero | kDenormalsAreZero},
    {"no_cpuid_leaf_1", 0, 0, 0, 0},
};

class X86FactsFromProcessor : public testing::TestWithParam<ProcessorCase> {};

TEST_P(X86FactsFromProcessor, GivesFeaturesAndFlushingBits) {
    const X86Facts facts = x86_facts(GetParam().cpuid1_edx, GetParam().mxcsr_mask);
    EXPECT_EQ(facts.features, GetParam().features);
    EXPECT_EQ(facts.flush_bits, GetParam().flush_bits);
}

INSTANTIATE_TEST_SUITE_P(Processors, X86FactsFromProcessor, testing::ValuesIn(kProcessorCases),
                         [](const testing::TestParamInfo<ProcessorCase>& info) { return info.param.name; });
#endif

} // namespace
