#pragma once

// Makes the instrument symbols known to the document's class keys and the element bar.
void RegisterInstrumentSymbols();
