#pragma once

// Makes the framework's own symbols known to the document's class-key factory.
void RegisterFrameworkSymbols();
