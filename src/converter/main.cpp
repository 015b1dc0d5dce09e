#include <iostream>

#include "converter/run_driver.h"

#if defined(__MINGW32__)
// The C runtime's start-up code expands wildcard patterns in the arguments, as the program's
// users expect from a Windows console program ("vuq2html *.txt" in cmd.exe).
extern "C" {
int _dowildcard = -1;  // NOLINT(bugprone-reserved-identifier)
}
#endif

int main(int argc, char** argv) {
  // The console is written through std::cout alone, so it needs no lock-step with C stdio.
  std::ios_base::sync_with_stdio(false);
  return vuq::run(argc, argv, std::cout);
}
