// vostrane: the desktop program. "vostrane FILE..." opens the circuit files; when none is given
// or none opens, it starts with a new circuit.

#include <cstdio>
#include <string>
#include <vector>

#include "app/startup/RegisterAll.h"
#include "editor/desktop/CVostraneApp.h"
#include "pf/desktop.h"
#include "pf/process.h"

int main(int argc, char** argv) {
  pf::HandleProgramSignals();
  RegisterAll();
  pf::Desktop desktop(argc, argv);
  if (!desktop.IsReady()) {
    std::fputs("vostrane: keine Anzeige\n", stderr);
    return 1;
  }
  CVostraneApp app(std::vector<std::string>(argv + 1, argv + argc));
  return desktop.Run(app);
}
