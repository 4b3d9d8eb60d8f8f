#pragma once
// What the commands write is checked: standard output once, when the command has ended, and
// every file as it is written. A failed write goes to standard error and makes the exit status
// 1; the writers write whole files, so the previous file is then as it was.

#include <functional>
#include <string>

// The exit status once standard output has been flushed: status, or at least 1 after
// "Ausgabe konnte nicht geschrieben werden" when anything written to it was lost.
int CheckStandardOutput(int status);

// Writes path through write. When write fails, message and path go to standard error.
bool WriteOutputFile(const std::string& path, const char* message,
                     const std::function<bool(const std::string& path)>& write);
