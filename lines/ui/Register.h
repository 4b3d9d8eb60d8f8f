#pragma once

// Makes the line symbols known to the class registry, to the document's class keys and to the
// element bar.
void RegisterLineSymbols();
// Adds the dimensioning calculators' commands to the circuit view.
void RegisterLineCommands();
