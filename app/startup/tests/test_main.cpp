#include "app/startup/RegisterAll.h"
#include "basics/tests/RunTests.h"
#include "simulator/NetContext.h"

// The instruments' windows run the simulator, whose run context is process state.
int main(int argc, char** argv) { return RunTests(argc, argv, {RegisterAll}, NetContext::Reset); }
