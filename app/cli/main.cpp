// vostrane-cli: the headless front end.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/cli/CircuitCommands.h"
#include "app/cli/DocumentOutput.h"
#include "app/cli/Plot.h"
#include "app/cli/Simulate.h"
#include "app/cli/UiScript.h"
#include "basics/Register.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "instruments/Register.h"
#include "lines/ui/Register.h"
#include "pf/dialog.h"
#include "pf/headless.h"
#include "resources/Resources.h"
#include "synthesis/Register.h"

namespace {

constexpr int kErrors = 1;
constexpr int kBadUsage = 2;

void PrintUsage(std::FILE* out) {
  std::fputs(
      "Usage: vostrane-cli COMMAND [ARGS...]\n"
      "\n"
      "Headless front end of the Vostrane RF and microwave workbench.\n"
      "\n"
      "Commands:\n"
      "  simulate FILE [--kind K]   compute the netlist FILE over its FREQ sweep (default\n"
      "                             1 GHz to 20 GHz, 101 points) and print the result table\n"
      "                             of its last network; K is one of S, Y, Z, R, K, M, V\n"
      "                             (default: the OUT block's kind, else S).\n"
      "                             A last network with diodes (HLD) is solved at DC instead:\n"
      "                             each network with a DC supply (DCQU) prints the lines\n"
      "                             '* NAME: Arbeitspunkte' and '* Quelle/V<TAB>U1/V<TAB>I1/A...'\n"
      "                             and then one row per supply step: the supply voltage and\n"
      "                             each diode's voltage and current, tab-separated, as %.6e\n"
      "  render FILE.vqe OUT.png    draw the circuit FILE as its view shows it: the grid\n"
      "                             with its free points and the symbols, as a PNG image of\n"
      "                             1255 x 1255 pixels\n"
      "  print FILE.vqe OUT.pdf     print the circuit FILE as its view prints it: the symbols\n"
      "                             three times larger on one A4 page of a 600-dpi printer\n"
      "  netlist FILE.vqe           print the netlist of the circuit file FILE.vqe as the\n"
      "                             built-in simulator reads it\n"
      "  export-netlist FILE.vqe    write that netlist next to FILE.vqe as NAME.net (the\n"
      "                             title up to its first '.') and print its path; refused\n"
      "                             like the menu command: not for an empty circuit, one\n"
      "                             with open pins, or one without external nodes (a\n"
      "                             single one only with a ground symbol)\n"
      "  spice FILE.vqe [--op]      print the SPICE netlist of the circuit file (no file is\n"
      "                             written); --op asks for the operating point (.OP) of a\n"
      "                             circuit with a DC generator. The date line honours\n"
      "                             SOURCE_DATE_EPOCH. Elements without a SPICE form are\n"
      "                             reported (exit 1) and left out\n"
      "  latex FILE.vqe             print the circuit as the LaTeX picture that the view\n"
      "                             copies: unit 1 mm (5 drawing units), the box of the\n"
      "                             symbols, each symbol's LaTeX lines\n"
      "  render-dialog ID OUT.png   draw the dialog template ID (number or name) as a PNG\n"
      "                             image of the dialog's size\n"
      "  plot FILE.kur [--diagram KIND] [--size WxH] [--marker I] [--log] [--eye PERIOD]\n"
      "       [--png F] [--pdf F] [--pictex F [--width MM] [--font T|S|F|N|L]] [--data]\n"
      "                             show the curve file in a new diagram of the kind it was\n"
      "                             made for; KIND (name or type code: 0 LogMagDiag,\n"
      "                             1 LinMagDiag, 2 PhaseDiag, 3 LogPolDiag, 4 LinPolDiag,\n"
      "                             5 RecPlanDiag, 6 SmithDiag, 7 LinRealDiag, 8 LinImagDiag,\n"
      "                             10 Logo, 11 SpecLogMag, 12 LinTimeDiag, 13 PlotPlaneDiag;\n"
      "                             any other code LogMagDiag) must be that kind, else the\n"
      "                             curve is refused; a W x H screen (default 600x450), the\n"
      "                             marker on point I; a frequency axis runs from the curve's\n"
      "                             first to its last x, logarithmic with --log, a time axis\n"
      "                             over the curve's span; --eye folds a LinTimeDiag into\n"
      "                             the eye of the bit period in seconds;\n"
      "                             write the picture as PNG or PDF, the PiCTeX file (width\n"
      "                             in mm, default 60; font size, default F) and with --data\n"
      "                             print the curve's data text\n"
      "  ui-script SCRIPT           play the desktop program headless from SCRIPT, one\n"
      "                             action a line (see the README): message boxes print\n"
      "                             as 'CAPTION: TEXT', disabled commands as\n"
      "                             'gesperrt: PATH'; exit 1 when errors were queued or a\n"
      "                             dialog had no script, 2 for a bad script\n"
      "  --help                     show this text\n"
      "\n"
      "Exit status: 0 on success, 1 when errors were reported, 2 on bad usage.\n",
      out);
}

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
  if (!dialog.Create() || !headless.WritePng(dialog, path)) {
    std::fprintf(stderr, "Bild konnte nicht geschrieben werden: %s\n", path);
    return kErrors;
  }
  return headless.Failures().empty() ? 0 : kErrors;
}

// The classes that a circuit file may hold.
void RegisterSymbols() {
  RegisterBasicsClasses();
  RegisterEditorClasses();
  RegisterLumpedSymbols();
  RegisterLineSymbols();
  RegisterInstrumentSymbols();
  RegisterSynthesisCommands();
}

// The kind letter of "--kind K", '\0' for none; false on anything else.
bool ParseKind(int argc, char** argv, char& kind) {
  kind = '\0';
  if (argc == 3) return true;
  if (argc != 5 || std::strcmp(argv[3], "--kind") != 0) return false;
  const char* letter = argv[4];
  if (letter[0] == '\0' || letter[1] != '\0' || std::strchr("SYZRKMV", letter[0]) == nullptr) {
    return false;
  }
  kind = letter[0];
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    PrintUsage(stdout);
    return 0;
  }
  char kind = '\0';
  if (argc >= 3 && std::strcmp(argv[1], "simulate") == 0 && ParseKind(argc, argv, kind)) {
    return Simulate(argv[2], kind);
  }
  if (argc == 4 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "print") == 0)) {
    RegisterSymbols();
    return argv[1][0] == 'r' ? RenderDocument(argv[2], argv[3]) : PrintDocument(argv[2], argv[3]);
  }
  if (argc >= 3 && std::strcmp(argv[1], "plot") == 0) {
    const int status = Plot(argc - 2, argv + 2);
    if (status == kBadUsage) PrintUsage(stderr);
    return status;
  }
  if (argc == 3 && std::strcmp(argv[1], "netlist") == 0) {
    RegisterSymbols();
    return PrintNetlist(argv[2]);
  }
  if (argc == 3 && std::strcmp(argv[1], "export-netlist") == 0) {
    RegisterSymbols();
    return ExportNetlistFile(argv[2]);
  }
  if ((argc == 3 || (argc == 4 && std::strcmp(argv[3], "--op") == 0)) &&
      std::strcmp(argv[1], "spice") == 0) {
    RegisterSymbols();
    return PrintSpiceNetlist(argv[2], argc == 4);
  }
  if (argc == 3 && std::strcmp(argv[1], "latex") == 0) {
    RegisterSymbols();
    return PrintLatex(argv[2]);
  }
  if (argc == 3 && std::strcmp(argv[1], "ui-script") == 0) {
    RegisterSymbols();
    return RunUiScript(argv[2]);
  }
  if (argc == 4 && std::strcmp(argv[1], "render-dialog") == 0) {
    RegisterBasicsClasses();
    RegisterResources();
    return RenderDialog(argv[2], argv[3]);
  }
  PrintUsage(stderr);
  return kBadUsage;
}
