#include "simulator/UsrDefNet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>

#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/NetContext.h"
#include "simulator/NetLine.h"
#include "simulator/SpannungsQuelle.h"
#include "simulator/SweepFreq.h"

namespace {

constexpr int kMaxRgPart = 50;

bool IsGrounded(const Zweig& port) { return port.nodePlus == 0 || port.nodeMinus == 0; }

int NonGroundNode(const Zweig& port) { return port.nodePlus != 0 ? port.nodePlus : port.nodeMinus; }

}  // namespace

UsrDefNet::UsrDefNet(const UsrNetBasis& frame, SweepFreq* netSweep)
    : NetElement(frame.name, frame.portCount),
      portDefinition(frame.portDefinition),
      sweep(netSweep) {
  name = frame.name;
  typeName = "UsrDefNet";
  for (int k = 0; k < kMaxPorts; ++k) netPorts[k] = frame.ports[k];
  for (int node : frame.nodeList.Values()) nodeLabels.Append(node);
  for (NetElement* element : frame.elements.Values()) elements.Append(element);
  // Allocated here rather than at set-up, so that an instance never meets a missing matrix.
  AllocatePortMatrix();
  ReadGeneratorResistances();
}

UsrDefNet::~UsrDefNet() {
  for (NetElement* element : elements.Values()) delete element;
}

bool UsrDefNet::ReadResistance(const MyStrng& part, const char* key, float& value) {
  NetLine line(part);
  return ExpectLabel(line, key) && ConvertValue<ResWert>(line.GetNextToken(), value);
}

void UsrDefNet::ReadGeneratorResistances() {
  MyStrng rest(portDefinition);
  rest = rest.RemoveNextToken();
  rg1Given = rg2Given = 0;
  if (rest.GetLength() <= GetNodeList(rest).GetLength()) return;
  MyStrng rg1Part = rest;
  const int32_t rg2At = rest.Find("RG2");
  if (rg2At > 0) {
    rg1Part = rest.Mid(1, rg2At - 1);
    if (ReadResistance(rest.Mid(rg2At, kMaxRgPart), "RG2", rg2)) rg2Given = 1;
  }
  const int32_t rg1At = rg1Part.Find("RG1");
  if (rg1At > 0 && ReadResistance(rg1Part.Mid(rg1At, kMaxRgPart), "RG1", rg1)) rg1Given = 1;
  if (!rg1Given) Error("UsrDefNet: Falsche Definition der Generatorwiderstände", 4);
}

bool UsrDefNet::SetUp() {
  computable = false;
  built = false;
  if (work != nullptr) work->stamps.clear();
  nodeCount = nodeLabels.GetCount();
  if (nodeCount == 0 || elements.GetCount() == 0) {
    Error("Definiertes Netzwerk enthält keine Elemente", 2);
    return false;
  }
  // At most (ports + 1)^2 entries per element: the common-reference two-port's nine.
  positions = 0;
  for (NetElement* element : elements.Values()) {
    const size_t ports = static_cast<size_t>(std::clamp(element->GetPortCount(), 0, kMaxPorts));
    positions += std::min((ports + 1) * (ports + 1), static_cast<size_t>(Stamp::kMaxEntries));
  }
  if (!system.Begin(nodeCount, positions)) {
    Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
    return false;
  }
  if (!CheckPorts()) return false;
  // Judged here for the messages; the stamps themselves are planned when the net is computed.
  for (NetElement* element : elements.Values()) {
    if (PlanStamp(element).kind == Stamp::kNone) Error("UsrDefNet: Fall nicht implementiert", 4);
  }
  computable = true;
  return true;
}

UsrDefNet::Work& UsrDefNet::GetWork() {
  if (work == nullptr) work = std::make_unique<Work>();
  return *work;
}

UsrDefNet::Work& UsrDefNet::PlannedWork() {
  Work& w = GetWork();
  if (!w.stamps.empty()) return w;
  for (NetElement* element : elements.Values()) w.stamps.push_back(PlanStamp(element));
  const size_t rows = static_cast<size_t>(nodeCount);
  w.terminal.assign(rows + 1, 0);
  w.terminal[rows] = 1;
  for (int k = 0; k < portCount; ++k) {
    // A two-port's minus nodes are ground.
    for (int node : {netPorts[k].nodePlus, netPorts[k].nodeMinus}) {
      const int row = RowOf(node);
      w.terminal[row < 0 ? rows : static_cast<size_t>(row)] = 1;
    }
  }
  w.groups.resize(rows + 1);
  std::iota(w.groups.begin(), w.groups.end(), 0);
  w.representative.resize(rows);
  std::iota(w.representative.begin(), w.representative.end(), 0);
  w.shorts.clear();
  w.mergedShorts.clear();
  w.terminalShorts.clear();
  w.portShorts.Clear();
  return w;
}

// Built when the net is first computed, so that the networks of a netlist that no point
// computes take no room for it, and again whenever other shorts are merged.
void UsrDefNet::BuildSystem() {
  Work& w = *work;
  if (built && !system.Begin(nodeCount, positions)) {
    Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
    computable = false;
    return;
  }
  for (int row = 0; row < nodeCount; ++row) {
    const int group = GroupOf(row);
    w.representative[static_cast<size_t>(row)] = group == nodeCount ? -1 : group;
  }
  std::vector<char> merged(w.stamps.size(), 0);
  for (int k : w.mergedShorts) merged[static_cast<size_t>(k)] = 1;
  for (size_t k = 0; k < w.stamps.size(); ++k) {
    if (merged[k]) continue;
    VisitStamp(w.stamps[k], *w.stamps[k].element->GetPortMatrix(),
               [&](int, int row, int col, const Cmplx&) {
                 system.Declare(MergedRow(row), MergedRow(col));
               });
  }
  system.Build();
  for (size_t k = 0; k < w.stamps.size(); ++k) {
    Stamp& stamp = w.stamps[k];
    std::fill(std::begin(stamp.slots), std::end(stamp.slots), -1);
    if (merged[k]) continue;
    VisitStamp(stamp, *stamp.element->GetPortMatrix(), [&](int j, int row, int col, const Cmplx&) {
      stamp.slots[j] = system.Slot(MergedRow(row), MergedRow(col));
    });
  }
  w.mergedDiagonals.clear();
  for (int row = 0; row < nodeCount; ++row) {
    if (MergedRow(row) != row) w.mergedDiagonals.push_back(system.Slot(row, row));
  }
  for (int k = 0; k < portCount && portCount == 2; ++k) {
    ShortedPort& port = w.shortedPorts[k];
    port.row = RowOf(netPorts[k].nodePlus);
    port.diagonal = system.Slot(port.row, port.row);
    port.lineSlots = system.LineSlots(port.row);
    port.entries = system.RowEntries(port.row);
    port.rowSlots.clear();
    for (const auto& entry : port.entries) port.rowSlots.push_back(entry.first);
  }
  w.rhs.assign(static_cast<size_t>(nodeCount), Cmplx());
  w.voltages.assign(static_cast<size_t>(nodeCount) * static_cast<size_t>(portCount), Cmplx());
  built = true;
}

int UsrDefNet::GroupOf(int row) {
  Work& w = *work;
  size_t k = row < 0 ? static_cast<size_t>(nodeCount) : static_cast<size_t>(row);
  while (w.groups[k] != static_cast<int>(k)) {
    w.groups[k] = w.groups[static_cast<size_t>(w.groups[k])];
    k = static_cast<size_t>(w.groups[k]);
  }
  return static_cast<int>(k);
}

// Shorts are merged in the order of the elements; one that would join two terminals is left
// to the guard conductance in a one-port, whose reflection it makes -1 whatever else is there,
// and taken out of a two-port's system, whose reduction holds the terminals apart.
bool UsrDefNet::MergeShorts() {
  Work& w = *work;
  w.terminalShorts.clear();
  if (w.shorts.empty() && w.mergedShorts.empty()) return false;
  std::iota(w.groups.begin(), w.groups.end(), 0);
  std::vector<int> merged;
  for (int k : w.shorts) {
    const Stamp& stamp = w.stamps[static_cast<size_t>(k)];
    int from = GroupOf(stamp.rows[0]);
    int to = GroupOf(stamp.kind == Stamp::kOnePort ? stamp.rows[1] : -1);
    if (from != to) {
      if (w.terminal[static_cast<size_t>(from)] && w.terminal[static_cast<size_t>(to)]) {
        if (portCount != 2) continue;
        w.terminalShorts.push_back(k);
        merged.push_back(k);
        continue;
      }
      if (w.terminal[static_cast<size_t>(from)]) std::swap(from, to);
      w.groups[static_cast<size_t>(from)] = to;
    }
    // A short inside one group already is dropped as well: stamped, it would swamp the row.
    merged.push_back(k);
  }
  if (merged == w.mergedShorts) return false;
  w.mergedShorts.swap(merged);
  return true;
}

int UsrDefNet::TerminalOf(int row) {
  const int group = GroupOf(row);
  if (group == nodeCount) return PortShorts::kGround;
  for (int k = 0; k < 2; ++k) {
    if (group == RowOf(netPorts[k].nodePlus)) return k + 1;
  }
  return -1;
}

// The shorts only join the terminals, which the reduction holds at the voltages it gives: the
// result is that of the network without them, plus their own admittances.
void UsrDefNet::AddPortShorts() {
  Work& w = *work;
  PortShorts& shorts = w.portShorts;
  shorts.Clear();
  shorts.rest = *portMatrix;
  for (int k : w.terminalShorts) {
    const Stamp& stamp = w.stamps[static_cast<size_t>(k)];
    const int a = TerminalOf(stamp.rows[0]);
    const int b = TerminalOf(stamp.kind == Stamp::kOnePort ? stamp.rows[1] : -1);
    shorts.Join(a, b);
    const Cmplx y = stamp.element->GetPortMatrix()->GetAt(1, 1);
    if (a > 0 && b > 0) {
      portMatrix->AddAcross(y);
    } else {
      const int port = std::max(a, b);
      portMatrix->AddAt(y, port - 1, port - 1);
    }
  }
}

// A port node that no element touches would leave its row empty, and two ports on the same
// nodes have no reduction: such definitions are refused.
bool UsrDefNet::CheckPorts() {
  if (portCount != 1 && portCount != 2) {
    Error("UsrDefNet: Fall nicht implementiert", 4);
    return false;
  }
  bool ok = true;
  for (int k = 0; k < portCount; ++k) {
    Zweig port = netPorts[k];
    if (!port.Check()) ok = false;
    for (int j = k + 1; j < portCount; ++j) {
      if (port.SameNodes(netPorts[j])) {
        Error(MyStrng("Tore") + MyStrng(k) + " und " + MyStrng(j) + " identisch", 4);
        ok = false;
      }
    }
  }
  std::vector<int> used;
  for (NetElement* element : elements.Values()) {
    for (int k = 0; k < element->GetPortCount(); ++k) {
      used.push_back(element->GetPort(k).nodePlus);
      used.push_back(element->GetPort(k).nodeMinus);
    }
  }
  std::vector<int> missing;
  for (int k = 0; k < portCount; ++k) {
    for (int node : {netPorts[k].nodePlus, netPorts[k].nodeMinus}) {
      const bool found =
          RowOf(node) >= 0 && std::find(used.begin(), used.end(), node) != used.end();
      if (node == 0 || found || std::find(missing.begin(), missing.end(), node) != missing.end()) {
        continue;
      }
      missing.push_back(node);
      Error("Knoten in Netzwerkdefinition nicht vorhanden", 4);
      ok = false;
    }
  }
  if (ok && portCount == 2 && (netPorts[0].nodeMinus != 0 || netPorts[1].nodeMinus != 0)) {
    Error("UsrDefNet: Fall nicht implementiert", 4);
    ok = false;
  }
  return ok;
}

// The arrangement of an element's ports is fixed once it is read, so it is judged once.
UsrDefNet::Stamp UsrDefNet::PlanStamp(NetElement* element) {
  Stamp stamp;
  stamp.element = element;
  stamp.fills = !element->SkipsFillMatrix();
  const int n = element->GetPortCount();
  const Zweig p0 = element->GetPort(0);
  const Zweig p1 = element->GetPort(1);
  if (n == 1) {
    if (IsGrounded(p0)) {
      stamp.kind = Stamp::kOnePortGrounded;
      stamp.rows[0] = RowOf(NonGroundNode(p0));
    } else {
      stamp.kind = Stamp::kOnePort;
      stamp.rows[0] = RowOf(p0.nodePlus);
      stamp.rows[1] = RowOf(p0.nodeMinus);
    }
  } else if (n == 2 && IsGrounded(p0) && IsGrounded(p1)) {
    stamp.kind = Stamp::kTwoPortGrounded;
    stamp.rows[0] = RowOf(NonGroundNode(p0));
    stamp.rows[1] = RowOf(NonGroundNode(p1));
    stamp.sign = (p0.nodePlus == 0) != (p1.nodePlus == 0) ? -1 : 1;
  } else if (n == 2 && p0.nodeMinus != 0 && p0.nodeMinus == p1.nodeMinus) {
    stamp.kind = Stamp::kTwoPortCommon;
    stamp.rows[0] = RowOf(p0.nodePlus);
    stamp.rows[1] = RowOf(p1.nodePlus);
    stamp.rows[2] = RowOf(p0.nodeMinus);
  } else if (n == 3 || n == 4) {
    bool grounded = true;
    for (int k = 0; k < n; ++k) {
      grounded = grounded && element->GetPort(k).nodeMinus == 0;
      stamp.rows[k] = RowOf(element->GetPort(k).nodePlus);
    }
    if (grounded) stamp.kind = Stamp::kGrounded;
  }
  return stamp;
}

template <class Add>
void UsrDefNet::VisitStamp(const Stamp& stamp, const PortMatrix& y, Add&& add) {
  const int size = y.GetSize();
  const Cmplx* entries = y.Entries();
  // The element's own matrix, 1-based, read inline: this runs for every element and point.
  const auto at = [&](int i, int j) {
    return i <= size && j <= size ? entries[(i - 1) * size + (j - 1)] : Cmplx();
  };
  const auto sum = [](const Cmplx& p, const Cmplx& q) { return Cmplx(p.re + q.re, p.im + q.im); };
  const auto minus = [](const Cmplx& p) { return Cmplx(-p.re, -p.im); };
  const int* r = stamp.rows;
  switch (stamp.kind) {
    case Stamp::kOnePortGrounded: add(0, r[0], r[0], at(1, 1)); break;
    case Stamp::kOnePort: {
      const Cmplx y11 = at(1, 1);
      add(0, r[0], r[0], y11);
      add(1, r[1], r[1], y11);
      add(2, r[0], r[1], minus(y11));
      add(3, r[1], r[0], minus(y11));
      break;
    }
    case Stamp::kTwoPortGrounded:
      add(0, r[0], r[0], at(1, 1));
      add(1, r[1], r[1], at(2, 2));
      add(2, r[1], r[0], at(2, 1) * stamp.sign);
      add(3, r[0], r[1], at(1, 2) * stamp.sign);
      break;
    case Stamp::kTwoPortCommon: {
      const Cmplx y11 = at(1, 1);
      const Cmplx y12 = at(1, 2);
      const Cmplx y21 = at(2, 1);
      const Cmplx y22 = at(2, 2);
      add(0, r[0], r[0], y11);
      add(1, r[0], r[1], y12);
      add(2, r[0], r[2], minus(sum(y11, y12)));
      add(3, r[1], r[0], y21);
      add(4, r[1], r[1], y22);
      add(5, r[1], r[2], minus(sum(y21, y22)));
      add(6, r[2], r[0], minus(sum(y11, y21)));
      add(7, r[2], r[1], minus(sum(y12, y22)));
      add(8, r[2], r[2], sum(sum(y11, y12), sum(y21, y22)));
      break;
    }
    case Stamp::kGrounded: {
      const int n = stamp.element->GetPortCount();
      for (int j = 0; j < n; ++j) {
        for (int k = 0; k < n; ++k) add(j * n + k, r[j], r[k], at(j + 1, k + 1));
      }
      break;
    }
    case Stamp::kNone: break;
  }
}

// Most elements are one-ports: their one entry goes to its slots (+, +, -, -) directly, the
// same additions as the general visit without its per-entry bounds and without a call.
inline void UsrDefNet::StampOnePort(const Stamp& stamp, const Cmplx& v, Cmplx* values) {
  const auto add = [values](int slot, double re, double im) {
    if (slot < 0) return;
    values[slot].re += re;
    values[slot].im += im;
  };
  add(stamp.slots[0], v.re, v.im);
  if (stamp.kind != Stamp::kOnePort) return;
  add(stamp.slots[1], v.re, v.im);
  add(stamp.slots[2], -v.re, -v.im);
  add(stamp.slots[3], -v.re, -v.im);
}

// Read inline: this runs for every element and point. Returns whether the element is a short.
inline bool UsrDefNet::Place(const Stamp& stamp, Cmplx* values) {
  const PortMatrix& y = *stamp.element->GetPortMatrix();
  if (!stamp.IsOnePort() || y.GetSize() < 1) {
    if (values != nullptr) StampElement(stamp);
    return false;
  }
  const Cmplx v = y.Entries()[0];
  if (values != nullptr) StampOnePort(stamp, v, values);
  return v.re >= Cmplx::kInverseOfZero;
}

void UsrDefNet::StampElement(const Stamp& stamp) {
  Cmplx* values = system.Values().data();
  VisitStamp(stamp, *stamp.element->GetPortMatrix(), [&](int k, int, int, const Cmplx& v) {
    const int slot = stamp.slots[k];
    if (slot < 0) return;
    values[slot].re += v.re;
    values[slot].im += v.im;
  });
}

Cmplx UsrDefNet::GetNodalEntry(int row, int col) const {
  const int slot = system.Slot(row, col);
  return slot >= 0 ? system.Values()[static_cast<size_t>(slot)] : Cmplx();
}

void UsrDefNet::AllocateResults() {
  Work& w = GetWork();
  w.results.clear();
  w.resultShorts.clear();
  if (sweep == nullptr) return;
  const int count = std::clamp(sweep->count, 0, kMaxResults);
  w.results.assign(static_cast<size_t>(count), PortMatrix(portCount));
  for (const PortMatrix& entry : w.results) {
    if (entry.GetSize() != portCount) {
      Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
      w.results.clear();
      return;
    }
  }
  resultsInactive = false;
  notComputableReported = false;
}

void UsrDefNet::ReleaseResults() {
  if (work != nullptr) {
    std::vector<PortMatrix>().swap(work->results);
    std::vector<PortShorts>().swap(work->resultShorts);
  }
  resultsInactive = true;
}

// A merged-away row holds its place with a unit diagonal and no current.
Cmplx* UsrDefNet::ClearedValues() {
  std::vector<Cmplx>& values = system.Values();
  std::fill(values.begin(), values.end(), Cmplx());
  for (int slot : work->mergedDiagonals) values[static_cast<size_t>(slot)] = Cmplx(1.0, 0.0);
  return values.data();
}

void UsrDefNet::FillMatrix(float frequency) {
  if (!computable) return;
  Work& w = PlannedWork();
  // The shorts decide where the stamps go: each element is stamped as it is filled, into the
  // structure of the previous point, and all are stamped again when other shorts are merged.
  Cmplx* values = built ? ClearedValues() : nullptr;
  w.shorts.clear();
  for (const Stamp& stamp : w.stamps) {
    if (stamp.fills) stamp.element->FillMatrix(frequency);
    if (Place(stamp, values)) w.shorts.push_back(static_cast<int>(&stamp - w.stamps.data()));
  }
  if (MergeShorts() || !built) {
    BuildSystem();
    if (!computable) return;
    values = ClearedValues();
    for (const Stamp& stamp : w.stamps) Place(stamp, values);
  }
  if (portCount == 1) {
    ReduceOnePort();
  } else {
    // A column that fails keeps its previous value of the network without the port shorts.
    *portMatrix = w.portShorts.rest;
    ReduceTwoPort();
    AddPortShorts();
  }
  if (sweep == nullptr || resultsInactive) return;
  const int point = sweep->index;
  if (point < 0 || point >= GetResultCount()) return;
  if (portMatrix->IsFinite()) {
    w.results[static_cast<size_t>(point)] = *portMatrix;
    if (w.portShorts.Any() && w.resultShorts.empty()) w.resultShorts.resize(w.results.size());
    if (!w.resultShorts.empty()) w.resultShorts[static_cast<size_t>(point)] = w.portShorts;
  } else {
    ReportNotComputable(frequency);
  }
}

// A point that overflowed keeps its zeros; one message per net and run is enough to say so.
void UsrDefNet::ReportNotComputable(double frequency) {
  if (notComputableReported) return;
  notComputableReported = true;
  char at[48];
  std::snprintf(at, sizeof at, " bei %.6g GHz", frequency / 1e9);
  Error(MyStrng("Ergebnis nicht berechenbar: ") + name + at, 2);
}

Cmplx UsrDefNet::PortVoltage(const Zweig& port) const {
  Work& w = *work;
  const int plus = MergedRow(RowOf(port.nodePlus));
  const int minus = MergedRow(RowOf(port.nodeMinus));
  Cmplx v;
  if (plus >= 0) v = w.voltages[static_cast<size_t>(plus)];
  if (minus >= 0) v -= w.voltages[static_cast<size_t>(minus)];
  return v;
}

bool UsrDefNet::Solved(NodalSystem<Cmplx>::Status status) {
  switch (status) {
    case NodalSystem<Cmplx>::Status::kSolved: return true;
    case NodalSystem<Cmplx>::Status::kSingular: Error("Fehler im Gaus-Algorithmus", 2); break;
    case NodalSystem<Cmplx>::Status::kNoMemory:
      // Reported once: the net is not computed any more.
      Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
      computable = false;
      break;
  }
  return false;
}

// Every voltage source enters as its Norton current at the port: exact for the sources at the
// port's node, and a generator's run, whose node the port is, gives every other source 0 V.
// A source of 0 V would inject no current and leave the port voltage at 0: the net is then
// solved for 1 A and the meters read the actual excitation's share, which is none.
void UsrDefNet::ReduceOnePort() {
  Work& w = *work;
  bool sourced = false;
  Cmplx sourceCurrent;
  for (const Stamp& stamp : w.stamps) {
    if (stamp.element->GetTypeName() == SpannungsQuelle::kTypeName) {
      sourceCurrent += static_cast<const SpannungsQuelle*>(stamp.element)->GetSourceCurrent();
      sourced = true;
    }
  }
  if (sourced) w.excitation = sourceCurrent;
  const bool unitDrive = w.excitation.Abs() == 0.0;
  const Cmplx drive = unitDrive ? Cmplx(1.0, 0.0) : w.excitation;
  const Zweig& port = netPorts[0];
  if (IsGrounded(port)) {
    w.rhs[static_cast<size_t>(RowOf(NonGroundNode(port)))] = drive;
  } else {
    w.rhs[static_cast<size_t>(RowOf(port.nodePlus))] = drive;
    w.rhs[static_cast<size_t>(RowOf(port.nodeMinus))] = -drive;
  }
  w.voltages = w.rhs;
  if (!Solved(system.Solve(system.Values(), w.voltages.data()))) return;
  const Cmplx v = PortVoltage(port);
  if (v.Abs() == 0.0) {
    Error("Fehler bei der Berechnung von Y_11", 2);
    return;
  }
  portMatrix->SetAt(drive / v, 1, 1);
  UpdateMeters(unitDrive);
}

// The slots are set to 0 and the diagonals to 1 for the solve, so that those rows hold their
// nodes at the voltages the right-hand sides give; the matrix is restored afterwards.
NodalSystem<Cmplx>::Status UsrDefNet::SolveHolding(
    std::initializer_list<const std::vector<int>*> slotLists, std::initializer_list<int> diagonals,
    int which, int count) {
  Work& w = *work;
  std::vector<Cmplx>& values = system.Values();
  w.savedLine.clear();
  for (const std::vector<int>* slots : slotLists) {
    for (int slot : *slots) {
      w.savedLine.push_back(values[static_cast<size_t>(slot)]);
      values[static_cast<size_t>(slot)] = Cmplx();
    }
  }
  for (int diagonal : diagonals) values[static_cast<size_t>(diagonal)] = Cmplx(1.0, 0.0);
  const auto status = system.Solve(values, w.voltages.data(), which, count);
  size_t saved = 0;
  for (const std::vector<int>* slots : slotLists) {
    for (int slot : *slots) values[static_cast<size_t>(slot)] = w.savedLine[saved++];
  }
  return status;
}

void UsrDefNet::ReduceTwoPort() {
  Work& w = *work;
  if (ReduceHeldPorts()) return;
  ReduceColumn(w.shortedPorts[0].row, w.shortedPorts[1], 1);
  ReduceColumn(w.shortedPorts[1].row, w.shortedPorts[0], 2);
}

// The port rows become those of the identity, so that a solve holds the ports at the
// voltages it is given and leaves the internal nodes to their block of the nodal matrix:
// 1 V at one port and 0 V at the other give the port currents of one column,
// Y_pp - Y_pi Y_ii^-1 Y_ip, both columns from one factorisation. A singular internal block
// (a series resonance between the ports) or an overflow leaves the point to the columns.
bool UsrDefNet::ReduceHeldPorts() {
  Work& w = *work;
  const size_t n = static_cast<size_t>(nodeCount);
  std::fill(w.voltages.begin(), w.voltages.end(), Cmplx());
  w.voltages[static_cast<size_t>(w.shortedPorts[0].row)] = Cmplx(1.0, 0.0);
  w.voltages[n + static_cast<size_t>(w.shortedPorts[1].row)] = Cmplx(1.0, 0.0);
  const auto status = SolveHolding({&w.shortedPorts[0].rowSlots, &w.shortedPorts[1].rowSlots},
                                   {w.shortedPorts[0].diagonal, w.shortedPorts[1].diagonal}, 2, 2);
  if (status == NodalSystem<Cmplx>::Status::kSingular) return false;
  if (!Solved(status)) return true;
  const std::vector<Cmplx>& values = system.Values();
  Cmplx y[2][2];
  for (int column = 0; column < 2; ++column) {
    const Cmplx* v = w.voltages.data() + static_cast<size_t>(column) * n;
    for (int row = 0; row < 2; ++row) {
      for (const auto& [slot, col] : w.shortedPorts[row].entries) {
        y[row][column] += values[static_cast<size_t>(slot)] * v[col];
      }
      if (!std::isfinite(y[row][column].re) || !std::isfinite(y[row][column].im)) return false;
    }
  }
  for (int k = 0; k < 4; ++k) portMatrix->SetAt(y[k / 2][k % 2], k / 2 + 1, k % 2 + 1);
  return true;
}

// The shorted port's row and column become those of the identity for the solve: its node is
// held at 0 V and the rest of the system is the nodal matrix without it. Each column keeps its
// own factorisation, as the two matrices differ.
void UsrDefNet::ReduceColumn(int driven, const ShortedPort& shorted, int column) {
  Work& w = *work;
  std::fill(w.voltages.begin(), w.voltages.end(), Cmplx());
  w.voltages[static_cast<size_t>(driven)] = Cmplx(1.0, 0.0);
  if (!Solved(SolveHolding({&shorted.lineSlots}, {shorted.diagonal}, column - 1, 1))) return;
  const std::vector<Cmplx>& values = system.Values();
  const Cmplx x = w.voltages[static_cast<size_t>(driven)];
  if (x.Abs() == 0.0) {
    Error(column == 1 ? "Fehler bei der Berechnung von Y_11" : "Fehler bei der Berechnung von Y_22",
          2);
    return;
  }
  // The current that flows into the shorted port node.
  Cmplx current;
  for (const auto& [slot, col] : shorted.entries) {
    if (col != shorted.row) {
      current += values[static_cast<size_t>(slot)] * w.voltages[static_cast<size_t>(col)];
    }
  }
  const int other = 3 - column;
  portMatrix->SetAt(Cmplx(1.0, 0.0) / x, column, column);
  portMatrix->SetAt(current / x, other, column);
}

void UsrDefNet::UpdateMeters(bool unitDrive) {
  Work& w = *work;
  for (const Stamp& stamp : w.stamps) {
    if (!stamp.element->IsMeter()) continue;
    Cmplx v = PortVoltage(stamp.element->GetPort(0));
    if (unitDrive) v *= w.excitation;
    stamp.element->TakeReading(v);
  }
}

void UsrDefNet::SetSourceVoltage(const MyStrng& sourceName, const Cmplx& u) {
  DriveOnly(sourceName);
  NetElement* own = FindElement(sourceName);
  if (own != nullptr && own->GetTypeName() == SpannungsQuelle::kTypeName) {
    static_cast<SpannungsQuelle*>(own)->SetVoltage(u);
  }
}

void UsrDefNet::DriveOnly(const MyStrng& sourceName) {
  for (NetElement* element : elements.Values()) {
    if (element->GetTypeName() == SpannungsQuelle::kTypeName &&
        element->GetName() != sourceName) {
      static_cast<SpannungsQuelle*>(element)->SetVoltage(Cmplx());
    }
  }
}

NetElement* UsrDefNet::FindElement(const MyStrng& elementName) const {
  for (NetElement* element : elements.Values()) {
    if (element->GetName() == elementName) return element;
  }
  return nullptr;
}

int UsrDefNet::ClampPoint(int point) const {
  return std::clamp(point, 0, std::max(GetResultCount() - 1, 0));
}

void UsrDefNet::ReferenceResistances(float& z01, float& z02) const {
  const NetAnalyser* analyser = NetContext::CurrentAnalyser();
  z01 = analyser != nullptr ? static_cast<float>(analyser->GetRG1().re) : kDefaultReference;
  z02 = analyser != nullptr ? static_cast<float>(analyser->GetRG2().re) : kDefaultReference;
}

PortMatrix UsrDefNet::GetScattering(int point, float z01, float z02) const {
  const size_t p = static_cast<size_t>(ClampPoint(point));
  if (work != nullptr && p < work->resultShorts.size() && work->resultShorts[p].Any()) {
    return work->resultShorts[p].ConvertToS(z01, z02);
  }
  return GetPortMatrix(point).ConvertToS(z01, z02);
}

PortMatrix UsrDefNet::GetPortMatrix(int point) const {
  if (GetResultCount() == 0) return PortMatrix(portCount);
  return work->results[static_cast<size_t>(ClampPoint(point))];
}

void UsrDefNet::GetParameter(Cmplx& out, char kind, int i, int j, int point) const {
  const PortMatrix y = GetPortMatrix(point);
  float z01 = 0.0f;
  float z02 = 0.0f;
  ReferenceResistances(z01, z02);
  switch (kind) {
    case PortMatrix::kStability: out = y.ConvertToK().GetAt(i, j); break;
    case PortMatrix::kImpedance: out = y.ConvertToZ().GetAt(i, j); break;
    case PortMatrix::kMaxGain:
      out = GetScattering(point, z01, z02).MaxGainMatrix().GetAt(i, j);
      break;
    case PortMatrix::kScattering: out = GetScattering(point, z01, z02).GetAt(i, j); break;
    case PortMatrix::kVoltageGain: out = y.ConvertToV(z01, z02).GetAt(i, j); break;
    case PortMatrix::kOptimumReflection:
      out = GetScattering(point, z01, z02).OptimumReflectionMatrix().GetAt(i, j);
      break;
    default: out = y.GetAt(i, j); break;
  }
}

PortMatrix UsrDefNet::GetTableMatrix(char kind, int point) const {
  if (kind == PortMatrix::kStability || kind == PortMatrix::kMaxGain ||
      kind == PortMatrix::kVoltageGain) {
    // The forward gains; the stability factor is the same in every entry.
    const int row = portCount > 1 ? 2 : 1;
    Cmplx figure;
    GetParameter(figure, kind, row, 1, point);
    return PortMatrix(1, &figure);
  }
  const PortMatrix y = GetPortMatrix(point);
  float z01 = 0.0f;
  float z02 = 0.0f;
  ReferenceResistances(z01, z02);
  switch (kind) {
    case PortMatrix::kOptimumReflection:
      return GetScattering(point, z01, z02).OptimumReflectionMatrix();
    case PortMatrix::kScattering: return GetScattering(point, z01, z02);
    case PortMatrix::kImpedance: return y.ConvertToZ();
    case PortMatrix::kAdmittance: {
      PortMatrix millimho(y);
      millimho.Scale(1000.0f);
      return millimho;
    }
    default: return PortMatrix(portCount);
  }
}

const LineFile& UsrDefNet::GetResultTable() const {
  static const LineFile kNone;
  return work != nullptr ? work->resultTable : kNone;
}

void UsrDefNet::WriteResultTable(pf::Window* window, char kind) {
  Work& w = GetWork();
  w.resultTable.RemoveAll();
  w.resultTable.AddLine(MyStrng("* Erzeugt von VOSTRANE  ") + w.tableTitle);
  w.resultTable.AddLine("* R. Voskar, Kollegstiftung Morvaburg");
  const char letter[2] = {kind, '\0'};
  MyStrng heading = MyStrng("* ") + name + ": " + letter;
  if (kind == PortMatrix::kAdmittance) heading += " Betrag/mMho Grad";
  w.resultTable.AddLine(heading);
  const int count = sweep != nullptr ? std::clamp(sweep->count, 0, kMaxResults) : 0;
  for (int i = 0; i < count; ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "%10.6g", sweep->GetFrequency(i) / 1e9);
    std::string frequency(number);
    frequency.erase(0, frequency.find_first_not_of(' '));
    if (frequency.size() < 8) frequency.resize(8, ' ');
    frequency += "\t";
    PortMatrix row = GetTableMatrix(kind, i);
    if (!row.IsFinite()) {
      ReportNotComputable(sweep->GetFrequency(i));
      row = PortMatrix(row.GetSize());
    }
    w.resultTable.AddLine(MyStrng(frequency.c_str()) + row.ToText());
  }
  if (window != nullptr) w.resultTable.CopyToClipboard(window);
}

UsrDefEinTor::UsrDefEinTor(UsrDefNet* usrNet, const NetLine& line) : EinTor(line), net(usrNet) {
  typeName = "UsrDefEinTor";
}

void UsrDefEinTor::FillMatrix(float) { portMatrix->SetAt(net->GetPortMatrix()->GetAt(1, 1), 1, 1); }

UsrDefZweiTor::UsrDefZweiTor(UsrDefNet* usrNet, const NetLine& line) : ZweiTor(line), net(usrNet) {
  typeName = "UsrDefZweiTor";
}

void UsrDefZweiTor::FillMatrix(float) {
  const PortMatrix& result = *net->GetPortMatrix();
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 2; ++j) portMatrix->SetAt(result.GetAt(i, j), i, j);
  }
}
