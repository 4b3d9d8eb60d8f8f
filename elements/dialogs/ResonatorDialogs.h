#pragma once
// The dialogs of the series and parallel resonant circuits and of the crystal. The values are
// stored as typed; none may be 0 or negative, as the models divide by each.

#include "editor/dialogs/FieldTableDialog.h"
#include "elements/lumped/QuarzSymbol.h"

class TSrlcDialog : public FieldTableDialog<ResonantCircuitSymbol> {
 public:
  TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent);
};

class TPrlcDialog : public FieldTableDialog<ResonantCircuitSymbol> {
 public:
  TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent);
};

class TQuarzDialog : public FieldTableDialog<QuarzSymbol> {
 public:
  TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent);
};
