// The probe where the compiler can inline it: this file is built in one
// unit with the probe's source, as a unity build or LTO would. The caller
// switches a flushing mode on, runs the probe and restores the mode at once;
// the result must still be the one computed under the flushing mode.
#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>

#include "fp_mode.h"
#include "report.h"

namespace {

struct FlushingMode {
    const char* name;
    FpModeBits bits;
};

const FlushingMode kFlushingModes[] = {
    {"flush_to_zero_only", kFlushToZero},
    {"denormals_are_zero_only", kDenormalsAreZero},
};

// Runs the probe under the given flushing mode and restores the mode right
// after. The result is used only on a branch after the restore, which invites
// the compiler to sink the probe's last multiplication below the restore:
// g++ -O2 and clang++ -O1 do so with a result that is not pinned.
double round_trip_then_restore(FpModeBits bits, bool wanted) {
    const FpModeBits saved = read_fp_mode();
    write_fp_mode((saved & ~kFlushDenormals) | bits);
    const double round_trip = halve_and_double(DBL_MIN);
    write_fp_mode(saved);
    if (wanted) return round_trip;
    return -1.0;
}

volatile bool result_wanted = true; // unknown to the compiler

class InlinedProbe : public testing::TestWithParam<FlushingMode> {};

TEST_P(InlinedProbe, FinishesBeforeTheModeIsRestored) {
    if ((supported_flush_bits() & GetParam().bits) != GetParam().bits) {
        GTEST_SKIP() << "this processor lacks the mode (DAZ)";
    }
    const double round_trip = round_trip_then_restore(GetParam().bits, result_wanted);
    EXPECT_EQ(round_trip, 0.0);
    EXPECT_FALSE(std::signbit(round_trip));
}

INSTANTIATE_TEST_SUITE_P(Modes, InlinedProbe, testing::ValuesIn(kFlushingModes),
                         [](const testing::TestParamInfo<FlushingMode>& info) { return info.param.name; });

} // namespace
