#pragma once
// The two intermediate bases of the element dialogs and the substrate selection that the line
// dialogs share: a combo box of the substrate symbols of the circuit, and the check on OK that
// one is chosen.

#include <memory>
#include <string>
#include <vector>

#include "basics/MyStrng.h"
#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"

class NetSymbol;

// The element names of the circuit's substrate symbols, in list order; none unless the window
// is a view of a circuit document.
std::vector<std::string> CollectSubstrates(pf::Window* view);

// Lists the substrates in the combo box, selecting none; returns their names.
std::vector<std::string> ListSubstrates(TComboBox& combo, pf::Window* view);

// Lists the substrates in the combo box. The name "NO_SUB" (the element has none yet) takes
// the last one listed, if any; another name is selected.
void FillSubstrateCombo(TComboBox& combo, pf::Window* view, MyStrng& name);

// A symbol's substrate in the combo box among the circuit's: "NO_SUB" (none yet) selects none,
// or the last one listed when lastForNone.
void ShowSymbolSubstrate(TComboBox& combo, pf::Window* view, const MyStrng& name,
                         bool lastForNone);

// The combo box's choice becomes the name; without one: beep, "Zuerst ein Substrat
// definieren" / "Fehler", and false.
bool CheckSubstrate(TComboBox& combo, pf::Window& owner, MyStrng& name);

class TBasisDialog : public TDialog {
 public:
  TBasisDialog(pf::Window* parent, const char* templateName)
      : TDialog(parent, templateName), parentView(parent) {}

  // Checks the variable box when the symbol is variable, and remembers whether it did.
  void SetupWindow() override;

 protected:
  pf::Window* parentView;
  NetSymbol* symbol = nullptr;
  std::unique_ptr<TCheckBox> variableBox;
  int variableChecked = 0;
};

class TMicBasisDialog : public TDialog {
 public:
  TMicBasisDialog(pf::Window* parent, const char* templateName)
      : TDialog(parent, templateName), parentView(parent) {}

 protected:
  void FillSubstrateCombo() { ::FillSubstrateCombo(*substrateCombo, parentView, substrateName); }
  bool CheckSubstrate() { return ::CheckSubstrate(*substrateCombo, *this, substrateName); }

  pf::Window* parentView;
  MyStrng substrateName;
  std::unique_ptr<TComboBox> substrateCombo;
};
