#pragma once
// The resistor's and the capacitor's dialogs (templates 201 and 202): the value, and the SMD
// flag with the part's length, which is read only while the flag is set. They beep before
// every refusal.

#include "editor/dialogs/FieldReader.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/dialog.h"
#include "resources/ElementDialogIds.h"

class SmdPartDialog : public pf::Dialog {
 public:
  bool OnInitDialog() override;
  void OnOK() override;
  // The SMD box enables the length edit.
  bool OnCommand(int id, pf::Notification code) override;

 protected:
  SmdPartDialog(int templateId, pf::Window* parent, int lengthId)
      : pf::Dialog(templateId, parent),
        length(Fields<ZweiPolSymbol>::Value<&ZweiPolSymbol::smdLength>(lengthId,
                                                                       "Fehler Länge:")) {}

  ZweiPolSymbol* part = nullptr;

 private:
  virtual void ShowValue() = 0;
  virtual bool ReadValue(FieldReader& reader) = 0;
  void EnableLength(bool enable);

  Field<ZweiPolSymbol> length;
};

class ResDialog : public SmdPartDialog {
 public:
  explicit ResDialog(pf::Window* parent)
      : SmdPartDialog(smd_ids::kResTemplate, parent, smd_ids::kResLength) {}
  void SetSymbol(ResSymbol* s) { part = symbol = s; }

 private:
  void ShowValue() override;
  bool ReadValue(FieldReader& reader) override;

  ResSymbol* symbol = nullptr;
};

class CCapDialog : public SmdPartDialog {
 public:
  explicit CCapDialog(pf::Window* parent)
      : SmdPartDialog(smd_ids::kCapTemplate, parent, smd_ids::kCapLength) {}
  void SetSymbol(CapSymbol* s) { part = symbol = s; }

 private:
  void ShowValue() override;
  bool ReadValue(FieldReader& reader) override;

  CapSymbol* symbol = nullptr;
};
