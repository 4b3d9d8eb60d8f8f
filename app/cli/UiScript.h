#pragma once
// ui-script: plays the headless desktop program from a script, one action a line (the manual
// gives the grammar). The exit status: 0, 1 when errors were queued, a file operation failed, a
// dialog had no script or an answer went untaken, 2 for a bad script (the line and the reason
// on standard error). The program's registrations (RegisterAll) come first.

// Confined, a script stays in the working folder and in virtual time: a word that reaches beyond
// the folder ('/', '\' or "..") and wait make it a bad script. The fuzz target plays so.
int RunUiScript(const char* path, bool confined = false);
