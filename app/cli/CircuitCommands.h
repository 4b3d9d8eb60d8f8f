#pragma once
// The commands on circuit files (".vqe"): the built-in netlist, its export next to the file,
// the SPICE netlist and the LaTeX picture. Each returns the exit status: 0, or 1 when messages were queued
// (they go to standard error); a file that cannot be loaded or holds no symbol prints nothing.
// The caller registers the symbol classes.

// The netlist text on standard output.
int PrintNetlist(const char* path);
// Writes NAME.net next to the file and prints its path; refused where the menu command is.
int ExportNetlistFile(const char* path);
// The SPICE netlist text on standard output (no file); with operatingPoint, as the
// operating-point command asks for it.
int PrintSpiceNetlist(const char* path, bool operatingPoint);
// The LaTeX picture of the circuit, as the view copies it, on standard output.
int PrintLatex(const char* path);
