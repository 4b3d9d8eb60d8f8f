#pragma once
// ui-script: plays the headless desktop program from a script, one action a line (the README
// gives the grammar). The exit status: 0, 1 when errors were queued, a file operation failed or
// a dialog had no script, 2 for a bad script (the line and the reason on standard error).

int RunUiScript(const char* path);
