#include "elements/dialogs/SpiceLibDialog.h"

#include <sstream>

#include "elements/dialogs/SpiceModelDialogs.h"
#include "pf/controls.h"
#include "pf/file_dialog.h"
#include "pf/ui_services.h"
#include "resources/SpiceModelIds.h"

using namespace spice_ids;

namespace {

bool AskYesNo(const std::string& question) {
  return pf::TheUiServices().MessageBox(question, "Vostrane", pf::MsgButtons::YesNo,
                                        pf::MsgIcon::Question) == pf::MsgResult::Yes;
}

}  // namespace

SpiceLibDialog::SpiceLibDialog(SpiceLibSymbol* symbol, pf::Window* parent)
    : pf::Dialog(kLibrary, parent), symbol(symbol) {}

bool SpiceLibDialog::OnInitDialog() {
  Fill(&SpiceLibrary::GetAllNames);
  SetDlgItemText(kLibName, symbol->libraryName.ToCString());
  return true;
}

void SpiceLibDialog::Fill(void (SpiceLibrary::*list)(LineFile&) const) {
  names.RemoveAll();
  (symbol->library.*list)(names);
  auto* box = GetControl<pf::ListBox>(kLibList);
  if (box == nullptr) return;
  box->ResetContent();
  names.ForEach([box](const MyStrng& name) { box->AddString(name.ToCString()); });
}

MyStrng SpiceLibDialog::SelectedName() const {
  const auto* box = GetControl<pf::ListBox>(kLibList);
  if (box == nullptr || box->GetCount() == 0) return "NoName";
  return MyStrng(box->GetText(box->GetCurSel() >= 0 ? box->GetCurSel() : 0));
}

bool SpiceLibDialog::OnCommand(int id, pf::Notification code) {
  switch (id) {
    case kLibDiode: Fill(&SpiceLibrary::GetDiodeModelNames); return true;
    case kLibNpn: Fill(&SpiceLibrary::GetNpnModelNames); return true;
    case kLibPnp: Fill(&SpiceLibrary::GetPnpModelNames); return true;
    case kLibNjf: Fill(&SpiceLibrary::GetNjfModelNames); return true;
    case kLibPjf: Fill(&SpiceLibrary::GetPjfModelNames); return true;
    case kLibDel: Delete(); return true;
    case kLibShow: Show(); return true;
    case kLibAdd: Add(); return true;
    case kLibClipboard: symbol->library.CopyToClipboard(this); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}

void SpiceLibDialog::Delete() {
  const MyStrng name = SelectedName();
  if (name == "NoName") {
    pf::TheUiServices().MessageBox("Kein Eintrag markiert", "", pf::MsgButtons::Ok,
                                   pf::MsgIcon::None);
    return;
  }
  if (!AskYesNo("Elment: " + name.ToCString() + " wirklich löschen")) return;
  // The list also offers sub-circuits, which go as whole blocks.
  if (symbol->library.HasModel(name)) {
    symbol->library.RemoveModel(name);
  } else {
    symbol->library.RemoveSubckt(name);
  }
  Fill(&SpiceLibrary::GetAllNames);
}

void SpiceLibDialog::Show() {
  const MyStrng name = SelectedName();
  if (name == "NoName") {
    pf::TheUiServices().MessageBox("Kein Eintrag vorhanden", "", pf::MsgButtons::Ok,
                                   pf::MsgIcon::None);
    return;
  }
  const bool model = symbol->library.HasModel(name);
  BipSpiceShow show(this);
  show.SetContent('F');
  show.SetEditMode('E');
  if (model) {
    symbol->library.GetModelCard(name, show.Lines());
  } else if (symbol->library.HasSubckt(name)) {
    symbol->library.GetSubcktBlock(name, show.Lines());
  }
  if (show.DoModal() != pf::kIdOk || !show.IsChanged()) return;
  if (model) {
    symbol->library.ReplaceModel(name, show.Lines());
  } else {
    symbol->library.ReplaceSubckt(name, show.Lines());
  }
}

void SpiceLibDialog::Add() {
  const char* type = IsDlgButtonChecked(kLibDiode) != 0  ? " D( "
                     : IsDlgButtonChecked(kLibPnp) != 0 ? " PNP( "
                                                        : " NPN( ";
  BipSpiceShow show(this);
  show.SetContent('F');
  show.SetEditMode('E');
  MyStrng card = MyStrng(".MODEL NAME") + type;
  card.MakeUpper();
  show.Lines().AddLine(card);
  show.Lines().AddLine("+   )");
  show.Lines().AddLine("*----------------------------------------");
  if (show.DoModal() != pf::kIdOk || !show.IsChanged()) return;
  // The edited card joins the library; a template left to itself would be lost.
  symbol->library.AppendLines(show.Lines());
  Fill(&SpiceLibrary::GetAllNames);
}

void SpiceLibDialog::OnOK() {
  symbol->libraryName = MyStrng(GetDlgItemText(kLibName));
  EndDialog(pf::kIdOk);
}

bool SpiceLibSymbol::EditDialog(pf::Window* parent) {
  if (library.GetCount() == 0) {
    pf::FileDialog files(true, "", "", pf::kOfnHideReadOnly,
                         "Spice Library (*.lib)|*.lib|Text Files (*.txt)|*.txt|");
    if (files.DoModal() == pf::kIdOk) {
      libraryName = MyStrng(files.GetFileName());
      library.ReadFile(MyStrng(files.GetPathName()));
      library.fileName = MyStrng(files.GetPathName());
      return true;
    }
    if (!AskYesNo("Soll eine leere Lib erzeugt werden?")) return false;
    libraryName = "Empty.Lib";
    library.AddLine("*---------------");
    return true;
  }
  // The dialog's actions change the library at once, Abbrechen included: whatever changed must
  // mark the circuit as modified, or closing it would lose the edit.
  std::ostringstream before;
  library.WriteLines(before);
  const MyStrng name = libraryName;
  SpiceLibDialog dialog(this, parent);
  dialog.DoModal();
  std::ostringstream after;
  library.WriteLines(after);
  return before.str() != after.str() || !(libraryName == name);
}
