#pragma once
// The stub low-pass turned into microstrip ("Synthese/->MSL-Tiefpass"): each TEM line becomes
// a microstrip line, each open TEM stub an open microstrip stub, on the circuit's last
// substrate, with the width that gives the line's impedance at the cut-off frequency and the
// length that keeps its electrical length (an open stub less its open-end extension).

#include "lines/models/MathPool.h"
#include "lines/models/SubstrateData.h"

class CVostraneView;

// Secant search of the strip width (mm) for the impedance wanted (ohm) at f (GHz), from
// W = h on, to within 0.1 ohm; result holds the microstrip at the width returned. Bounded and
// guarded (equal impedances at two widths, a width that would not be positive); a search that
// does not converge is reported and answers 0.
double FindMicrostripWidth(const SubstrateData& substrate, double f, double wanted,
                           MicrostripResult& result);

// Runs only right after the stub low-pass was built and consumes that in any case; without a
// substrate nothing changes.
void TransformToMicrostrip(CVostraneView& view);
