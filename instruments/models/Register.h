#pragma once

// Makes the network elements of the instruments ("DCQU", "DATG", "SPEC") known to the netlist
// reader.
void RegisterInstrumentModels();
