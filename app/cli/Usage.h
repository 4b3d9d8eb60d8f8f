#pragma once
// The help text of vostrane-cli and the report of a command line it cannot run.

#include <cstdio>
#include <string>

inline constexpr int kBadUsage = 2;

void PrintUsage(std::FILE* out);
// Says why on standard error, with a pointer to --help; returns kBadUsage.
int BadUsage(const std::string& reason);
