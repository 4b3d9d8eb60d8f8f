// vostrane-cli: the headless front end.

#include <cstdio>
#include <cstring>

#include "basics/Register.h"

namespace {

constexpr int kBadUsage = 2;

void PrintUsage(std::FILE* out) {
  std::fputs(
      "Usage: vostrane-cli COMMAND [ARGS...]\n"
      "\n"
      "Headless front end of the Vostrane RF and microwave workbench.\n"
      "\n"
      "Commands:\n"
      "  --help    show this text\n"
      "\n"
      "Exit status: 0 on success, 1 when errors were reported, 2 on bad usage.\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterBasicsClasses();
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    PrintUsage(stdout);
    return 0;
  }
  PrintUsage(stderr);
  return kBadUsage;
}
