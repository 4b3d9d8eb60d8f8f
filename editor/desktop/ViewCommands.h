#pragma once
// The circuit view's commands that neither place nor edit symbols: copies of the circuit (a
// picture, a LaTeX picture, the netlist text), the netlist export, the help, the SPICE netlist
// and its run, the choice of the simulator; and the rules that enable the element commands.

#include <functional>

class CVostraneView;
class NetSymbol;

namespace pf {
struct CmdUI;
class Window;
}  // namespace pf

// Adds the commands to the view, and the rule of the element commands: enabled when the
// element's symbol is built and the circuit allows it; an element that is chosen but no longer
// allowed hands the choice to the ground.
void RegisterViewCommands();

// The dialogs of the SPICE analyses belong to the SPICE run, which installs them; their
// commands stay disabled until then. The sweep and transient dialogs answer true for OK, upon
// which the view writes the SPICE netlist and starts the program.
struct SpiceAnalysisDialogs {
  std::function<bool(pf::Window& parent)> dcSweep;
  // The instrument whose time values the dialog edits: the data or pulse generator that writes
  // the ".TRAN" card (the document's transient source).
  std::function<bool(pf::Window& parent, NetSymbol* instrument)> transient;
  // Copies the raw file to the clipboard and shows it.
  std::function<void(pf::Window& parent)> rawFile;
};
void InstallSpiceAnalysisDialogs(SpiceAnalysisDialogs dialogs);
