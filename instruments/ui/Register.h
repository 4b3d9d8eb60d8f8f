#pragma once

// Makes the instrument symbols known to the document's class keys and the element bar, and
// the simulator elements and diagram kinds their windows use.
void RegisterInstrumentSymbols();
