#pragma once
// The dialogs of the slotline (180), slotline bend (205), coplanar line (190), coplanar
// junction (261), covered slotline (216) and microstrip-to-slotline transition (185). Each
// reads its length fields (all above 0, kept normalised; under 1 m where the photoplot draws
// them) in table order, storing each as it passes, and refuses OK without a substrate; all
// refusals beep.

#include <span>

#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MicrostripDialogs.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"
#include "pf/dialog.h"

template <class S>
class SlotFieldDialog : public pf::Dialog {
 public:
  bool OnInitDialog() override;
  void OnOK() override;

 protected:
  SlotFieldDialog(int templateId, S* symbol, pf::Window* view,
                  std::span<const Field<S>> fields)
      : pf::Dialog(templateId, view), symbol(symbol), view(view), fields(fields) {}
  // What the table cannot say: radios and substrates, shown after the fields and read after
  // them; false refuses OK.
  virtual void SetupOthers() = 0;
  virtual bool ReadOthers(FieldReader& reader) = 0;
  bool Checked(int id) { return IsDlgButtonChecked(id) == 1; }
  // Checks the one and unchecks the other.
  void Move(int from, int to);
  // The circuit's substrates; "NO_SUB" shows the last one listed when lastForNone, else none.
  void ShowSubstrates(int comboId, const MyStrng& current, bool lastForNone);
  bool TakeSubstrate(FieldReader& reader, int comboId, MyStrng& target,
                     const char* missing = "Zuerst ein Substrat definieren");

  S* symbol;
  pf::Window* view;

 private:
  std::span<const Field<S>> fields;
};

class SlotLineDialog : public SlotFieldDialog<SlotLineSymbol> {
 public:
  SlotLineDialog(SlotLineSymbol* symbol, pf::Window* view);
  // A line has two or three poles, a stub one or two.
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
};

class SltBendDialog : public SlotFieldDialog<SltBendSymbol> {
 public:
  SltBendDialog(SltBendSymbol* symbol, pf::Window* view);
  // A line has no geometry to choose; only a kink has a kink length.
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
  void Enable(int id, bool on);

  char openedVariant = 'C';
  int32_t openedPins = 2;
};

class CCoplanarLineDialog : public SlotFieldDialog<CCoplanarLineSymbol> {
 public:
  CCoplanarLineDialog(CCoplanarLineSymbol* symbol, pf::Window* view);

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
};

class CCoplanarCrossDialog : public SlotFieldDialog<CCoplanarCrossSymbol> {
 public:
  CCoplanarCrossDialog(CCoplanarCrossSymbol* symbol, pf::Window* view);

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
};

class CCoveredSlotLineDialog : public SlotFieldDialog<CCoveredSlotLineSymbol> {
 public:
  CCoveredSlotLineDialog(CCoveredSlotLineSymbol* symbol, pf::Window* view);
  // A line has two or three poles, a stub one or two.
  bool OnCommand(int id, pf::Notification code) override;

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
};

// The lumped model 'S' comes only from stored circuits: no radio shows it, and OK keeps it.
class MslToSlotDialog : public SlotFieldDialog<MslToSlotSymbol> {
 public:
  MslToSlotDialog(MslToSlotSymbol* symbol, pf::Window* view);

 private:
  void SetupOthers() override;
  bool ReadOthers(FieldReader& reader) override;
};
