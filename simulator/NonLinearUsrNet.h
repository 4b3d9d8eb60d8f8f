#pragma once
// The network of a "BLK" block that holds a PN diode: real DC operating points while one of the
// block's DC supplies steps from its start to its stop value and the others hold theirs.
//
// The reader constructs it from the block's frame, calls Allocate, and StartDcSweep when a run
// starts; the DC instrument then calls NextDcStep once per tick until it returns false. The
// linear elements are stamped once, at frequency 0, as conductances into the sparse nodal
// matrix; each supply is a Norton current; every diode is solved by Newton's method with
// junction-voltage limiting.
//
// Reading the operating points of a sweep:
//   if (net.StartDcSweep() == 1) {
//     bool more;
//     do {
//       more = net.NextDcStep();
//       if (net.GetErrorCode() != 0) break;  // the queue holds the reason
//       ... net.GetStepValue(), and per diode d of net.GetDiodes(): d->GetU(), d->GetI() ...
//     } while (more);
//   }

#include <vector>

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"
#include "simulator/NodalSystem.h"
#include "simulator/UsrNetBasis.h"

class DcSweepSupply;
class PNDiodeElement;

class NonLinearUsrNet : public UsrNetBasis {
 public:
  // Newton iterations of one step before "Arbeitspunkt konvergiert nicht".
  static constexpr int kMaxIterations = 100;
  // A diode voltage has converged when an iteration moves it by at most this much (volts)
  // plus the same fraction of its size.
  static constexpr double kVoltageTolerance = 1e-9;

  // A copy of the frame; the caller clears the frame's ownership of the elements.
  explicit NonLinearUsrNet(const UsrNetBasis& frame);

  // The node voltages sized to the node count; the matrix follows when a sweep starts.
  void Allocate();
  // The supply is the DC supply ("DcGeneratorElement") named supplyName, without a name the
  // last one; every other holds its start value behind its internal resistance. 0 when there
  // is no such supply, or when a nonlinear element is no diode (reported); otherwise the
  // supplies are reset, the linear elements and the supplies are stamped, and the result is 1.
  int StartDcSweep(const MyStrng& supplyName = MyStrng());
  // Solves the net at the supply's present value, hands every meter the voltage of its port,
  // then moves the supply on. False when the supply has passed its stop value (it is back at
  // its start), when the step failed (GetErrorCode() is then 2 and the step's results are not
  // valid) and without a started sweep.
  bool NextDcStep();

  // The supply value that the latest step solved at.
  double GetStepValue() const { return stepValue; }
  // Every diode of the net, in element order; each holds its operating point (U, I).
  const std::vector<PNDiodeElement*>& GetDiodes() const { return diodes; }
  // A node's voltage in the latest solve; 0 for ground and for nodes not in the net.
  double GetNodeVoltage(int node) const;
  int GetErrorCode() const { return report.GetErrorCode(); }

 private:
  int Row(int node) const { return node == 0 ? -1 : nodeList.IndexOf(node); }
  // Calls at(row, col, sign) for the four positions where y, the current of port `into` per
  // volt across port `across`, enters: +y at (+,+) and (-,-), -y at (+,-) and (-,+); ground
  // has no row.
  template <class At>
  void VisitAdmittance(const Zweig& into, const Zweig& across, At&& at) const;
  void StampAdmittance(std::vector<double>& matrix, const Zweig& into, const Zweig& across,
                       double y) const;
  // Current i into node+ and out of node-.
  void InjectCurrent(std::vector<double>& currents, const Zweig& port, double i) const;
  // The matrix structure of the linear elements and the diodes; false (reported) when it does
  // not fit.
  bool PlanMatrix();
  void StampLinear(NetElement& element);
  void StampSupply();
  double PortVoltage(const Zweig& port) const;
  // Newton iterations at the present supply value; false (reported) when they fail.
  bool Iterate();

  NodalSystem<double> system;
  std::vector<double> conductance;  // the linear elements, in the system's slot order
  std::vector<double> working;      // with the diodes' tangents added
  std::vector<double> heldCurrents;  // the supplies that do not sweep
  std::vector<double> sourceCurrents;
  std::vector<double> currents;
  std::vector<double> nodeVoltages;
  DcSweepSupply* supply = nullptr;
  NetElement* supplyElement = nullptr;
  std::vector<PNDiodeElement*> diodes;
  double stepValue = 0.0;
  VS_Error report;
};
