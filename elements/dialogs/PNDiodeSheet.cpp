#include "elements/dialogs/PNDiodeSheet.h"

#include "basics/VS_Error.h"
#include "editor/document/SpiceModelLookup.h"
#include "elements/dialogs/SpiceModelDialogs.h"
#include "resources/SpiceModelIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

using namespace spice_ids;
using Diode = PNDiodeSymbol;
using DiodeField = Fields<Diode>;

// To is the base's general value, in kelvin. The built-in junction needs IS and N above 0,
// SPICE a temperature above 0 K.
constexpr Field<Diode> kFirst[] = {
    DiodeField::Edit<&Diode::is>(kIs, Positive()), DiodeField::Edit<&Diode::n>(kN, Positive()),
    DiodeField::Edit<&Diode::rs>(kRs), DiodeField::Edit<&Diode::To>(kTo, Positive()),
    DiodeField::Edit<&Diode::xti>(kXti)};
constexpr Field<Diode> kSecond[] = {
    DiodeField::Edit<&Diode::isr>(kIs), DiodeField::Edit<&Diode::nr>(kN),
    DiodeField::Edit<&Diode::vj>(kVj), DiodeField::Edit<&Diode::m>(kM)};
constexpr Field<Diode> kThird[] = {DiodeField::Edit<&Diode::ibv>(kIbv),
                                   DiodeField::Edit<&Diode::nbv>(kNbv),
                                   DiodeField::Edit<&Diode::bv>(kBv)};
constexpr Field<Diode> kFourth[] = {DiodeField::Edit<&Diode::cj0>(kCj0),
                                    DiodeField::Edit<&Diode::tt>(kTt)};

}  // namespace

bool PNDiodePage::OnInitDialog() {
  pf::PropertyPage::OnInitDialog();
  ShowFields(*this, fields, *symbol);
  return true;
}

bool PNDiodePage::OnKillActive() {
  FieldReader reader(*this, true);
  return reader.ReadFields(fields, *symbol) && pf::PropertyPage::OnKillActive();
}

PNDiodePropertySheet::PNDiodePropertySheet(PNDiodeSymbol* symbol, pf::Window* parent)
    : pf::PropertySheet("Halbleiterdiode", parent, 0),
      first(kDiodePage1, symbol, kFirst),
      second(kDiodePage2, symbol, kSecond),
      third(kDiodePage3, symbol, kThird),
      fourth(kDiodePage4, symbol, kFourth) {
  AddPage(first);
  AddPage(second);
  AddPage(third);
  AddPage(fourth);
  KeepSymbolOnRefusal(*this, *symbol);
}

bool PNDiodeSymbol::EditDialog(pf::Window* parent) {
  const SpiceModelLookup lookup = SpiceModelLookup::For(*this, parent);
  if (!lookup.HasSpiceLibrary()) {
    PNDiodePropertySheet sheet(this, parent);
    return sheet.DoModal() == pf::kIdOk;
  }
  if (!(modelName == "NoModell")) {
    // The card, and below it what the built-in simulator takes from it.
    BipSpiceShow show(parent);
    show.SetContent('F');
    lookup.GetModelText(modelName, show.Lines());
    MyStrng refusal;
    const std::optional<Junction> junction = BuiltInJunction(lookup.Library(), refusal);
    show.Lines().AddLine(MyStrng("* Eingebauter Simulator: ") +
                         (junction ? junction->Text() : refusal));
    show.DoModal();
    return true;
  }
  PNDiodeDialog chooser(parent);
  chooser.SetSymbol(this);
  return chooser.DoModal() == pf::kIdOk;
}
