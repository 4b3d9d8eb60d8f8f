#include "simulator/NonLinearUsrNet.h"

#include <algorithm>
#include <cmath>

#include "basics/GaussSolve.h"
#include "simulator/DcSweepSupply.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/PortMatrix.h"

NonLinearUsrNet::NonLinearUsrNet(const UsrNetBasis& frame)
    : UsrNetBasis(frame), conductance(1, 1), working(1, 1), sourceCurrents(1), nodeVoltages(1) {}

void NonLinearUsrNet::Allocate() {
  nodeCount = nodeList.GetCount();
  elementCount = elements.GetCount();
  // A net without nodes is never solved (a supply has a node); keep its arrays non-empty.
  const int n = std::max(nodeCount, 1);
  conductance.Resize(n, n);
  working.Resize(n, n);
  sourceCurrents.Realloc(n);
  nodeVoltages.Realloc(n);
}

int NonLinearUsrNet::StartDcSweep() {
  report.ClearErrorCode();
  supply = nullptr;
  supplyElement = nullptr;
  diodes.clear();
  DcSweepSupply* found = nullptr;
  NetElement* foundElement = nullptr;
  for (NetElement* element : elements.Values()) {
    if (element->GetTypeName() != "DcGeneratorElement") continue;
    if (auto* candidate = dynamic_cast<DcSweepSupply*>(element)) {
      found = candidate;
      foundElement = element;
    }
  }
  if (found == nullptr) return 0;

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

  supply = found;
  supplyElement = foundElement;
  Allocate();
  supply->ResetSweep();
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
  if (!supply->NextStep()) return false;
  StampSupply();
  return true;
}

double NonLinearUsrNet::GetNodeVoltage(int node) const {
  const int row = Row(node);
  return row < 0 ? 0.0 : nodeVoltages[row];
}

void NonLinearUsrNet::StampAdmittance(RMatrix& matrix, const Zweig& into, const Zweig& across,
                                      double y) const {
  const int rows[2] = {Row(into.nodePlus), Row(into.nodeMinus)};
  const int cols[2] = {Row(across.nodePlus), Row(across.nodeMinus)};
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c) {
      if (rows[r] >= 0 && cols[c] >= 0) matrix.AddTo(r == c ? y : -y, rows[r], cols[c]);
    }
  }
}

void NonLinearUsrNet::InjectCurrent(RVektor& currents, const Zweig& port, double i) const {
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
  sourceCurrents.Zero();
  InjectCurrent(sourceCurrents, supplyElement->GetPort(0), supply->GetNortonCurrent());
}

double NonLinearUsrNet::PortVoltage(const Zweig& port) const {
  return GetNodeVoltage(port.nodePlus) - GetNodeVoltage(port.nodeMinus);
}

bool NonLinearUsrNet::Iterate() {
  RVektor currents;
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
    bool solved = false;
    nodeVoltages = RMatrixSolve(working, currents, &solved);
    for (int i = 0; solved && i < nodeVoltages.GetSize(); ++i) {
      solved = std::isfinite(nodeVoltages[i]);
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
