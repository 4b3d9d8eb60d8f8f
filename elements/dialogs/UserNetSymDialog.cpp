#include "elements/dialogs/UserNetSymDialog.h"

#include "editor/dialogs/TDialog.h"
#include "elements/dialogs/DataSymbolDlg.h"
#include "pf/app.h"
#include "pf/controls.h"
#include "pf/document.h"
#include "pf/file_dialog.h"
#include "pf/view.h"
#include "resources/DataPortIds.h"

namespace ids = user_net_ids;

UserNetSymDialog::UserNetSymDialog(UserNetSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {}

bool UserNetSymDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  int limit = pf::Edit::kDefaultLimit;
  if (auto* edit = GetControl<pf::Edit>(ids::kLines); edit != nullptr) limit = edit->GetLimitText();
  SetDlgItemText(ids::kLines, LinesAsEditText(symbol->subLines, limit));
  return true;
}

bool UserNetSymbol::EditDialog(pf::Window* parent) {
  if (subLines.GetCount() == 0 && sourceKind != 'F') {
    pf::FileDialog dialog(true, {}, {}, pf::kOfnHideReadOnly, kFileFilter);
    if (dialog.DoModal() != pf::kIdOk) return false;
    // The circuit the symbol is placed in, which the source must not use.
    std::string owner;
    if (const auto* view = dynamic_cast<const pf::View*>(parent); view != nullptr) {
      if (const pf::Document* doc = view->GetDocument(); doc != nullptr) owner = doc->GetPathName();
    }
    return TakeSource(dialog.GetPathName(), dialog.GetFileTitle(), owner);
  }
  if (sourceKind == 'F') {
    if (pf::App* app = pf::App::Current(); app != nullptr) app->OpenDocumentFile(path.ToCString());
  } else if (sourceKind == 'N') {
    RunElementDialog<UserNetSymDialog>(*this, parent);
  }
  return false;
}
