#pragma once
// Until its last users include the element bench directly.
#include "simulator/tests/support/ElementBench.h"
