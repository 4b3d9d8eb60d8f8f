#pragma once
// The dialogs of the series and parallel resonant circuits and of the crystal. The values are
// stored as typed; none may be 0 or negative, as the models divide by each.

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TDialog.h"
#include "elements/lumped/QuarzSymbol.h"

class TResonantCircuitDialog : public TDialog {
 public:
  struct Layout {
    const char* templateName;
    Field<ResonantCircuitSymbol> fields[3];  // f0, Zk, Q
  };

  void SetupWindow() override;
  bool CanClose() override;

 protected:
  TResonantCircuitDialog(const Layout& layout, ResonantCircuitSymbol* symbol, pf::Window* parent);

 private:
  const Layout& layout;
  ResonantCircuitSymbol* symbol;
};

class TSrlcDialog : public TResonantCircuitDialog {
 public:
  TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent);
};

class TPrlcDialog : public TResonantCircuitDialog {
 public:
  TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent);
};

class TQuarzDialog : public TDialog {
 public:
  TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent);

  void SetupWindow() override;
  bool CanClose() override;

 private:
  QuarzSymbol* symbol;
};
