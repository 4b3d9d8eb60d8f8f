#include "elements/dialogs/SpiceModelDialogs.h"

#include <string>

#include "editor/document/SpiceModelLookup.h"
#include "editor/symbols/NetSymbol.h"
#include "elements/spice/SpiceModelSymbols.h"
#include "pf/controls.h"
#include "resources/SpiceModelIds.h"

ModelChooser::ModelChooser(int templateId, int listId, pf::Window* parent)
    : pf::Dialog(templateId, parent), listId(listId) {}

bool ModelChooser::OnInitDialog() {
  names.RemoveAll();
  if (symbol != nullptr) ListNames();
  if (auto* list = GetControl<pf::ListBox>(listId)) {
    names.ForEach([list](const MyStrng& name) { list->AddString(name.ToCString()); });
  }
  return true;
}

void ModelChooser::OnOK() {
  auto* list = GetControl<pf::ListBox>(listId);
  if (list == nullptr || list->GetCurSel() < 0 || symbol == nullptr) return;
  symbol->modelName = MyStrng(list->GetText(list->GetCurSel()));
  EndDialog(pf::kIdOk);
}

BipSpiceDialog::BipSpiceDialog(pf::Window* parent)
    : ModelChooser(spice_ids::kBipChooser, spice_ids::kBipList, parent) {}

void BipSpiceDialog::ListNames() {
  const SpiceModelLookup lookup = SpiceModelLookup::For(*symbol, GetParent());
  if (symbol->classKey == BipSpiceSymbol::kClassKey) {
    lookup.ListBipolarModels(names);
    SetWindowText("Bipolartransistoren");
  } else if (symbol->classKey == OpaSpiceSymbol::kClassKey) {
    lookup.ListOpAmpSubcircuits(names);
    SetWindowText("Operationsverstärker");
  }
}

FetSpiceDialog::FetSpiceDialog(pf::Window* parent)
    : ModelChooser(spice_ids::kFetChooser, spice_ids::kFetList, parent) {}

void FetSpiceDialog::ListNames() {
  SpiceModelLookup::For(*symbol, GetParent()).ListFetModels(names);
}

PNDiodeDialog::PNDiodeDialog(pf::Window* parent)
    : ModelChooser(spice_ids::kDiodeChooser, spice_ids::kDiodeList, parent) {}

void PNDiodeDialog::ListNames() {
  SpiceModelLookup::For(*symbol, GetParent()).ListDiodeModels(names);
}

BipSpiceShow::BipSpiceShow(pf::Window* parent) : pf::Dialog(spice_ids::kShow, parent) {}

bool BipSpiceShow::OnInitDialog() {
  if (content == 'F') {
    changed = true;
  } else if (symbol != nullptr) {
    modelName = symbol->modelName;
    const SpiceModelLookup lookup = SpiceModelLookup::For(*symbol, GetParent());
    const MyStrng key = symbol->classKey;
    if (key == BipSpiceSymbol::kClassKey || key == FetSpiceSymbol::kClassKey) {
      lookup.GetModelText(modelName, lines);
    } else {
      lookup.GetSubcircuitText(modelName, lines);
    }
    changed = false;
  }
  // The text goes straight into the edit: the user's clipboard is no place for it.
  std::string text;
  lines.ForEach([&text](const MyStrng& line) { text += line.ToCString() + std::string("\r\n"); });
  filling = true;
  SetDlgItemText(spice_ids::kShowText, text);
  filling = false;
  if (auto* field = GetControl<pf::Edit>(spice_ids::kShowText)) field->SetReadOnly(edit == 'N');
  return true;
}

bool BipSpiceShow::OnCommand(int id, pf::Notification code) {
  if (id == spice_ids::kShowText && code == pf::Notification::Changed && !filling) changed = true;
  return pf::Dialog::OnCommand(id, code);
}

void BipSpiceShow::OnOK() {
  if (changed && edit == 'E') {
    lines.RemoveAll();
    const std::string text = GetDlgItemText(spice_ids::kShowText);
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      MyStrng upper(line);
      upper.MakeUpper();
      if (!upper.IsEmpty()) lines.AddLine(upper);
      start = end + 1;
    }
  }
  EndDialog(pf::kIdOk);
}

namespace {

// The chooser while no model is chosen, else the model's text, read-only.
template <class Chooser>
bool EditModelSymbol(NetSymbol& symbol, pf::Window* parent) {
  if (symbol.modelName == "NoModell") {
    Chooser chooser(parent);
    chooser.SetSymbol(&symbol);
    return chooser.DoModal() == pf::kIdOk;
  }
  BipSpiceShow show(parent);
  show.SetSymbol(&symbol);
  show.DoModal();
  return true;
}

}  // namespace

bool BipSpiceSymbol::EditDialog(pf::Window* parent) {
  return EditModelSymbol<BipSpiceDialog>(*this, parent);
}

bool FetSpiceSymbol::EditDialog(pf::Window* parent) {
  return EditModelSymbol<FetSpiceDialog>(*this, parent);
}

bool OpaSpiceSymbol::EditDialog(pf::Window* parent) {
  return EditModelSymbol<BipSpiceDialog>(*this, parent);
}
