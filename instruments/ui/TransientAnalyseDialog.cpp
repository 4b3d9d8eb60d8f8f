#include "instruments/ui/TransientAnalyseDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "resources/SpiceAnalysisIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

using Source = MessMasterSymbol;
constexpr Field<Source> kDuration[] = {
    Fields<Source>::Edit<&Source::tranStop>(transient_ids::kDuration),
};

struct Steps {
  TimWert step;
  TimWert maxStep;
};
constexpr Field<Steps> kSteps[] = {
    Fields<Steps>::Edit<&Steps::step>(transient_ids::kStep),
    Fields<Steps>::Edit<&Steps::maxStep>(transient_ids::kMaxStep),
};

}  // namespace

TransientAnalyseDialog::TransientAnalyseDialog(pf::Window* parent, MessMasterSymbol& source)
    : pf::Dialog(transient_ids::kTemplate, parent), source(source) {
  KeepSymbolOnRefusal(*this, source);
}

bool TransientAnalyseDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kDuration, source);
  Steps steps{source.tranStep, source.tranMaxStep};
  ShowFields(*this, kSteps, steps);
  return true;
}

void TransientAnalyseDialog::OnOK() {
  FieldReader reader(*this, true);
  Steps steps{source.tranStep, source.tranMaxStep};
  if (!reader.ReadFields(kDuration, source) || !reader.ReadFields(kSteps, steps)) return;
  source.tranStep = steps.step;
  source.tranMaxStep = steps.maxStep;
  pf::Dialog::OnOK();
}
