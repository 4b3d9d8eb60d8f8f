#pragma once
// The start of a built-in run from a generator's set-up dialog, on the view that shows the
// generator: refused while another run is going or while the generator is still being placed;
// otherwise the generator becomes the only active instrument, the netlist is built and loaded
// into the generator's reader, the busy window opens, the instruments that take part forget
// their last run and read the first point, and the dialog closes. The view's timer then steps
// the run; the generator ends it through the view's StopMeasurement, so those instruments end
// their measurement (the multimeter writes its log).

class MessMasterSymbol;

namespace pf {
class Dialog;
}

// False (after the message box, with the dialog left open) when the run does not start. Once
// the start is not refused, the view's timer ticks at the period, 0 giving the view's own.
bool StartGeneratorRun(MessMasterSymbol& generator, pf::Dialog& dialog, int busyLimit,
                       unsigned timerPeriodMs = 0);
// Called by the generator when it has no further point or the reader reports a fault.
void EndGeneratorRun(MessMasterSymbol& generator);
