// vostrane-cli: the headless front end.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/cli/CircuitCommands.h"
#include "app/cli/DocumentOutput.h"
#include "app/cli/Output.h"
#include "app/cli/Plot.h"
#include "app/cli/Simulate.h"
#include "app/cli/UiScript.h"
#include "app/cli/Usage.h"
#include "app/startup/RegisterAll.h"
#include "basics/Register.h"
#include "pf/dialog.h"
#include "pf/headless.h"
#include "pf/process.h"
#include "resources/Resources.h"

namespace {

constexpr int kErrors = 1;

const pf::DialogTemplate* FindTemplate(const char* key) {
  errno = 0;
  char* end = nullptr;
  const long number = std::strtol(key, &end, 10);
  if (*key != '\0' && *end == '\0' && errno == 0 && number > 0 && number <= 0xFFFF) {
    return pf::DialogTemplates::Instance().Find(static_cast<int>(number));
  }
  return pf::DialogTemplates::Instance().Find(key);
}

int RenderDialog(const char* key, const char* path) {
  const pf::DialogTemplate* t = FindTemplate(key);
  if (t == nullptr) {
    std::fprintf(stderr, "Dialogvorlage nicht gefunden: %s\n", key);
    return kErrors;
  }
  pf::Headless headless;
  headless.SetFailureHandler([](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
  pf::Dialog dialog = t->id != 0 ? pf::Dialog(t->id) : pf::Dialog(std::string(t->name));
  const bool written =
      WriteOutputFile(path, "Bild konnte nicht geschrieben werden: ", [&](const std::string& p) {
        return dialog.Create() && headless.WritePng(dialog, p);
      });
  return written && headless.Failures().empty() ? 0 : kErrors;
}

// Dialog pictures need the resources only.
void RegisterDialogs() {
  RegisterBasicsClasses();
  RegisterResources();
}

// A command's arguments (behind its name), what it registers first (nothing: it registers what
// it needs itself) and how it runs them; `run` reports bad options itself.
struct Command {
  const char* name;
  const char* arguments;  // as the help shows them
  int minArgs;
  int maxArgs;
  void (*registerFirst)();
  int (*run)(char** args, int count);
};

int RunSimulate(char** args, int count) {
  char kind = '\0';
  if (count > 1) {
    if (count != 3 || std::strcmp(args[1], "--kind") != 0) {
      return BadUsage(std::string("simulate: unknown option '") + args[1] + "'");
    }
    const char* letter = args[2];
    if (letter[0] == '\0' || letter[1] != '\0' || std::strchr("SYZRKMV", letter[0]) == nullptr) {
      return BadUsage(std::string("simulate: --kind '") + letter +
                      "' is none of S, Y, Z, R, K, M, V");
    }
    kind = letter[0];
  }
  return Simulate(args[0], kind);
}

int RunSpice(char** args, int count) {
  if (count == 2 && std::strcmp(args[1], "--op") != 0) {
    return BadUsage(std::string("spice: unknown option '") + args[1] + "'");
  }
  return PrintSpiceNetlist(args[0], count == 2);
}

constexpr Command kCommands[] = {
    {"simulate", "FILE [--kind K]", 1, 3, nullptr, RunSimulate},
    {"render", "FILE.vqe OUT.png", 2, 2, RegisterAll,
     [](char** args, int) { return RenderDocument(args[0], args[1]); }},
    {"print", "FILE.vqe OUT.pdf", 2, 2, RegisterAll,
     [](char** args, int) { return PrintDocument(args[0], args[1]); }},
    {"netlist", "FILE.vqe", 1, 1, RegisterAll,
     [](char** args, int) { return PrintNetlist(args[0]); }},
    {"export-netlist", "FILE.vqe", 1, 1, RegisterAll,
     [](char** args, int) { return ExportNetlistFile(args[0]); }},
    {"spice", "FILE.vqe [--op]", 1, 2, RegisterAll, RunSpice},
    {"latex", "FILE.vqe", 1, 1, RegisterAll, [](char** args, int) { return PrintLatex(args[0]); }},
    {"ui-script", "SCRIPT", 1, 1, RegisterAll,
     [](char** args, int) { return RunUiScript(args[0]); }},
    {"render-dialog", "ID OUT.png", 2, 2, RegisterDialogs,
     [](char** args, int) { return RenderDialog(args[0], args[1]); }},
    {"plot", "FILE.kur [OPTIONS]", 1, INT_MAX, nullptr,
     [](char** args, int count) { return Plot(count, args); }},
};

int Run(int argc, char** argv) {
  if (argc < 2) return BadUsage("no command given");
  const std::string name = argv[1];
  if (argc == 2 && (name == "--help" || name == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    const int count = argc - 2;
    if (count < c.minArgs || count > c.maxArgs) {
      return BadUsage(name + ": expected " + name + " " + c.arguments);
    }
    if (c.registerFirst != nullptr) c.registerFirst();
    return c.run(argv + 2, count);
  }
  return BadUsage("unknown command '" + name + "'");
}

}  // namespace

int main(int argc, char** argv) {
  pf::HandleProgramSignals();
  return CheckStandardOutput(Run(argc, argv));
}
