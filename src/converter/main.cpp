#include <iostream>

#include "converter/run_driver.h"

int main(int argc, char** argv) { return vuq::run(argc, argv, std::cout); }
