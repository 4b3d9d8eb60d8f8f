#include "editor/dialogs/BasisDialogs.h"

#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "pf/ui_services.h"
#include "pf/view.h"

std::vector<std::string> CollectSubstrates(pf::Window* view) {
  std::vector<std::string> names;
  auto* v = dynamic_cast<pf::View*>(view);
  auto* doc = v != nullptr ? dynamic_cast<CVostraneDoc*>(v->GetDocument()) : nullptr;
  if (doc == nullptr) return names;
  doc->Symbols().ForEach([&](NetSymbol* s) {
    if (s->GetClassKey() == SubSymbol::kClassKey) {
      names.emplace_back(s->GetElementName().ToCString());
    }
  });
  return names;
}

std::vector<std::string> ListSubstrates(TComboBox& combo, pf::Window* view) {
  combo.ClearList();
  std::vector<std::string> names = CollectSubstrates(view);
  for (std::string& entry : names) {
    entry = CutToReadBuffer(entry);
    combo.AddString(entry);
  }
  return names;
}

void FillSubstrateCombo(TComboBox& combo, pf::Window* view, MyStrng& name) {
  const std::vector<std::string> names = ListSubstrates(combo, view);
  if (name == "NO_SUB") {
    if (names.empty()) return;
    combo.SetSelString(names.back());
    name = names.back().c_str();
  } else {
    combo.SetSelString(name.ToCString());
  }
}

void ShowSymbolSubstrate(TComboBox& combo, pf::Window* view, const MyStrng& name,
                         bool lastForNone) {
  if (name == "NO_SUB" && !lastForNone) {
    ListSubstrates(combo, view);
    return;
  }
  MyStrng shown = name;
  FillSubstrateCombo(combo, view, shown);
}

bool CheckSubstrate(TComboBox& combo, pf::Window& owner, MyStrng& name) {
  name = combo.GetSelString().c_str();
  if (!name.IsEmpty()) return true;
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  owner.MessageBox("Zuerst ein Substrat definieren", "Fehler");
  return false;
}

void TBasisDialog::SetupWindow() {
  variableChecked = 0;
  if (symbol == nullptr || symbol->settingD == 0) return;
  if (variableBox) variableBox->Check();
  variableChecked = 1;
}
