#pragma once

// Makes the line elements and the substrate known to the netlist reader.
void RegisterLineModels();
