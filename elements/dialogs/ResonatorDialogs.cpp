#include "elements/dialogs/ResonatorDialogs.h"

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
constexpr const char* kBadFrequency = "Resonanzfrequenz muss größer als 0 sein";
constexpr const char* kBadDistance = "Abstand zur Parallelresonanz muss größer als 0 sein";
constexpr const char* kBadResistance = "Kennwiderstand muss größer als 0 sein";
constexpr const char* kBadQuality = "Güte muss größer als 0 sein";
constexpr auto kTyped = FieldReader::Store::Typed;

constexpr TResonantCircuitDialog::Layout kSrlc{"SRCDIALG", 1290, 1291, 1292, "Fehler Guete:"};
constexpr TResonantCircuitDialog::Layout kPrlc{"PRCDIALG", 1295, 1296, 1297, "Fehler Guete"};

}  // namespace

TResonantCircuitDialog::TResonantCircuitDialog(const Layout& layout,
                                               ResonantCircuitSymbol* symbol, pf::Window* parent)
    : TDialog(parent, layout.templateName),
      layout(layout),
      symbol(symbol),
      f0(this, layout.f0, kTextLimit),
      zk(this, layout.zk, kTextLimit),
      q(this, layout.q, kTextLimit) {}

void TResonantCircuitDialog::SetupWindow() {
  f0.SetText(WithoutLeadingBlanks(symbol->f0));
  zk.SetText(WithoutLeadingBlanks(symbol->zk));
  q.SetText(WithoutLeadingBlanks(symbol->q));
}

bool TResonantCircuitDialog::CanClose() {
  FieldReader reader(*this, false);
  return reader.Read(f0.GetText(), symbol->f0, "Fehler Fres:", kTyped, kBadFrequency) &&
         reader.Read(zk.GetText(), symbol->zk, "Fehler Zk:", kTyped, kBadResistance) &&
         reader.Read(q.GetText(), symbol->q, layout.qCaption, kTyped, kBadQuality);
}

TSrlcDialog::TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent)
    : TResonantCircuitDialog(kSrlc, symbol, parent) {}
TPrlcDialog::TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent)
    : TResonantCircuitDialog(kPrlc, symbol, parent) {}

TQuarzDialog::TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent)
    : TDialog(parent, "QUARZDIALG"),
      symbol(symbol),
      fs(this, 1300, kTextLimit),
      fd(this, 1301, kTextLimit),
      zk(this, 1302, kTextLimit),
      q(this, 1303, kTextLimit) {}

void TQuarzDialog::SetupWindow() {
  fs.SetText(WithoutLeadingBlanks(symbol->fs));
  fd.SetText(WithoutLeadingBlanks(symbol->fd));
  zk.SetText(WithoutLeadingBlanks(symbol->zk));
  q.SetText(WithoutLeadingBlanks(symbol->q));
}

bool TQuarzDialog::CanClose() {
  FieldReader reader(*this, false);
  return reader.Read(fs.GetText(), symbol->fs, "Fehler Fser:", kTyped, kBadFrequency) &&
         reader.Read(fd.GetText(), symbol->fd, "Fehler Fdel:", kTyped, kBadDistance) &&
         reader.Read(zk.GetText(), symbol->zk, "Fehler Zk:", kTyped, kBadResistance) &&
         reader.Read(q.GetText(), symbol->q, "Fehler Güte:", kTyped, kBadQuality);
}

bool SrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TSrlcDialog>(*this, parent);
}
bool PrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TPrlcDialog>(*this, parent);
}
bool QuarzSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TQuarzDialog>(*this, parent);
}
