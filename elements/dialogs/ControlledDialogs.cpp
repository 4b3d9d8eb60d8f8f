#include "elements/dialogs/ControlledDialogs.h"

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
constexpr const char* kBadResistance = "Widerstand muss größer als 0 sein";

using Layout = TControlledDialog::Layout;

constexpr Layout kOpAmp{"OPAMPDIALG", 1215, 1216, 1217, 1218, 1219, 1220, 1221,
                        {"Fehler", "Fehler", "Fehler", "Fehler", "Fehler"},
                        4, false, true};
constexpr Layout kVvg{"VVGDIALG", 1215, 1216, 1217, 1218, 1219, 1220, 1221,
                      {"Fehler V0:", "Fehler Rin:", "Fehler Rout:", "Fehler Fg:", "Fehler Td:"},
                      kTextLimit, true, false};
constexpr Layout kVcg{"VCGDIALG", 1222, 1223, 1224, 1225, 1226, 1227, 1228,
                      {"Fehler Gain:", "Fehler Rin:", "Fehler Rout", "Fehler Fg:", "Fehler Td:"},
                      kTextLimit, true, false};
constexpr Layout kCcg{"CCGDIALG", 1230, 1231, 1232, 1233, 1234, 1235, 1236,
                      {"Fehler Gain:", "Fehler Rin:", "Fehler Rout:", "Fehler Fg:", "Fehler Td:"},
                      kTextLimit, true, false};

}  // namespace

TControlledDialog::TControlledDialog(const Layout& layout, ControlledSymbol* symbol,
                                     pf::Window* parent, FloatWert* floatGain,
                                     LeiWert* conductanceGain)
    : TDialog(parent, layout.templateName),
      layout(layout),
      symbol(symbol),
      floatGain(floatGain),
      conductanceGain(conductanceGain),
      gain(this, layout.gain, layout.gainLimit),
      r1(this, layout.r1, kTextLimit),
      r2(this, layout.r2, kTextLimit),
      fg(this, layout.fg, kTextLimit),
      td(this, layout.td, kTextLimit),
      cutOffBox(this, layout.cutOffBox),
      delayBox(this, layout.delayBox) {}

void TControlledDialog::Show(TEdit& edit, const MyStrng& text) {
  edit.SetText(layout.trimmed ? WithoutLeadingBlanks(text) : text.ToCString());
}

void TControlledDialog::SetupWindow() {
  if (symbol->cutOffFlag == 1) {
    cutOffBox.Check();
    Show(fg, symbol->fg);
  } else {
    fg.SetText("");
  }
  if (symbol->delayFlag == 1) {
    delayBox.Check();
    Show(td, symbol->td);
  } else {
    td.SetText("");
  }
  Show(gain, symbol->Gain());
  Show(r1, symbol->r1);
  Show(r2, symbol->r2);
}

bool TControlledDialog::CanClose() {
  FieldReader reader(*this, false);
  const auto store = layout.normalised ? FieldReader::Store::Normalised : FieldReader::Store::Typed;
  const char* const* caption = layout.captions;
  const bool gainRead = conductanceGain != nullptr
                            ? reader.Read(gain.GetText(), *conductanceGain, caption[0], store)
                            : reader.Read(gain.GetText(), *floatGain, caption[0], store);
  if (!gainRead || !reader.Read(r1.GetText(), symbol->r1, caption[1], store, kBadResistance) ||
      !reader.Read(r2.GetText(), symbol->r2, caption[2], store, kBadResistance)) {
    return false;
  }
  symbol->cutOffFlag = cutOffBox.GetCheck() == 1 ? 1 : 0;
  symbol->delayFlag = delayBox.GetCheck() == 1 ? 1 : 0;
  if (symbol->cutOffFlag == 1 && !reader.Read(fg.GetText(), symbol->fg, caption[3], store)) {
    return false;
  }
  return symbol->delayFlag != 1 || reader.Read(td.GetText(), symbol->td, caption[4], store);
}

TOpAmpDialog::TOpAmpDialog(OpAmpSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kOpAmp, symbol, parent, &symbol->m, nullptr) {}
TVvgDialog::TVvgDialog(VvgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kVvg, symbol, parent, &symbol->m, nullptr) {}
TVcgDialog::TVcgDialog(VcgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kVcg, symbol, parent, nullptr, &symbol->g) {}
TCcgDialog::TCcgDialog(CcgSymbol* symbol, pf::Window* parent)
    : TControlledDialog(kCcg, symbol, parent, &symbol->b, nullptr) {}

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
