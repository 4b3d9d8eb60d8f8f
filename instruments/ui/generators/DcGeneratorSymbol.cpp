#include "instruments/ui/generators/DcGeneratorSymbol.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "basics/IntegerWert.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "instruments/ui/generators/DcGeneratorDialog.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "instruments/models/DcGeneratorElement.h"
#include "pf/archive.h"
#include "simulator/NonLinearUsrNet.h"

PF_IMPLEMENT_SERIAL(DcGeneratorSymbol, MessMasterSymbol, 1)

namespace {

MyStrng Node(int32_t node) { return IntegerWert(node); }

// The three values of a sweep in SPICE notation, each behind a blank.
template <class W>
MyStrng SweepRange(const W& start, const W& stop, const W& step) {
  return MyStrng(" ") + start.ToSpice() + " " + stop.ToSpice() + " " + step.ToSpice();
}

// The card is one line: a slave's range goes behind the master's.
void AppendToLastLine(LineFile& lines, const MyStrng& text) {
  std::vector<MyStrng> all;
  lines.ForEach([&all](const MyStrng& line) { all.push_back(line); });
  if (all.empty()) all.emplace_back();
  all.back() += text;
  lines.RemoveAll();
  for (const MyStrng& line : all) lines.AddLine(line);
}

}  // namespace

DcGeneratorSymbol::DcGeneratorSymbol() : DcGeneratorSymbol(Point(25, 100), Point(150, 100)) {}

DcGeneratorSymbol::DcGeneratorSymbol(const Point& start, const Point& end)
    : MessMasterSymbol(start, end) {
  pinCount = 2;
  classKey = kClassKey;
  elementName = "Netzteil";
  active = 0;
  simulatorName = "DcSweep";
  version = kVersion;
}

void DcGeneratorSymbol::Serialize(pf::Archive& ar) {
  MessMasterSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(fixedVoltage, startVoltage, stopVoltage, voltageStep,
                                          internalResistance));
  if (ar.IsStoring()) {
    ar << resistorFlag << setting;
    if (version < 2) return;
    ar << kind;
    SerializeValueTexts(ar, *this, std::tie(fixedCurrent, startCurrent, stopCurrent, currentStep));
    return;
  }
  ar >> resistorFlag >> setting;
  if (setting != 'F' && setting != 'V') {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "DcGeneratorSymbol: Einstellung");
  }
  if (version > kVersion) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "DcGeneratorSymbol: Version");
  }
  if (version >= 2) {
    ar >> kind;
    if (kind != 'U' && kind != 'I') {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "DcGeneratorSymbol: Quelle");
    }
    SerializeValueTexts(ar, *this, std::tie(fixedCurrent, startCurrent, stopCurrent, currentStep));
  }
  version = kVersion;  // the next save keeps kind and currents
}

void DcGeneratorSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawName(dc);
  const bool voltage = kind != 'I';
  const WertMitDim& fixed = voltage ? static_cast<const WertMitDim&>(fixedVoltage) : fixedCurrent;
  const WertMitDim& from = voltage ? static_cast<const WertMitDim&>(startVoltage) : startCurrent;
  const WertMitDim& to = voltage ? static_cast<const WertMitDim&>(stopVoltage) : stopCurrent;
  const MyStrng label = setting == 'F' ? MyStrng(fixed) : MyStrng(from) + " - " + to;
  lumped::DrawLabel(dc, *this, label, 5, 5);
}

MyStrng DcGeneratorSymbol::SpiceName() const {
  const char letter = kind == 'I' ? 'I' : 'V';
  const std::string name = elementName.ToCString();
  if (!name.empty() && std::toupper(static_cast<unsigned char>(name[0])) == letter) {
    return elementName;
  }
  return MyStrng(std::string(1, letter).c_str()) + elementName;
}

int DcGeneratorSymbol::WriteSpiceLines(LineFile& lines, int) {
  const WertMitDim& value =
      kind == 'I' ? static_cast<const WertMitDim&>(setting == 'F' ? fixedCurrent : startCurrent)
                  : static_cast<const WertMitDim&>(setting == 'F' ? fixedVoltage : startVoltage);
  // A supply is one whichever instrument runs: only the ".Dc" card moves a swept one.
  lines.AddLine(SpiceName() + " " + Node(nodes[0]) + " " + Node(nodes[1]) + " " +
                value.ToSpice());
  if (resistorFlag != 0) {
    lines.AddLine(MyStrng("R") + elementName + " " + Node(nodes[1]) + " " + Node(nodes[0]) + " " +
                  internalResistance.ToSpice());
  }
  return 0;
}

void DcGeneratorSymbol::WriteSpiceControl(LineFile& lines) {
  if (setting == 'F') return;
  const MyStrng range = kind == 'I' ? SweepRange(startCurrent, stopCurrent, currentStep)
                                    : SweepRange(startVoltage, stopVoltage, voltageStep);
  if (active != 0) {
    lines.AddLine(MyStrng(".Dc ") + SpiceName() + range);
  } else {
    AppendToLastLine(lines, MyStrng(" ") + SpiceName() + range);
  }
}

bool DcGeneratorSymbol::EditDialog(pf::Window* parent) {
  DcGeneratorDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}

long DcGeneratorSymbol::StepCount() const {
  const double range = std::fabs(SpanWert(stopVoltage).Value() - SpanWert(startVoltage).Value());
  const double steps = range / std::fabs(SpanWert(voltageStep).Value());
  if (!std::isfinite(steps) || steps < 1.0) return 1;
  const double rounded = std::round(steps);
  return rounded > DcGeneratorElement::kMaxStepCount ? DcGeneratorElement::kMaxStepCount
                                                     : static_cast<long>(rounded);
}

void DcGeneratorSymbol::WriteNetLine() {
  // A fixed supply is one step from its value to its value.
  const bool fixed = setting == 'F';
  const MyStrng from = fixed ? fixedVoltage : startVoltage;
  const MyStrng to = fixed ? fixedVoltage : stopVoltage;
  netLine = MyStrng("DCQU ") + Node(nodes[0]) + " UA= " + from + " UB= " + to +
            " N= " + IntegerWert(fixed ? 1 : StepCount()) + " R= " + internalResistance + " " +
            elementName;
}

MyStrng DcGeneratorSymbol::GetNetHeader() const {
  if (active == 0) return MyStrng();
  return NetworkTitle() + ": 1POR " + Node(nodes[0]) + " ";
}

int DcGeneratorSymbol::StartRun() {
  dcNet = nullptr;
  // Every other supply of the circuit holds its value behind its internal resistance.
  if (networkReady == 0 || !reader.StartDcSweeps(elementName)) return 0;
  NonLinearUsrNet* net = reader.GetNonLinearNet(0);
  if (net == nullptr) return 0;
  // The first step is solved here, so that the instruments' first reading is one; a net
  // without a supply solves nothing.
  moreSteps = net->NextDcStep();
  if (!moreSteps || net->GetErrorCode() != 0) return 0;
  dcNet = net;
  return 1;
}

void DcGeneratorSymbol::MeasureStep(InstrumentRole& master) {
  // Another master's run hands every instrument its point; a generator only steps its own.
  if (&master != static_cast<InstrumentRole*>(this)) return;
  if (dcNet == nullptr || !moreSteps) {
    EndGeneratorRun(*this);
    return;
  }
  moreSteps = dcNet->NextDcStep();
  if (dcNet->GetErrorCode() != 0 || reader.GetErrorCode() != 0) EndGeneratorRun(*this);
}

void DcGeneratorSymbol::SetRunState(uint8_t state) {
  MessMasterSymbol::SetRunState(state);
  if (state == 0) dcNet = nullptr;
}

NetElement* DcGeneratorSymbol::FindElement(const MyStrng& name) const {
  if (dcNet == nullptr) return nullptr;
  for (NetElement* element : dcNet->elements.Values()) {
    if (element->GetName() == name) return element;
  }
  return nullptr;
}

void DcGeneratorSymbol::SetKind(char newKind) {
  // The same kind again gives the same name: the three letters replace themselves.
  kind = newKind;
  std::string name = elementName.ToCString();
  name.erase(0, std::min<size_t>(3, name.size()));
  name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
  elementName = MyStrng((std::string(kind == 'U' ? "VDc" : "IDc") + name).c_str());
}
