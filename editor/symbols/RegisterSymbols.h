#pragma once

// Makes the framework's own symbols known to the class registry and to the document's
// class-key factory.
void RegisterFrameworkSymbols();
