#include "simulator/Register.h"

void RegisterSimulatorElements() {}
