#include "elements/dialogs/ControlledDialogs.h"

#include <cmath>
#include <limits>
#include <span>

#include "resources/ElementDialogIds.h"

namespace {

constexpr const char* kBadResistance = "Widerstand muss größer als 0 sein";

// The open-loop gain in dB, which the simulator takes as the single-precision factor
// 10^(M/20).
constexpr FieldRule kGainInDb{
    [](double db) { return std::pow(10.0, db / 20.0) <= std::numeric_limits<float>::max(); },
    "Verstärkung zu groß"};

// Normalised stores the numbers' canonical texts, else the texts as typed.
template <class S, auto Gain>
constexpr typename TControlledDialog<S>::Layout ControlledLayout(
    const char* templateName, const controlled_ids::Set& ids, const char* const (&captions)[5],
    int gainLimit, bool normalised, bool trimmed, FieldRule gainRule = {}) {
  using F = Fields<S>;
  const auto store = normalised ? FieldReader::Store::Normalised : FieldReader::Store::Typed;
  const FieldRule positive = Positive(kBadResistance);
  return {templateName,
          ids.cutOffBox,
          ids.delayBox,
          {F::template Value<Gain>(ids.gain, captions[0], gainRule, store),
           F::template Value<&S::r1>(ids.r1, captions[1], positive, store),
           F::template Value<&S::r2>(ids.r2, captions[2], positive, store),
           F::template Value<&S::fg>(ids.fg, captions[3],
                                     Positive("Grenzfrequenz muss größer als 0 sein"), store),
           F::template Value<&S::td>(ids.td, captions[4], {}, store)},
          gainLimit,
          trimmed};
}

constexpr auto kOpAmp = ControlledLayout<OpAmpSymbol, &OpAmpSymbol::m>(
    "OPAMPDIALG", controlled_ids::kOpAmp, {"Fehler", "Fehler", "Fehler", "Fehler", "Fehler"}, 4,
    false, true, kGainInDb);
constexpr auto kVvg = ControlledLayout<VvgSymbol, &VvgSymbol::m>(
    "VVGDIALG", controlled_ids::kOpAmp,
    {"Fehler V0:", "Fehler Rin:", "Fehler Rout:", "Fehler Fg:", "Fehler Td:"}, kReadBuffer, true,
    false);
constexpr auto kVcg = ControlledLayout<VcgSymbol, &VcgSymbol::g>(
    "VCGDIALG", controlled_ids::kVcg,
    {"Fehler Gain:", "Fehler Rin:", "Fehler Rout", "Fehler Fg:", "Fehler Td:"}, kReadBuffer, true,
    false);
constexpr auto kCcg = ControlledLayout<CcgSymbol, &CcgSymbol::b>(
    "CCGDIALG", controlled_ids::kCcg,
    {"Fehler Gain:", "Fehler Rin:", "Fehler Rout:", "Fehler Fg:", "Fehler Td:"}, kReadBuffer, true,
    false);

}  // namespace

template <class S>
void TControlledDialog<S>::Show(size_t row, int32_t flag) {
  const std::span<const Field<S>> one(&layout.fields[row], 1);
  const int limit = row == 0 ? layout.gainLimit : kReadBuffer;
  ShowOrClearFields(*this, one, *symbol, flag == 1,
                    layout.trimmed ? FieldText::WithoutLeadingBlanks : FieldText::AsStored, limit);
}

template <class S>
void TControlledDialog<S>::SetupWindow() {
  if (symbol->cutOffFlag == 1) TCheckBox(this, layout.cutOffBox).Check();
  Show(3, symbol->cutOffFlag);
  if (symbol->delayFlag == 1) TCheckBox(this, layout.delayBox).Check();
  Show(4, symbol->delayFlag);
  for (size_t row = 0; row < 3; ++row) Show(row, 1);
}

template <class S>
bool TControlledDialog<S>::CanClose() {
  FieldReader reader(*this, false);
  const std::span<const Field<S>> fields(layout.fields);
  if (!reader.ReadFields(fields.first(3), *symbol)) return false;
  symbol->cutOffFlag = TCheckBox(this, layout.cutOffBox).GetCheck() == 1 ? 1 : 0;
  symbol->delayFlag = TCheckBox(this, layout.delayBox).GetCheck() == 1 ? 1 : 0;
  if (symbol->cutOffFlag == 1 && !reader.ReadFields(fields.subspan(3, 1), *symbol)) return false;
  return symbol->delayFlag != 1 || reader.ReadFields(fields.subspan(4, 1), *symbol);
}

TOpAmpDialog::TOpAmpDialog(OpAmpSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kOpAmp, symbol, parent) {}
TVvgDialog::TVvgDialog(VvgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kVvg, symbol, parent) {}
TVcgDialog::TVcgDialog(VcgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kVcg, symbol, parent) {}
TCcgDialog::TCcgDialog(CcgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kCcg, symbol, parent) {}

bool OpAmpSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TOpAmpDialog>(*this, parent);
}
bool VvgSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TVvgDialog>(*this, parent);
}
bool VcgSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TVcgDialog>(*this, parent);
}
bool CcgSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TCcgDialog>(*this, parent);
}
