#include "report.h"

#include <cerrno>
#include <cfloat>

#include "fp_mode.h"

double halve_and_double(double value) {
    // Each step reads its operand back from a volatile, so the compiler can
    // neither work the round trip out at compile time (where no mode is in
    // force) nor merge the two steps into a multiplication by 1.0.
    volatile double operand = value;
    volatile double halved = fp_multiply(operand, 0.5);
    return fp_multiply(halved, 2.0);
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
