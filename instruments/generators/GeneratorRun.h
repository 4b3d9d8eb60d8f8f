#pragma once
// The start of a built-in run from a generator's set-up dialog, on the view that shows the
// generator: the generator becomes the only active instrument, the netlist is built and
// loaded into the generator's reader, the busy window opens, every instrument forgets its last
// run and reads the first point, and the dialog closes. The view's timer then steps the run;
// the generator ends it through the view's StopMeasurement, so every instrument ends its
// measurement (the multimeter writes its log).

class MessMasterSymbol;

namespace pf {
class Dialog;
}

// False (after the message box, with the dialog left open) when the run does not start.
bool StartGeneratorRun(MessMasterSymbol& generator, pf::Dialog& dialog, int busyLimit);
// Called by the generator when it has no further point or the reader reports a fault.
void EndGeneratorRun(MessMasterSymbol& generator);
