// Fatal stop for console builds (the tests and tools): there is no window to
// show a box on, so the message goes to stderr.
#include "linkgen/fatal.h"

#include <cstdio>
#include <cstdlib>

void report_fatal_error(const char* message) {
    std::fprintf(stderr, "运行时错误: %s\n", message != nullptr ? message : "");
    std::fflush(stderr);
    std::exit(FATAL_EXIT_CODE);
}
