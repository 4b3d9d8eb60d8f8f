#include "basics/Register.h"
#include "basics/tests/RunTests.h"

int main(int argc, char** argv) { return RunTests(argc, argv, {RegisterBasicsClasses}); }
