#pragma once
// The dialogs of the TEM line and of the microstrip symbols drawn from glyphs. A microstrip
// dialog is a table of its length fields (all above 0; under 1 m where the photoplot draws
// them), read in order and stored as soon as each passes; then the substrate check refuses OK
// without a substrate ("Zuerst ein Substrat definieren").

#include <span>

#include "editor/dialogs/BasisDialogs.h"
#include "editor/dialogs/FieldReader.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/TemSymbol.h"

class TTemDialog : public TBasisDialog {
 public:
  TTemDialog(TemSymbol* symbol, pf::Window* parent);
  void SetupWindow() override;
  bool CanClose() override;

 private:
  bool Checked(int id);

  TemSymbol* tem;
};

template <class S>
class TMicFieldDialog : public TMicBasisDialog {
 public:
  void SetupWindow() override;
  bool CanClose() override;

 protected:
  TMicFieldDialog(S* symbol, pf::Window* parent, const char* templateName, int comboId,
                  std::span<const Field<S>> fields)
      : TMicBasisDialog(parent, templateName), symbol(symbol), fields(fields) {
    substrateCombo = std::make_unique<TComboBox>(this, comboId);
  }
  // Radios and fields that the table cannot say: read before the table, or after the
  // substrate check.
  virtual void SetupOthers() {}
  virtual bool ReadFirst(FieldReader&) { return true; }
  virtual void ReadAfterSubstrate() {}
  bool Checked(int id) { return IsDlgButtonChecked(id) == 1; }

  S* symbol;

 private:
  std::span<const Field<S>> fields;
};

class TSstDialog : public TMicFieldDialog<SstSymbol> {
 public:
  TSstDialog(SstSymbol* symbol, pf::Window* parent);
};

class TOstDialog : public TMicFieldDialog<OstSymbol> {
 public:
  TOstDialog(OstSymbol* symbol, pf::Window* parent);
};

class TTrlDialog : public TMicFieldDialog<TrlSymbol> {
 public:
  TTrlDialog(TrlSymbol* symbol, pf::Window* parent);
};

class TMicTaperDialog : public TMicFieldDialog<MicTaperSymbol> {
 public:
  TMicTaperDialog(MicTaperSymbol* symbol, pf::Window* parent);

 private:
  void SetupOthers() override;
  void ReadAfterSubstrate() override;
};

class TRadStubDialog : public TMicFieldDialog<RadStubSymbol> {
 public:
  TRadStubDialog(RadStubSymbol* symbol, pf::Window* parent);

 private:
  // The angle first; the feed width and the derived centre offset follow it.
  void SetupOthers() override;
  bool ReadFirst(FieldReader& reader) override;
};

class TTeeDialog : public TMicFieldDialog<TeeSymbol> {
 public:
  TTeeDialog(TeeSymbol* symbol, pf::Window* parent);
};

class TStepDialog : public TMicFieldDialog<StepSymbol> {
 public:
  TStepDialog(StepSymbol* symbol, pf::Window* parent);

 private:
  void SetupOthers() override;
  void ReadAfterSubstrate() override;
};

class TCplDialog : public TMicFieldDialog<CplSymbol> {
 public:
  TCplDialog(CplSymbol* symbol, pf::Window* parent);
};

class TMicCornerDialog : public TMicFieldDialog<MicCornerSymbol> {
 public:
  TMicCornerDialog(MicCornerSymbol* symbol, pf::Window* parent);

 private:
  void SetupOthers() override;
  void ReadAfterSubstrate() override;
};
