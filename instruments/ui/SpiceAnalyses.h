#pragma once
// Hands the view the dialogs of its SPICE commands: the DC sweep, the transient times and the
// raw file.

void InstallSpiceAnalyses();
