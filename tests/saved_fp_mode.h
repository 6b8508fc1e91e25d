// Fixture for tests that change the floating-point mode register: it puts
// back the value it found, whatever the test did.
#pragma once

#include <gtest/gtest.h>

#include "fp_mode.h"

class SavedFpModeTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = read_fp_mode();
        // The tests set both flushing modes; a processor without DAZ would fault.
        if ((supported_flush_bits() & kFlushDenormals) != kFlushDenormals) {
            GTEST_SKIP() << "this processor lacks a flushing mode (DAZ)";
        }
    }
    void TearDown() override { write_fp_mode(saved_); }

    // The mode found at the start, with neither flushing mode set.
    FpModeBits without_flushing() const { return saved_ & ~kFlushDenormals; }

private:
    FpModeBits saved_ = 0;
};
