#pragma once
// The filter builders of the synthesis commands, from the view's synthesis settings. The
// builders place a filter into an empty circuit (otherwise they do nothing) and set the flag
// of the transformations that it enables; a transformation rewrites what its builder placed,
// each new symbol between the pins of the one it replaces, and consumes the flag. Positions are
// multiples of the grid step from (5, 5) steps on.

class CVostraneView;

// Lumped: inductors in series, capacitors to ground, starting with an inductor.
void BuildLowPass(CVostraneView& view);
// Series resonant circuits in series, parallel ones to ground; sets the band edges.
void BuildBandPass(CVostraneView& view);
// Inductors and capacitors exchange; grounds stay.
void TransformToHighPass(CVostraneView& view);
// Series and parallel resonant circuits exchange; grounds stay.
void TransformToBandStop(CVostraneView& view);

// Richards: inductors become short-circuited stubs in series, capacitors open stubs to ground,
// all a quarter wave long at the line reference frequency; grounds go.
void TransformToLines(CVostraneView& view);
// Open stubs joined by unit elements, all an eighth wave long at the cut-off, between feed
// lines and the external nodes 1 and 2.
void BuildStubLowPass(CVostraneView& view);
