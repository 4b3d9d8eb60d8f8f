#include "instruments/ui/generators/DataGeneratorDialogs.h"

#include "basics/IntegerWert.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/StoredValues.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "resources/SourceIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = datagen_ids;

namespace {

// The data generator runs at one spectral line per 10 ms.
constexpr unsigned kTimerPeriodMs = 10;

struct ShapeButton {
  int id;
  char shape;
};
constexpr ShapeButton kShapes[] = {
    {ids::kRectangle, 'R'}, {ids::kRaisedCosine, 'C'}, {ids::kTrapezoid, 'T'}};

using Generator = DataGeneratorSymbol;
// The SPICE form has no resistance.
constexpr Field<Generator> kResistance[] = {
    Fields<Generator>::Edit<&Generator::resistance>(ids::kResistance),
};
constexpr Field<Generator> kAmplitude[] = {
    Fields<Generator>::Edit<&Generator::amplitude>(ids::kAmplitude),
};
// The bit time and every figure derived from it divide by the rate.
constexpr Field<BitFolge> kRate[] = {
    Fields<BitFolge>::Edit<&BitFolge::bitRate>(ids::kBitRate,
                                               Positive("Bitrate muss groesser als 0 sein")),
};

}  // namespace

bool DataGeneratorSymbol::EditDialog(pf::Window* parent) {
  auto* v = dynamic_cast<CVostraneView*>(view);
  const bool spice =
      v != nullptr && v->GetDocument() != nullptr && v->GetDocument()->IsSpiceChosen();
  DataGeneratorDialog dialog(this, parent, spice);
  return dialog.DoModal() == pf::kIdOk;
}

DataGeneratorDialog::DataGeneratorDialog(DataGeneratorSymbol* symbol, pf::Window* parent,
                                         bool spice)
    : pf::Dialog(spice ? ids::kSpiceTemplate : ids::kTemplate, parent),
      symbol(symbol),
      spice(spice) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool DataGeneratorDialog::OnInitDialog() {
  openedRate = symbol->sequence.bitRate;
  openedShape = symbol->sequence.shape;
  ShowFields(*this, kAmplitude, *symbol);
  ShowFields(*this, kRate, symbol->sequence);
  if (!spice) {
    ShowFields(*this, kResistance, *symbol);
    for (const ShapeButton& b : kShapes) CheckDlgButton(b.id, b.shape == symbol->sequence.shape);
  }
  ShowPattern();
  if (!spice) ShowSamples();
  return true;
}

void DataGeneratorDialog::ShowPattern() {
  SetDlgItemText(ids::kBitCount, IntegerWert(symbol->bitCount).ToCString());
  SetDlgItemText(ids::kSequence, symbol->sequence.ToCString());
}

void DataGeneratorDialog::ShowSamples() {
  SetDlgItemText(ids::kSamples, IntegerWert(symbol->sampleCount).ToCString());
  ShowFigures();
}

void DataGeneratorDialog::ShowFigures() {
  const int32_t bits = symbol->bitCount > 0 ? symbol->bitCount : 1;
  const int32_t perBit = symbol->sampleCount / bits;
  SetDlgItemText(ids::kSamplesPerBit, IntegerWert(perBit).ToCString());
  // Checked without queueing: OK refuses a bad rate itself, and a queued message would refuse
  // whatever reads next.
  RBitWert typed(GetDlgItemText(ids::kBitRate).c_str());
  const double rate = GivesFiniteNumber(typed) ? typed.Value() : 0.0;
  const bool shown = rate > 0.0;
  SetDlgItemText(ids::kNyquist,
                 shown ? WithoutLeadingBlanks(FreqWert(perBit * 0.5 * rate)) : std::string());
  SetDlgItemText(ids::kFundamental,
                 shown ? WithoutLeadingBlanks(FreqWert(rate / bits)) : std::string());
}

bool DataGeneratorDialog::ReadSequence(FieldReader& reader) {
  BitFolge read(GetDlgItemText(ids::kSequence).c_str());
  if (!read.IsValid()) return reader.Refuse("Fehler in Bitfolge", "", true, ids::kSequence);
  if (read.GetLength() != symbol->bitCount) {
    return reader.Refuse("Falsche Bitanzahl", "", true, ids::kSequence);
  }
  // The pattern is taken before its bit rate is read, as the user sees it in the dialog.
  symbol->sequence = read;
  return reader.ReadFields(kRate, symbol->sequence);
}

void DataGeneratorDialog::OnOK() {
  FieldReader reader(*this, true);
  if ((!spice && !reader.ReadFields(kResistance, *symbol)) ||
      !reader.ReadFields(kAmplitude, *symbol) || !ReadSequence(reader)) {
    return;
  }
  if (spice) {
    symbol->SetupTransient();
  } else {
    for (const ShapeButton& b : kShapes) {
      if (IsDlgButtonChecked(b.id) != 0) {
        symbol->sequence.shape = b.shape;
        break;
      }
    }
  }
  EndDialog(pf::kIdOk);
}

void DataGeneratorDialog::OnCancel() {
  // The bit-count arrows draw a new pattern at the default rate and shape; a run started here
  // closes the dialog too, and keeps the rate and shape it runs with.
  if (!starting) {
    symbol->sequence.bitRate = openedRate;
    symbol->sequence.shape = openedShape;
  }
  pf::Dialog::OnCancel();
}

bool DataGeneratorDialog::OnCommand(int id, pf::Notification code) {
  if (!spice && id == ids::kStart && code == pf::Notification::Clicked) {
    starting = true;
    symbol->StartFromDialog(*this, kTimerPeriodMs, symbol->sampleCount / 2);
    starting = false;
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void DataGeneratorDialog::OnDeltaPos(int id, int delta) {
  if (id == ids::kSamplesSpin && !spice) {
    symbol->StepSamples(delta);
    ShowSamples();
  } else if (id == ids::kBitCountSpin) {
    symbol->StepBitCount(delta);
    ShowPattern();
    if (!spice) ShowFigures();
  }
}
