#include "simulator/NonLinearUsrNet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "simulator/DcSweepSupply.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/PortMatrix.h"

NonLinearUsrNet::NonLinearUsrNet(const UsrNetBasis& frame) : UsrNetBasis(frame) {}

void NonLinearUsrNet::Allocate() {
  nodeCount = nodeList.GetCount();
  elementCount = elements.GetCount();
  nodeVoltages.assign(static_cast<size_t>(nodeCount), 0.0);
}

bool NonLinearUsrNet::PlanMatrix() {
  size_t positions = 4 * diodes.size();
  for (NetElement* element : elements.Values()) {
    const size_t ports = static_cast<size_t>(std::max(element->GetPortCount(), 0));
    if (element->IsLinear()) positions += 4 * ports * ports;
  }
  if (!system.Begin(nodeCount, positions)) {
    report.Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
    return false;
  }
  const auto declare = [&](int row, int col, double) { system.Declare(row, col); };
  for (NetElement* element : elements.Values()) {
    const int n = element->IsLinear() ? element->GetPortCount() : 0;
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) {
        VisitAdmittance(element->GetPort(j), element->GetPort(k), declare);
      }
    }
  }
  for (const PNDiodeElement* diode : diodes) {
    VisitAdmittance(diode->GetPort(0), diode->GetPort(0), declare);
  }
  system.Build();
  conductance.assign(system.GetEntryCount(), 0.0);
  sourceCurrents.assign(static_cast<size_t>(nodeCount), 0.0);
  return true;
}

int NonLinearUsrNet::StartDcSweep(const MyStrng& supplyName) {
  report.ClearErrorCode();
  supply = nullptr;
  supplyElement = nullptr;
  diodes.clear();
  std::vector<std::pair<NetElement*, DcSweepSupply*>> supplies;
  for (NetElement* element : elements.Values()) {
    if (element->GetTypeName() != "DcGeneratorElement") continue;
    if (auto* candidate = dynamic_cast<DcSweepSupply*>(element)) {
      supplies.emplace_back(element, candidate);
    }
  }
  const auto swept = std::find_if(supplies.rbegin(), supplies.rend(), [&](const auto& s) {
    return supplyName.IsEmpty() || s.first->GetName() == supplyName;
  });
  if (swept == supplies.rend()) return 0;

  for (NetElement* element : elements.Values()) {
    if (element->IsLinear()) continue;
    auto* diode = dynamic_cast<PNDiodeElement*>(element);
    if (diode == nullptr) {
      report.Error("UsrDefNet: Fall nicht implementiert", 4);
      diodes.clear();
      return 0;
    }
    diodes.push_back(diode);
  }

  Allocate();
  if (!PlanMatrix()) {
    diodes.clear();
    return 0;
  }
  supplyElement = swept->first;
  supply = swept->second;
  // Every other supply holds its start value behind its resistance for the whole sweep.
  heldCurrents.assign(static_cast<size_t>(nodeCount), 0.0);
  for (const auto& [element, each] : supplies) {
    each->ResetSweep();
    if (each != supply) {
      InjectCurrent(heldCurrents, element->GetPort(0), each->GetNortonCurrent());
    }
  }
  StampSupply();
  for (NetElement* element : elements.Values()) {
    if (element->IsLinear()) StampLinear(*element);
  }
  return 1;
}

bool NonLinearUsrNet::NextDcStep() {
  if (supply == nullptr) return false;
  stepValue = supply->GetPresentValue();
  if (!Iterate()) return false;
  // The meters read the operating point before the supply moves on.
  for (NetElement* element : elements.Values()) {
    if (element->IsMeter()) element->TakeReading(Cmplx(PortVoltage(element->GetPort(0)), 0.0));
  }
  if (!supply->NextStep()) return false;
  StampSupply();
  return true;
}

double NonLinearUsrNet::GetNodeVoltage(int node) const {
  const int row = Row(node);
  return row < 0 || static_cast<size_t>(row) >= nodeVoltages.size()
             ? 0.0
             : nodeVoltages[static_cast<size_t>(row)];
}

template <class At>
void NonLinearUsrNet::VisitAdmittance(const Zweig& into, const Zweig& across, At&& at) const {
  const int rows[2] = {Row(into.nodePlus), Row(into.nodeMinus)};
  const int cols[2] = {Row(across.nodePlus), Row(across.nodeMinus)};
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c) {
      if (rows[r] >= 0 && cols[c] >= 0) at(rows[r], cols[c], r == c ? 1.0 : -1.0);
    }
  }
}

void NonLinearUsrNet::StampAdmittance(std::vector<double>& matrix, const Zweig& into,
                                      const Zweig& across, double y) const {
  VisitAdmittance(into, across, [&](int row, int col, double sign) {
    const int slot = system.Slot(row, col);
    if (slot >= 0) matrix[static_cast<size_t>(slot)] += sign * y;
  });
}

void NonLinearUsrNet::InjectCurrent(std::vector<double>& currents, const Zweig& port,
                                    double i) const {
  const int plus = Row(port.nodePlus);
  const int minus = Row(port.nodeMinus);
  if (plus >= 0) currents[plus] += i;
  if (minus >= 0) currents[minus] -= i;
}

// The port matrix relates the ports' currents to their voltages; each port's current enters
// at its node+ and leaves at its node-, which covers grounded, shared and floating references.
void NonLinearUsrNet::StampLinear(NetElement& element) {
  if (!element.SkipsFillMatrix()) element.FillMatrix(0.0f);
  const PortMatrix* matrix = element.GetPortMatrix();
  if (matrix == nullptr) return;
  const int n = element.GetPortCount();
  for (int j = 0; j < n; ++j) {
    for (int k = 0; k < n; ++k) {
      StampAdmittance(conductance, element.GetPort(j), element.GetPort(k),
                      matrix->GetAt(j + 1, k + 1).re);
    }
  }
}

void NonLinearUsrNet::StampSupply() {
  sourceCurrents = heldCurrents;
  InjectCurrent(sourceCurrents, supplyElement->GetPort(0), supply->GetNortonCurrent());
}

double NonLinearUsrNet::PortVoltage(const Zweig& port) const {
  return GetNodeVoltage(port.nodePlus) - GetNodeVoltage(port.nodeMinus);
}

bool NonLinearUsrNet::Iterate() {
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    // Each diode as its tangent at U: conductance g in parallel with the current I - g U.
    working = conductance;
    currents = sourceCurrents;
    for (const PNDiodeElement* diode : diodes) {
      const Zweig port = diode->GetPort(0);
      const double g = diode->DiodeConductance();
      StampAdmittance(working, port, port, g);
      InjectCurrent(currents, port, g * diode->GetU() - diode->GetI());
    }
    nodeVoltages = currents;
    const auto status = system.Solve(working, nodeVoltages.data());
    bool solved = status == NodalSystem<double>::Status::kSolved;
    for (size_t i = 0; solved && i < nodeVoltages.size(); ++i) {
      solved = std::isfinite(nodeVoltages[i]);
    }
    if (status == NodalSystem<double>::Status::kNoMemory) {
      report.Error("UsrDefNet: Nicht genügend Speicherplatz", 2);
      return false;
    }
    if (!solved) {
      report.Error("Fehler im Gaus-Algorithmus", 2);
      return false;
    }

    bool converged = true;
    for (PNDiodeElement* diode : diodes) {
      const double wanted = PortVoltage(diode->GetPort(0));
      const double next = diode->LimitJunctionVoltage(wanted);
      const double tolerance = kVoltageTolerance * (1.0 + std::fabs(next));
      if (next != wanted || std::fabs(next - diode->GetU()) > tolerance) converged = false;
      diode->DiodeUpdate(next);
    }
    if (converged) return true;
  }
  report.Error("Arbeitspunkt konvergiert nicht", 2);
  return false;
}
