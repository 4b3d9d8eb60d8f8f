#include "instruments/ui/SpiceAnalyses.h"

#include <string>

#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/ViewCommands.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/DcSweepDialog.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/SpiceRawFileDialog.h"
#include "instruments/ui/TransientAnalyseDialog.h"

namespace {

bool DcSweep(pf::Window& parent) {
  auto* view = dynamic_cast<CVostraneView*>(&parent);
  if (view == nullptr || view->GetDocument() == nullptr) return false;
  return DcSweepDialog(*view->GetDocument(), &parent).DoModal() == pf::kIdOk;
}

bool Transient(pf::Window& parent, NetSymbol* instrument) {
  // Only a master writes the ".TRAN" card.
  auto* source = dynamic_cast<MessMasterSymbol*>(instrument);
  if (source == nullptr) return false;
  return TransientAnalyseDialog(&parent, *source).DoModal() == pf::kIdOk;
}

void RawFile(pf::Window& parent) {
  auto* view = dynamic_cast<CVostraneView*>(&parent);
  if (view == nullptr || view->GetDocument() == nullptr) return;
  SpiceManager& spice = view->GetDocument()->GetSpiceManager();
  spice.CopyRawFileToClipboard(&parent);
  // The edit gets the text itself, not through the user's clipboard.
  std::string text;
  spice.GetRawLines().ForEach([&text](const MyStrng& line) { text += line.ToCString() + "\r\n"; });
  SpiceRawFileDialog(&parent, text).DoModal();
}

}  // namespace

void InstallSpiceAnalyses() {
  SpiceAnalysisDialogs dialogs;
  dialogs.dcSweep = DcSweep;
  dialogs.transient = Transient;
  dialogs.rawFile = RawFile;
  InstallSpiceAnalysisDialogs(dialogs);
}
