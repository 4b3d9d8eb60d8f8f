#include "instruments/ui/NetAnaDialogs.h"

#include <algorithm>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/TNetAnalyzer.h"
#include "resources/AnalyserIds.h"

namespace {

constexpr int kCountLimit = 4;
constexpr int kMinPoints = 2;
constexpr int kMaxPoints = 300;

// The generator's source resistances at the two ports.
struct PortResistances {
  ResWert r1;
  ResWert r2;
};
constexpr Field<PortResistances> kPorts[] = {
    Fields<PortResistances>::Value<&PortResistances::r1>(gen_ids::kPort1, "Fehler"),
    Fields<PortResistances>::Value<&PortResistances::r2>(gen_ids::kPort2, "Fehler"),
};

// An end that an exponential axis cannot hold (0 or below), refused under its field's caption.
struct EndRefusal {
  int id;
  const char* message;
  const char* caption;
};
constexpr EndRefusal kStartRefusal{freq_ids::kStart, SweepFreq::kStartNotPositive,
                                   "Fehler Startfrequenz:"};
constexpr EndRefusal kStopRefusal{freq_ids::kStop, SweepFreq::kStopNotPositive,
                                  "Fehler Stopfrequenz:"};

// Index 2 is "21", the only pair the voltage gain and MSG/MAG have.
constexpr int kIndex21 = 2;

bool IsChecked(pf::Dialog* dialog, int id) { return TRadioButton(dialog, id).GetCheck() != 0; }

void SetChecked(pf::Dialog* dialog, int id, bool on) {
  TRadioButton button(dialog, id);
  on ? button.Check() : button.Uncheck();
}

// The radio of the value checked, the others of the row unchecked.
template <size_t N>
void CheckOne(pf::Dialog* dialog, const int (&ids)[N], int value) {
  for (size_t i = 0; i < N; ++i) SetChecked(dialog, ids[i], static_cast<int>(i) == value);
}

// Shows the first message reported since the mark, if any, and drops what was reported since.
void ShowFirstError(pf::Dialog& dialog, const VS_ErrorMark& mark) {
  if (!mark.Any()) return;
  dialog.MessageBox(mark.First().ToCString(), "Fehler");
  mark.Drop();
}

}  // namespace

TGenDlg::TGenDlg(TNetAnalyzer* analyser)
    : TDialog(analyser, gen_ids::kTemplate), analyser(analyser) {}

void TGenDlg::SetupWindow() {
  PortResistances ports{ResWert(analyser->rg1.re), ResWert(analyser->rg2.re)};
  ShowFields(*this, kPorts, ports, FieldText::WithoutLeadingBlanks, kReadBuffer);
}

bool TGenDlg::CanClose() {
  FieldReader reader(*this, false);
  PortResistances ports;
  if (!reader.ReadFields(kPorts, ports)) return false;
  analyser->rg1 = Cmplx(ports.r1.Value(), 0.0);
  analyser->rg2 = Cmplx(ports.r2.Value(), 0.0);
  return true;
}

TFreqDlg::TFreqDlg(TNetAnalyzer* analyser)
    : TDialog(analyser, freq_ids::kTemplate),
      analyser(analyser),
      start(this, freq_ids::kStart, kReadBuffer),
      stop(this, freq_ids::kStop, kReadBuffer),
      count(this, freq_ids::kCount, kCountLimit),
      mode(this, freq_ids::kModeGroup),
      linear(this, freq_ids::kLinear, &mode),
      exponential(this, freq_ids::kExponential, &mode) {
  KeepCopyOnRefusal(analyser->sweep);
}

void TFreqDlg::SetupWindow() {
  const SweepFreq& sweep = analyser->sweep;
  start.SetText(WithoutLeadingBlanks(FreqWert(sweep.start)));
  stop.SetText(WithoutLeadingBlanks(FreqWert(sweep.stop)));
  count.SetText(WithoutLeadingBlanks(IntegerWert(sweep.count)));
  const bool isLinear = sweep.mode == 'L';
  isLinear ? linear.Check() : linear.Uncheck();
  isLinear ? exponential.Uncheck() : exponential.Check();
}

bool TFreqDlg::CanClose() {
  SweepFreq& sweep = analyser->sweep;
  const char letter = linear.GetCheck() != 0 ? 'L' : exponential.GetCheck() != 0 ? 'E' : 0;
  const bool exponentialAxis = (letter != 0 ? letter : sweep.mode) != 'L';
  // The first end that the exponential axis cannot hold, if nothing was refused before it.
  const EndRefusal* refusal = nullptr;
  // The first field refused, which takes the focus back.
  int refusedField = 0;
  const VS_ErrorMark mark;
  // A text that fails is queued, and an end the axis cannot hold refused; neither is stored,
  // so a sweep left by a refused OK never holds an axis that a later Prepare refuses.
  const auto readFrequency = [&](const std::string& text, double& target, const EndRefusal& end) {
    const VS_ErrorMark own;
    FreqWert f(CutToReadBuffer(text).c_str());
    f.CheckSyntax();
    const bool endRefused = !own.Any() && exponentialAxis && !(f.Value() > 0.0);
    if (endRefused && !mark.Any() && refusal == nullptr) refusal = &end;
    if (own.Any() || endRefused) {
      if (refusedField == 0) refusedField = end.id;
      return;
    }
    target = f.Value();
  };
  readFrequency(start.GetText(), sweep.start, kStartRefusal);
  readFrequency(stop.GetText(), sweep.stop, kStopRefusal);
  IntegerWert n(CutToReadBuffer(count.GetText()).c_str());
  if (!n.CheckSyntax() && refusedField == 0) refusedField = freq_ids::kCount;
  const bool refused = refusal != nullptr || mark.Any();
  if (!refused) sweep.SetCount(std::clamp(static_cast<int>(n.Value()), kMinPoints, kMaxPoints));
  analyser->sweepChanged = 1;
  if (!refused && sweep.stop >= sweep.start) {
    if (letter != 0) {
      analyser->previousMode = sweep.mode;
      sweep.mode = letter;
    }
    return true;
  }
  FieldReader reader(*this, false);
  if (refusal != nullptr) {
    reader.Refuse(refusal->message, refusal->caption, false, refusal->id);
    // What the fields after it queued comes again at the next OK.
    mark.Drop();
  } else {
    // An order of the ends that refuses them both is the start's to mend.
    if (sweep.stop < sweep.start) sweep.Error("StartFreq > StopFreq", 4);
    ShowFirstError(*this, mark);
    reader.TakeBack(refusedField != 0 ? refusedField : freq_ids::kStart);
  }
  analyser->sweepChanged = 0;
  return false;
}

TFormDiag::TFormDiag(TNetAnalyzer* analyser)
    : TDialog(analyser, form_ids::kTemplate), analyser(analyser), group(this, form_ids::kGroup) {}

void TFormDiag::SetupWindow() { CheckOne(this, form_ids::kForms, analyser->format); }

bool TFormDiag::CanClose() {
  for (int form = 0; form < static_cast<int>(std::size(form_ids::kForms)); ++form) {
    if (IsChecked(this, form_ids::kForms[form])) analyser->SetFormat(form);
  }
  return true;
}

TMeasDiag::TMeasDiag(TNetAnalyzer* analyser)
    : TDialog(analyser, meas_ids::kTemplate),
      analyser(analyser),
      kinds(this, meas_ids::kKindGroup),
      indices(this, meas_ids::kIndexGroup) {}

void TMeasDiag::SetupWindow() {
  // An unknown kind shows as S.
  const int kind = analyser->kind >= 0 && analyser->kind < 7 ? analyser->kind : 2;
  CheckOne(this, meas_ids::kKinds, kind);
  const int ports = analyser->PortCount();
  if (ports == 1) {
    CheckOne(this, meas_ids::kIndices, 0);
  } else if (ports == 2) {
    CheckOne(this, meas_ids::kIndices, analyser->index);
  }
}

bool TMeasDiag::CanClose() {
  const int ports = analyser->PortCount();
  if (ports == 1) {
    analyser->SetIndex(0);
  } else if (ports == 2) {
    int index = 3;
    for (int i = 0; i < 3; ++i) {
      if (IsChecked(this, meas_ids::kIndices[i])) {
        index = i;
        break;
      }
    }
    analyser->SetIndex(index);
  }
  // S is what remains when none of the others is on.
  int kind = 2;
  for (const int k : {0, 1, 3, 4, 5, 6}) {
    if (IsChecked(this, meas_ids::kKinds[k])) {
      kind = k;
      break;
    }
  }
  analyser->SetKind(kind);
  if (kind == 3 || kind == 5) {
    analyser->SetIndex(kIndex21);
  } else if (kind == 6 && (analyser->index == 1 || analyser->index == 2)) {
    analyser->SetIndex(0);
  }
  return true;
}
