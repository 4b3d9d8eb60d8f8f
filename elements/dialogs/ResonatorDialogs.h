#pragma once
// The dialogs of the series and parallel resonant circuits and of the crystal. The values are
// stored as typed; none may be 0 or negative, as the models divide by each.

#include <span>

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TDialog.h"
#include "elements/lumped/QuarzSymbol.h"

// A resonator S's dialog: the template it is built from and the one table it shows and reads.
template <class S>
class TResonatorDialog : public TDialog {
 public:
  void SetupWindow() override {
    ShowFields(*this, fields, *symbol, FieldText::WithoutLeadingBlanks, kReadBuffer);
  }
  bool CanClose() override {
    FieldReader reader(*this, false);
    return reader.ReadFields(fields, *symbol);
  }

 protected:
  TResonatorDialog(const char* templateName, std::span<const Field<S>> fields, S* symbol,
                   pf::Window* parent)
      : TDialog(parent, templateName), fields(fields), symbol(symbol) {}

 private:
  std::span<const Field<S>> fields;
  S* symbol;
};

class TSrlcDialog : public TResonatorDialog<ResonantCircuitSymbol> {
 public:
  TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent);
};

class TPrlcDialog : public TResonatorDialog<ResonantCircuitSymbol> {
 public:
  TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent);
};

class TQuarzDialog : public TResonatorDialog<QuarzSymbol> {
 public:
  TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent);
};
