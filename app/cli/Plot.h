#pragma once
// `vostrane-cli plot`: shows a curve file in a new diagram of a given kind, as the analyser's
// "Load" key does, and writes the picture (PNG, PDF), the PiCTeX file and the data text.

// Returns the exit status: 0, 1 when the curve did not load or a file could not be written
// (the messages go to standard error), 2 on bad usage. argv[0] is the curve file.
int Plot(int argc, char** argv);
