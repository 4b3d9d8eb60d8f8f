#pragma once
// The linear network of one "BLK" block, and the elements that use an earlier block's network
// as a one-port or two-port inside a later block.
//
// The reader builds one UsrDefNet per block from its frame: constructor (frame, sweep), then
// SetUp; when a run starts AllocateResults, then FillMatrix at every point, nets in block
// order. A point stamps every element's admittance matrix into the nodal matrix, solves the
// nodal system and reduces it to the admittances seen at the net's own one or two ports,
// which are kept per sweep point and converted on request.

#include <vector>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "simulator/NetElement.h"
#include "simulator/NodalSystem.h"
#include "simulator/PortMatrix.h"
#include "simulator/UsrNetBasis.h"

class SweepFreq;
namespace pf {
class Window;
}

class UsrDefNet : public NetElement {
 public:
  // The largest sweep whose results are kept.
  static constexpr int kMaxResults = 3000;
  // Bounds on the order of one nodal system and on the entries of the nodal matrices of all
  // networks alive at a time (each entry is held twice, in the matrix and the working system).
  static constexpr int kMaxNodes = 1000;
  static constexpr long long kMaxLiveEntries = 1LL << 22;
  // Reference resistance in ohms when no analyser runs the net.
  static constexpr float kDefaultReference = 50.0f;

  // Takes over the frame's name, ports, definition, node list and element pointers, and reads
  // RG1 and RG2 of the definition; the caller clears the frame's ownership: the net owns the
  // elements from now on.
  UsrDefNet(const UsrNetBasis& frame, SweepFreq* sweep);
  ~UsrDefNet() override;

  // Allocates the matrices, checks the ports and plans the stamping. False, with messages,
  // when the net cannot be computed; it then leaves every point alone.
  bool SetUp();
  // One zero admittance matrix per point of the sweep (at most kMaxResults).
  void AllocateResults();
  // One point at frequency (Hz): fill, stamp, solve, reduce, update the meters, store; a
  // result with an infinite or NaN entry is reported and not stored.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return true; }

  // Entry (i, j), 1-based, of point's result converted to kind ('K', 'Z', 'M', 'S', 'V', 'R';
  // anything else the admittance itself); 0 outside the matrix. The point is clamped to the
  // sweep; the reference resistances are the current analyser's, else kDefaultReference.
  void GetParameter(Cmplx& out, char kind, int i, int j, int point) const;
  using NetElement::GetPortMatrix;
  // A copy of the admittance result of a point (clamped).
  PortMatrix GetPortMatrix(int point) const;
  // The result of a point as the table prints it: 'S', 'Z', 'R', 'Y' (in millimho); zeros of
  // the port count for any other kind.
  PortMatrix GetTableMatrix(char kind, int point) const;
  // Rebuilds the result table for kind; with a window the lines go to the clipboard too. A
  // row that would show an infinite or NaN value is reported and shows zeros.
  void WriteResultTable(pf::Window* window, char kind);
  const LineFile& GetResultTable() const { return resultTable; }
  void SetTableTitle(const MyStrng& title) { tableTitle = title; }

  // The first element whose name equals name, else null.
  NetElement* FindElement(const MyStrng& elementName) const;
  // Every voltage source of the net gets the voltage u.
  void SetSourceVoltage(const Cmplx& u);

  const MyStrng& GetPortDefinition() const { return portDefinition; }
  const Zweig& GetNetPort(int i) const { return netPorts[i >= 0 && i < kMaxPorts ? i : 0]; }
  const NodeList& GetNodeLabels() const { return nodeLabels; }
  const ElementList& GetElements() const { return elements; }
  int GetElementCount() const { return elements.GetCount(); }
  SweepFreq* GetSweep() const { return sweep; }
  // Generator resistances of the definition line in ohms, when it gave them.
  bool HasRG1() const { return rg1Given != 0; }
  bool HasRG2() const { return rg2Given != 0; }
  float GetRG1() const { return rg1; }
  float GetRG2() const { return rg2; }
  bool IsComputable() const { return computable; }
  // The nodal admittance matrix of the latest point; rows in the order of the node labels.
  const PortMatrix& GetNodalMatrix() const { return nodal; }
  int GetResultCount() const { return static_cast<int>(results.size()); }

  // Set and cleared by the reader on the network analyser's request; the analyser asks for
  // results only while it is 1.
  int resultsReady = 0;

 private:
  // How an element's ports reach the nodal matrix; rows are -1 for ground.
  struct Stamp {
    enum Kind { kNone, kOnePortGrounded, kOnePort, kTwoPortGrounded, kTwoPortCommon, kGrounded };
    NetElement* element = nullptr;
    Kind kind = kNone;
    int rows[kMaxPorts] = {-1, -1, -1, -1};
    int sign = 1;
  };

  void ReadGeneratorResistances();
  // RG1 or RG2 from part ("RGn = value ..."); true when a valid value was stored.
  static bool ReadResistance(const MyStrng& part, const char* key, float& value);
  bool CheckPorts();
  Stamp PlanStamp(NetElement* element);
  void StampElement(const Stamp& stamp);
  void ReduceOnePort();
  void ReduceTwoPort();
  // One column of the two-port reduction: 1 A into `driven`, `shorted` at 0 V.
  void ReduceColumn(int driven, int shorted, int column);
  void UpdateMeters(bool scaleToZero);
  // "Ergebnis nicht berechenbar: NAME bei F GHz", the first time in a run.
  void ReportNotComputable(double frequency);
  Cmplx PortVoltage(const Zweig& port) const;
  int RowOf(int node) const { return node == 0 ? -1 : nodeLabels.IndexOf(node); }
  int ClampPoint(int point) const;
  void ReferenceResistances(float& z01, float& z02) const;

  MyStrng portDefinition;
  Zweig netPorts[kMaxPorts];
  NodeList nodeLabels;
  ElementList elements;
  std::vector<Stamp> stamps;
  std::vector<Cmplx> rhs;  // injected node currents of the latest one-port solve
  Cmplx excitation{1.0, 0.0};
  PortMatrix nodal{0};
  NodalSystem system;
  std::vector<PortMatrix> results;
  bool resultsInactive = true;
  bool notComputableReported = false;
  bool computable = false;
  long long reservedEntries = 0;  // this net's share of the live entries
  float rg1 = 0.0f;
  float rg2 = 0.0f;
  int rg1Given = 0;
  int rg2Given = 0;
  SweepFreq* sweep = nullptr;
  LineFile resultTable;
  MyStrng tableTitle;
};

// An earlier block's network as a one-port element; the reader owns the network.
class UsrDefEinTor : public EinTor {
 public:
  UsrDefEinTor(UsrDefNet* net, const NetLine& line);
  // Copies entry (1,1) of the network's latest result.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }
  UsrDefNet* GetNet() const { return net; }

 private:
  UsrDefNet* net;
};

// An earlier block's network as a two-port element.
class UsrDefZweiTor : public ZweiTor {
 public:
  UsrDefZweiTor(UsrDefNet* net, const NetLine& line);
  // Copies the four entries of the network's latest result.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }
  UsrDefNet* GetNet() const { return net; }

 private:
  UsrDefNet* net;
};
