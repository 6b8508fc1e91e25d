/* The cost yardstick for flush_check: a plain C program making the same
   printf calls it makes where the processor does not flush (as under
   callgrind, which ignores the flushing modes). */
#include <float.h>
#include <stdio.h>

int main(void) {
    printf("d = %.16e\n", DBL_MIN);
    printf("2.0 * (d / 2.0) = %.16e\n", DBL_MIN);
    return 0;
}
