// The probe and its report under each combination of the two flushing modes.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "fp_mode.h"
#include "report.h"
#include "saved_fp_mode.h"

namespace {

std::string report_text() {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        ADD_FAILURE() << "no temporary file for the report";
        return {};
    }
    write_report(file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

struct ModeCase {
    const char* name;
    FpModeBits bits;
    bool flushes;
};

const ModeCase kModeCases[] = {
    {"neither", 0, false},
    {"flush_to_zero_only", kFlushToZero, true},
    {"denormals_are_zero_only", kDenormalsAreZero, true},
    {"both", kFlushDenormals, true},
};

class ReportUnderMode : public SavedFpModeTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(ReportUnderMode, PrintsRoundTripAndVerdict) {
    write_fp_mode(without_flushing() | GetParam().bits);
    const std::string text = report_text();

    // A flushed round trip is a positive zero: no minus sign on the second line.
    const std::string expected = GetParam().flushes
        ? "d = 2.2250738585072014e-308\n"
          "2.0 * (d / 2.0) = 0.0000000000000000e+00\n"
          "Denormals are flushed to zero.\n"
        : "d = 2.2250738585072014e-308\n"
          "2.0 * (d / 2.0) = 2.2250738585072014e-308\n";
    EXPECT_EQ(text, expected);
}

TEST_P(ReportUnderMode, RoundTripRunsInTheModeInForce) {
    // The same call under two modes in one process: a result worked out at
    // compile time, or kept from the first call, would come back for both.
    write_fp_mode(without_flushing());
    EXPECT_EQ(halve_and_double(DBL_MIN), DBL_MIN);

    write_fp_mode(without_flushing() | GetParam().bits);
    const double round_trip = halve_and_double(DBL_MIN);
    if (GetParam().flushes) {
        EXPECT_EQ(round_trip, 0.0);
        EXPECT_FALSE(std::signbit(round_trip));
    } else {
        EXPECT_EQ(round_trip, DBL_MIN);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, ReportUnderMode, testing::ValuesIn(kModeCases),
                         [](const testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

TEST(CloseReport, ReturnsZeroOnceTheReportIsWrittenWhateverErrnoHeldBefore) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    errno = ENOENT; // left over from some earlier call
    write_report(file);
    EXPECT_EQ(close_report(file), 0);
}

TEST(CloseReport, ReportsAWriteThatFailedBeforeTheFlush) {
    // Writes to a stream opened for reading fail at once and leave nothing to
    // flush: only the stream's error state tells.
    const std::string path = testing::TempDir() + "flush_check_read_only.txt";
    std::FILE* created = std::fopen(path.c_str(), "w");
    ASSERT_NE(created, nullptr);
    std::fclose(created);
    std::FILE* read_only = std::fopen(path.c_str(), "r");
    ASSERT_NE(read_only, nullptr);

    write_report(read_only);
    EXPECT_EQ(close_report(read_only), EBADF);
    std::remove(path.c_str());
}

} // namespace
