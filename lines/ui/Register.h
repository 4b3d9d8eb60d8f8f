#pragma once

// Makes the line symbols known to the class registry and to the document's class keys.
void RegisterLineSymbols();
