/* The cost yardstick for flush_check: a plain C program making the same
   library calls it makes where the processor does not flush (as under
   callgrind, which ignores the flushing modes): the same printf calls, and
   the same check that the report reached standard output. */
#include <errno.h>
#include <float.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>

int main(void) {
    signal(SIGPIPE, SIG_IGN);
    errno = 0;
    printf("d = %.16e\n", DBL_MIN);
    printf("2.0 * (d / 2.0) = %.16e\n", DBL_MIN);
    int failed = ferror(stdout);
    if (fflush(stdout) != 0) failed = 1;
    if (fclose(stdout) != 0) failed = 1;
    if (failed) {
        fprintf(stderr, "plain_printf: cannot write: %s\n", strerror(errno));
        return 1;
    }
    return 0;
}
