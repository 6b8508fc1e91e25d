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

#if defined(__x86_64__) || defined(_M_X64)
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
#elif defined(__aarch64__) || defined(_M_ARM64)
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
    init_processor(GetParam().mode_flags, kNoRequiredFeatures);
    const FpModeBits after = read_fp_mode();
    write_fp_mode(start);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(after, start | GetParam().expected_bits);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

INSTANTIATE_TEST_SUITE_P(ModeFlags, InitProcessor, testing::ValuesIn(kInitCases),
                         [](const testing::TestParamInfo<InitCase>& info) {
                             return "flags_" + std::to_string(info.param.mode_flags);
                         });

} // namespace
