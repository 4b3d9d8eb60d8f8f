#include "synthesis/Register.h"

#include <memory>

#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "pf/ui_services.h"
#include "resources/CommandIds.h"
#include "synthesis/FilterBuilders.h"
#include "synthesis/FilterDialogs.h"
#include "synthesis/MicrostripConversion.h"

namespace {

// The builders start from an empty circuit only.
void UpdateBuilder(CVostraneView& view, pf::CmdUI& ui) {
  const CVostraneDoc* doc = view.GetDocument();
  ui.Enable(doc != nullptr && doc->Symbols().GetCount() == 0);
}

void UpdateOnLowPass(CVostraneView& view, pf::CmdUI& ui) {
  ui.Enable(view.Synthesis().LowPassBuilt);
}

void UpdateOnBandPass(CVostraneView& view, pf::CmdUI& ui) {
  ui.Enable(view.Synthesis().BandPassBuilt);
}

template <class Dialog>
bool Confirmed(CVostraneView& view) {
  const auto dialog = std::make_unique<Dialog>(&view, &view);
  return dialog->DoModal() == pf::kIdOk;
}

constexpr ViewCommand kCommands[] = {
    {kIdSynthesisLowPass,
     [](CVostraneView& view) {
       if (Confirmed<TLowPasDlg>(view)) BuildLowPass(view);
     },
     UpdateBuilder},
    {kIdSynthesisBandPass,
     [](CVostraneView& view) {
       if (Confirmed<TBandPasDlg>(view)) BuildBandPass(view);
     },
     UpdateBuilder},
    {kIdSynthesisMicLowPass,
     [](CVostraneView& view) {
       if (Confirmed<TLowPasDlg>(view)) BuildStubLowPass(view);
     },
     UpdateBuilder},
    {kIdSynthesisHighPass,
     [](CVostraneView& view) {
       if (view.Synthesis().LowPassBuilt) TransformToHighPass(view);
     },
     UpdateOnLowPass},
    {kIdSynthesisBandStop,
     [](CVostraneView& view) {
       if (view.Synthesis().BandPassBuilt) TransformToBandStop(view);
     },
     UpdateOnBandPass},
    {kIdSynthesisTrlLowPass,
     [](CVostraneView& view) {
       SynthesisSettings& s = view.Synthesis();
       if (!s.LowPassBuilt) return;
       // Twice the cut-off makes every line an eighth wave long there.
       s.LineReferenceFrequency = 2.0 * s.CutoffFrequency;
       if (Confirmed<LineLowPassDlg>(view)) TransformToLines(view);
     },
     UpdateOnLowPass},
    {kIdSynthesisMslLowPass, TransformToMicrostrip,
     [](CVostraneView& view, pf::CmdUI& ui) {
       const CVostraneDoc* doc = view.GetDocument();
       ui.Enable(view.Synthesis().StubLowPassBuilt && doc != nullptr && doc->HasSubstrate());
     }},
    {kIdSynthesisTrlHighPass,
     [](CVostraneView& view) {
       view.MessageBox("TRL-Hochpass", "Synthese", pf::MsgButtons::Ok, pf::MsgIcon::None);
     },
     UpdateOnLowPass},
};

}  // namespace

void RegisterSynthesisCommands() { CVostraneView::AddCommands(kCommands); }
