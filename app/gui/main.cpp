// vostrane: the desktop program. "vostrane FILE..." opens the circuit files; when none is given
// or none opens, it starts with a new circuit.

#include <cstdio>
#include <string>
#include <vector>

#include "basics/Register.h"
#include "editor/Register.h"
#include "editor/desktop/CVostraneApp.h"
#include "elements/Register.h"
#include "instruments/ui/Register.h"
#include "lines/ui/Register.h"
#include "pf/desktop.h"
#include "resources/Resources.h"
#include "synthesis/Register.h"

int main(int argc, char** argv) {
  RegisterBasicsClasses();
  RegisterEditorClasses();
  RegisterLumpedSymbols();
  RegisterLineSymbols();
  RegisterLineCommands();
  RegisterInstrumentSymbols();
  RegisterSynthesisCommands();
  RegisterResources();
  pf::Desktop desktop(argc, argv);
  if (!desktop.IsReady()) {
    std::fputs("vostrane: keine Anzeige\n", stderr);
    return 1;
  }
  CVostraneApp app(std::vector<std::string>(argv + 1, argv + argc));
  return desktop.Run(app);
}
