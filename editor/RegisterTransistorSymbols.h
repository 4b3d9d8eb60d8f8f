#pragma once

// Makes the small-signal transistor symbols known to the class registry and, under their
// class keys "FETTRANS" and "BIPOLTRANS", to the document's symbol registry.
void RegisterTransistorSymbols();
