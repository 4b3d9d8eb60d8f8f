#include "elements/dialogs/PNDiodeSheet.h"

#include "basics/VS_Error.h"
#include "basics/ui/ValueEdit.h"
#include "editor/document/SpiceModelLookup.h"
#include "elements/dialogs/SpiceModelDialogs.h"
#include "resources/SpiceModelIds.h"

namespace {

using Field = PNDiodePage::Field;
using namespace spice_ids;

// A field of the symbol read into a fresh value of its class and stored when it passes.
template <auto Member>
constexpr Field FieldOf(int id) {
  return {id,
          [](PNDiodeSymbol& s, pf::Window* edit) { ValueEdit(edit).SetValue(s.*Member); },
          [](PNDiodeSymbol& s, pf::Window* edit) {
            auto value = s.*Member;
            if (!ValueEdit(edit).GetValue(value)) return false;
            s.*Member = value;
            return true;
          }};
}

// To is the base's general value.
constexpr Field kToField = {
    kTo, [](PNDiodeSymbol& s, pf::Window* edit) { ValueEdit(edit).SetValue(s.To()); },
    [](PNDiodeSymbol& s, pf::Window* edit) {
      FloatWert value = s.To();
      if (!ValueEdit(edit).GetValue(value)) return false;
      s.To() = value;
      return true;
    }};

constexpr Field kFirst[] = {FieldOf<&PNDiodeSymbol::is>(kIs), FieldOf<&PNDiodeSymbol::n>(kN),
                            FieldOf<&PNDiodeSymbol::rs>(kRs), kToField,
                            FieldOf<&PNDiodeSymbol::xti>(kXti)};
constexpr Field kSecond[] = {FieldOf<&PNDiodeSymbol::isr>(kIs), FieldOf<&PNDiodeSymbol::nr>(kN),
                             FieldOf<&PNDiodeSymbol::vj>(kVj), FieldOf<&PNDiodeSymbol::m>(kM)};
constexpr Field kThird[] = {FieldOf<&PNDiodeSymbol::ibv>(kIbv),
                            FieldOf<&PNDiodeSymbol::nbv>(kNbv), FieldOf<&PNDiodeSymbol::bv>(kBv)};
constexpr Field kFourth[] = {FieldOf<&PNDiodeSymbol::cj0>(kCj0), FieldOf<&PNDiodeSymbol::tt>(kTt)};

}  // namespace

bool PNDiodePage::OnInitDialog() {
  pf::PropertyPage::OnInitDialog();
  for (const Field& f : fields) f.show(*symbol, GetDlgItem(f.id));
  return true;
}

bool PNDiodePage::OnKillActive() {
  for (const Field& f : fields) {
    VS_Error::ClearQueue();
    if (!f.read(*symbol, GetDlgItem(f.id))) return false;
  }
  return pf::PropertyPage::OnKillActive();
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
}

bool PNDiodeSymbol::EditDialog(pf::Window* parent) {
  if (!SpiceModelLookup::For(*this, parent).HasSpiceLibrary()) {
    PNDiodePropertySheet sheet(this, parent);
    return sheet.DoModal() == pf::kIdOk;
  }
  if (!(modelName == "NoModell")) {
    BipSpiceShow show(parent);
    show.SetSymbol(this);
    show.DoModal();
    return true;
  }
  PNDiodeDialog chooser(parent);
  chooser.SetSymbol(this);
  return chooser.DoModal() == pf::kIdOk;
}
