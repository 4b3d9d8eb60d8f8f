#pragma once

// Makes the simulator's element keywords and data objects known to the netlist reader.
void RegisterSimulatorElements();
