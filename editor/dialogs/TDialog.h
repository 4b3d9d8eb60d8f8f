#pragma once
// The base of the element dialogs: SetupWindow fills the controls when the dialog opens, and
// CanClose checks and stores them when the user presses OK; the dialog closes only when it
// agrees. The controls are reached through the wrappers of TControl.h.

#include <cstdint>

#include "editor/symbols/SymbolSnapshot.h"
#include "pf/dialog.h"

class TDialog : public pf::Dialog {
 public:
  TDialog(pf::Window* parent, const char* templateName);

  // Modeless. The dialog is built from the template named at construction; the id is not used.
  bool Create(int templateId, pf::Window* parent);
  bool OnInitDialog() override;
  void OnOK() override;

  virtual void SetupWindow() {}
  virtual bool CanClose() { return true; }

  int IsModeless() const { return modeless; }
  bool IsSetUp() const { return setUp != 0; }

 private:
  int modeless = 0;
  uint8_t setUp = 0;
};

// How every element symbol opens its dialog: true exactly when the user ended it with OK. An OK
// that a field refuses leaves the symbol as it was.
template <class D, class S>
bool RunElementDialog(S& symbol, pf::Window* parent) {
  D dialog(&symbol, parent);
  KeepSymbolOnRefusal(dialog, symbol);
  return dialog.DoModal() == pf::kIdOk;
}
