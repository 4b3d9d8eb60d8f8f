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

// A command's arguments (behind its name) and how it runs them; `run` reports bad options itself.
struct Command {
  const char* name;
  const char* arguments;  // as the help shows them
  int minArgs;
  int maxArgs;
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

int RunRender(char** args, int) {
  RegisterAll();
  return RenderDocument(args[0], args[1]);
}

int RunPrint(char** args, int) {
  RegisterAll();
  return PrintDocument(args[0], args[1]);
}

int RunNetlist(char** args, int) {
  RegisterAll();
  return PrintNetlist(args[0]);
}

int RunExportNetlist(char** args, int) {
  RegisterAll();
  return ExportNetlistFile(args[0]);
}

int RunSpice(char** args, int count) {
  if (count == 2 && std::strcmp(args[1], "--op") != 0) {
    return BadUsage(std::string("spice: unknown option '") + args[1] + "'");
  }
  RegisterAll();
  return PrintSpiceNetlist(args[0], count == 2);
}

int RunLatex(char** args, int) {
  RegisterAll();
  return PrintLatex(args[0]);
}

int RunUiScriptCommand(char** args, int) {
  RegisterAll();
  return RunUiScript(args[0]);
}

int RunRenderDialog(char** args, int) {
  RegisterBasicsClasses();
  RegisterResources();
  return RenderDialog(args[0], args[1]);
}

int RunPlot(char** args, int count) { return Plot(count, args); }

constexpr Command kCommands[] = {
    {"simulate", "FILE [--kind K]", 1, 3, RunSimulate},
    {"render", "FILE.vqe OUT.png", 2, 2, RunRender},
    {"print", "FILE.vqe OUT.pdf", 2, 2, RunPrint},
    {"netlist", "FILE.vqe", 1, 1, RunNetlist},
    {"export-netlist", "FILE.vqe", 1, 1, RunExportNetlist},
    {"spice", "FILE.vqe [--op]", 1, 2, RunSpice},
    {"latex", "FILE.vqe", 1, 1, RunLatex},
    {"ui-script", "SCRIPT", 1, 1, RunUiScriptCommand},
    {"render-dialog", "ID OUT.png", 2, 2, RunRenderDialog},
    {"plot", "FILE.kur [OPTIONS]", 1, INT_MAX, RunPlot},
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
    return c.run(argv + 2, count);
  }
  return BadUsage("unknown command '" + name + "'");
}

}  // namespace

int main(int argc, char** argv) { return CheckStandardOutput(Run(argc, argv)); }
