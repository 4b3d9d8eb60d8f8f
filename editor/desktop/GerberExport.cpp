#include "editor/desktop/GerberExport.h"

#include <filesystem>
#include <string>

#include "editor/desktop/CVostraneView.h"
#include "editor/dialogs/GerberPlotDialog.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/GerberDocument.h"
#include "editor/symbols/SubSymbol.h"
#include "pf/command.h"
#include "pf/file_dialog.h"

void UpdateExportGerber(CVostraneView& view, pf::CmdUI& ui) {
  const CVostraneDoc* doc = view.GetDocument();
  ui.Enable(doc != nullptr && doc->HasSubstrate());
}

void ExportGerber(CVostraneView& view) {
  CVostraneDoc* doc = view.GetDocument();
  const auto* substrate = doc != nullptr ? dynamic_cast<SubSymbol*>(doc->FindSubstrate()) : nullptr;
  if (substrate == nullptr) return;
  GerberDocument plot;
  plot.SetSubstrateSize(substrate->extentX, substrate->extentY);
  GerberPlotDialog dialog(&view);
  dialog.document = &plot;
  if (dialog.DoModal() != pf::kIdOk) return;
  doc->Symbols().ForEach([&plot](NetSymbol* s) { plot.AddSymbol(s); });
  if (!plot.CreatePlot()) return;
  LineFile(plot.BottomOutput()).CopyToClipboard(&view);

  pf::FileDialog save(false, "gbx", doc->GetTitle(),
                      pf::kOfnHideReadOnly | pf::kOfnOverwritePrompt | pf::kOfnPathMustExist,
                      "Extended Gerber File (*.gbx)|*.gbx");
  if (save.DoModal() != pf::kIdOk) return;
  // The name up to its first '.', in the chosen folder.
  const std::filesystem::path chosen(save.GetPathName());
  const std::string name = chosen.filename().string();
  const std::string base = (chosen.parent_path() / name.substr(0, name.find('.'))).string();
  plot.SetFileNames(MyStrng(base));
  plot.SaveFiles();
}
