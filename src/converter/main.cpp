#include "converter/run_driver.h"

#if defined(__MINGW32__)
// The C runtime's start-up code expands wildcard patterns in the arguments, as the program's
// users expect from a Windows console program ("vuq2html *.txt" in cmd.exe).
extern "C" {
int _dowildcard = -1;  // NOLINT(bugprone-reserved-identifier)
}
#endif

int main(int argc, char** argv) { return vuq::run(argc, argv); }
