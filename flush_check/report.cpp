#include "report.h"

#include <cerrno>
#include <cfloat>

#include "fp_mode.h"

// Compiled for the probe's unit (SSE2 on 32-bit x86), with the multiplies
// inlined; an external function, so that callers built without SSE2 call it
// with the usual convention.
FLUSH_CHECK_PROBE_UNIT_CODE double halve_and_double(double value) {
    // Each step reads its operand from a volatile and stores its result in
    // one. The compiler can then neither work the round trip out at compile
    // time (where no mode is in force), nor merge the two steps into a
    // multiplication by 1.0, nor move either step past a change of mode
    // around the call: it does not know that the mode register governs the
    // arithmetic, and would sink an unstored result below a later write.
    volatile double operand = value;
    volatile double halved = fp_multiply(operand, 0.5);
    volatile double doubled = fp_multiply(halved, 2.0);
    return doubled;
}

void write_report(std::FILE* out) {
    errno = 0; // so that close_report can tell a failed write's cause from an older one
    const double d = DBL_MIN; // smallest positive normal double, 2^-1022
    std::fprintf(out, "d = %.16e\n", d);
    std::fprintf(out, "2.0 * (d / 2.0) = %.16e\n", halve_and_double(d));
    // Round trip again for the verdict; a NaN would compare unequal and count as a flush too.
    if (!(halve_and_double(d) == d)) {
        std::fprintf(out, "Denormals are flushed to zero.\n");
    }
}

int close_report(std::FILE* out) {
    // A write may have failed already (a terminal takes the report line by
    // line); errno then still holds its cause, as write_report cleared it.
    bool failed = std::ferror(out) != 0;
    int error = failed ? errno : 0;
    if (std::fflush(out) != 0) {
        if (!failed) error = errno;
        failed = true;
    }
    if (std::fclose(out) != 0) {
        if (!failed) error = errno;
        failed = true;
    }
    if (!failed) return 0;
    return error != 0 ? error : EIO;
}
