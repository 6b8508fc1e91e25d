// The probe and its report, apart from main so that tests can run them under
// each floating-point mode.
#pragma once

#include <cstdio>

#include "fp_mode.h"

// Multiplies value by 0.5 and the result by 2.0, both at run time in the
// floating-point mode in force during the call, and both finished before it
// returns, whatever the caller does with the mode afterwards.
FLUSH_CHECK_PROBE_UNIT_CODE double halve_and_double(double value);

// Writes the two- or three-line report on the smallest normal double to out.
// Clears errno first, for close_report.
void write_report(std::FILE* out);

// Flushes and closes out, the stream write_report wrote to. Returns 0 when
// every byte of the report was written, else the error number of the first
// failure seen (EIO where the C library gave none).
int close_report(std::FILE* out);
