#pragma once
// `vostrane-cli simulate`: reads a netlist, computes its top-level network over the
// netlist's sweep and prints the network's result table; when the top-level network holds
// diodes, prints the DC operating points of every network with a DC supply instead.

// kind: one of "SYZRKMV", or '\0' for the OUT block's kind (else 'S'). Returns the exit
// status: 0, or 1 when messages were queued (they go to standard error); when reading the file
// or setting up its networks queued any, nothing is computed or printed.
int Simulate(const char* path, char kind);
