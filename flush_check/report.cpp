#include "report.h"

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
    const double d = DBL_MIN; // smallest positive normal double, 2^-1022
    std::fprintf(out, "d = %.16e\n", d);
    std::fprintf(out, "2.0 * (d / 2.0) = %.16e\n", halve_and_double(d));
    // Round trip again for the verdict; a NaN would compare unequal and count as a flush too.
    if (!(halve_and_double(d) == d)) {
        std::fprintf(out, "Denormals are flushed to zero.\n");
    }
}
