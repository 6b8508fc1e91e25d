// Fixture for tests that change the floating-point mode register: it puts
// back the value it found, whatever the test did.
#pragma once

#include <gtest/gtest.h>

#include "fp_mode.h"

class SavedFpModeTest : public testing::Test {
protected:
    void SetUp() override { saved_ = read_fp_mode(); }
    void TearDown() override { write_fp_mode(saved_); }

    // The mode found at the start, with neither flushing mode set.
    FpModeBits without_flushing() const { return saved_ & ~kFlushDenormals; }

private:
    FpModeBits saved_ = 0;
};
