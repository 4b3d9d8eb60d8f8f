#pragma once

// Makes the element library's symbols (the lumped ones with ground, wire and point, the data
// symbols and the SPICE symbols) known through Register<S>(): to the class registry, to the
// document's class keys and, those with an element type, to the element bar. Also gives the
// editor's transistor symbols their dialogs.
void RegisterLumpedSymbols();
