#include "diagrams/graphics/DiagGitter.h"

DiagGitter::DiagGitter(pf::Window* owner) : GrafElement(owner) {}

void DiagGitter::SetYRefPos(int i) { yRefIndex = i; }

void DiagGitter::SetXRefPos(int i) { xRefIndex = i; }
