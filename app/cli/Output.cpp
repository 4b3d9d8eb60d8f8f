#include "app/cli/Output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

int CheckStandardOutput(int status) {
  std::cout.flush();
  const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
  if (!lost) return status;
  std::fputs("Ausgabe konnte nicht geschrieben werden\n", stderr);
  return std::max(status, 1);
}

bool WriteOutputFile(const std::string& path, const char* message,
                     const std::function<bool(const std::string& path)>& write) {
  if (write(path)) return true;
  std::fprintf(stderr, "%s%s\n", message, path.c_str());
  return false;
}
