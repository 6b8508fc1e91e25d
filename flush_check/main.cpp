// flush_check: does this processor flush denormal double results to zero once
// flush-to-zero (FTZ) and denormals-are-zero (DAZ) are switched on?
#include <csignal>
#include <cstdio>
#include <cstring>

#include "fp_mode.h"
#include "report.h"

int main() {
    // What a compiler's start-up code does for a build that asks for FTZ and
    // DAZ, checking first that the processor has the unit the probe runs on.
    if (!init_processor(kInitFlushToZero | kInitDenormalsAreZero, kRequiredFeatures)) {
        std::fprintf(stderr, "flush_check: this processor has no %s unit, so there is no mode to check\n",
                     kProbeUnitName);
        return 1;
    }

    // Set both modes ourselves all the same: the report relies on this step alone.
    enable_flush_denormals();

#ifdef SIGPIPE
    // A reader that went away must not kill us: the write fails with EPIPE instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    write_report(stdout);

    // Exit 0 only when the whole report has reached standard output.
    if (const int error = close_report(stdout)) {
        std::fprintf(stderr, "flush_check: cannot write the report: %s\n", std::strerror(error));
        return 1;
    }
    return 0;
}
