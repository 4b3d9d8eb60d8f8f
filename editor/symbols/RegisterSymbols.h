#pragma once

// Makes the framework's own symbols known to the class registry, the document's class keys and
// the element bar.
void RegisterFrameworkSymbols();
