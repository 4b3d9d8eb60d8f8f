#pragma once

// Makes the lumped symbols known to the class registry and to the document's class keys.
void RegisterLumpedSymbols();
