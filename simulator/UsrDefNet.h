#pragma once
// The linear network of one "BLK" block, and the elements that use an earlier block's network
// as a one-port or two-port inside a later block.
//
// The reader builds one UsrDefNet per block from its frame: constructor (frame, sweep), then
// SetUp; when a run starts AllocateResults, then FillMatrix at every point, nets in block
// order. A point stamps every element's admittance matrix into the nodal matrix, solves the
// nodal system and reduces it to the admittances seen at the net's own one or two ports,
// which are kept per sweep point and converted on request.
//
// A one-port whose admittance is that of a zero impedance (Cmplx::kInverseOfZero) is a short:
// its conductance would swamp every other one at its nodes, so its two nodes become one row
// instead. A short between two terminals (ground, the ports' nodes) stays a conductance in the
// admittance result; a two-port's is added to the result of the network without it, which is
// kept beside the result and gives the S parameters (PortShorts).

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "simulator/NetElement.h"
#include "simulator/NodalSystem.h"
#include "simulator/PortMatrix.h"
#include "simulator/PortShorts.h"
#include "simulator/UsrNetBasis.h"

class SweepFreq;
namespace pf {
class Window;
}

class UsrDefNet : public NetElement {
 public:
  // The largest sweep whose results are kept.
  static constexpr int kMaxResults = 3000;
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
  // The result of a point as the table prints it: 'S', 'Z', 'R', 'Y' (in millimho); the
  // figures 'K', 'M' and 'V' as a one-port of the value the analyser draws (entry 21, a
  // one-port's only entry); zeros of the port count for any other kind.
  PortMatrix GetTableMatrix(char kind, int point) const;
  // Rebuilds the result table for kind; with a window the lines go to the clipboard too. A
  // row that would show an infinite or NaN value is reported and shows zeros.
  void WriteResultTable(pf::Window* window, char kind);
  // Empty until WriteResultTable.
  const LineFile& GetResultTable() const;
  void SetTableTitle(const MyStrng& title) { GetWork().tableTitle = title; }

  // The first element whose name equals name, else null.
  NetElement* FindElement(const MyStrng& elementName) const;
  // Only the voltage source named sourceName drives the net: it gets the voltage u, every
  // other voltage source 0 V (it stays its internal resistance).
  void SetSourceVoltage(const MyStrng& sourceName, const Cmplx& u);
  // The same, the named source keeping its own voltage.
  void DriveOnly(const MyStrng& sourceName);

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
  // Entry (row, col) of the nodal admittance matrix of the latest point, rows 0-based in the
  // order of the node labels; 0 where no element reaches.
  Cmplx GetNodalEntry(int row, int col) const;
  int GetResultCount() const {
    return work != nullptr ? static_cast<int>(work->results.size()) : 0;
  }
  // No results, and none stored until AllocateResults: for a net whose results nothing reads.
  void ReleaseResults();

  // Set and cleared by the reader on the network analyser's request; the analyser asks for
  // results only while it is 1.
  int resultsReady = 0;

 private:
  // How an element's ports reach the nodal matrix; rows are -1 for ground, slots -1 where
  // the entry falls on ground.
  struct Stamp {
    enum Kind { kNone, kOnePortGrounded, kOnePort, kTwoPortGrounded, kTwoPortCommon, kGrounded };
    static constexpr int kMaxEntries = kMaxPorts * kMaxPorts;
    // What every point reads comes first, a one-port's slots within the first 32 bytes.
    NetElement* element = nullptr;
    Kind kind = kNone;
    bool fills = true;  // the element computes its matrix per point (not SkipsFillMatrix)
    int slots[kMaxEntries] = {};
    int rows[kMaxPorts] = {-1, -1, -1, -1};
    int sign = 1;
    bool IsOnePort() const { return kind == kOnePort || kind == kOnePortGrounded; }
  };
  // A two-port's port row and what the reductions read and clear of it.
  struct ShortedPort {
    int row = -1;
    int diagonal = -1;
    std::vector<int> lineSlots;                // its row and column
    std::vector<int> rowSlots;                 // its row
    std::vector<std::pair<int, int>> entries;  // its row: (slot, column)
  };

  void ReadGeneratorResistances();
  // RG1 or RG2 from part ("RGn = value ..."); true when a valid value was stored.
  static bool ReadResistance(const MyStrng& part, const char* key, float& value);
  bool CheckPorts();
  Stamp PlanStamp(NetElement* element);
  // The matrix structure for the merged shorts, the stamps' slots and the vectors.
  void BuildSystem();
  // Merges the nodes of the latest point's shorts; true when other shorts are merged than
  // those the system was built for. A two-port's shorts between terminals are left out of
  // the system too, and listed.
  bool MergeShorts();
  // The terminal of a row's group: PortShorts::kGround, 1 or 2 for the ports' nodes, else -1.
  int TerminalOf(int row);
  // Keeps the reduced result as that of the network without the shorts between its terminals
  // and adds their admittances to it.
  void AddPortShorts();
  // The union-find group of row (nodeCount for ground); its root is a terminal if it has one.
  int GroupOf(int row);
  // Calls add(k, row, col, value) for the k-th entry that the element's port matrix y adds.
  template <class Add>
  static void VisitStamp(const Stamp& stamp, const PortMatrix& y, Add&& add);
  static void StampOnePort(const Stamp& stamp, const Cmplx& y11, Cmplx* values);
  void StampElement(const Stamp& stamp);
  // Stamps the element's latest matrix unless values is null; true when it is a short.
  bool Place(const Stamp& stamp, Cmplx* values);
  // The nodal matrix's values before the stamps.
  Cmplx* ClearedValues();
  // Reports the solver's failure; false unless solved.
  bool Solved(NodalSystem<Cmplx>::Status status);
  void ReduceOnePort();
  void ReduceTwoPort();
  NodalSystem<Cmplx>::Status SolveHolding(std::initializer_list<const std::vector<int>*> slotLists,
                                          std::initializer_list<int> diagonals, int which,
                                          int count);
  // Both columns of the two-port reduction from one solve with the ports held; false, with
  // the result untouched and nothing reported, when the columns must be solved one by one.
  bool ReduceHeldPorts();
  // One column of the two-port reduction: 1 A into `driven`, port `shorted` at 0 V.
  void ReduceColumn(int driven, const ShortedPort& shorted, int column);
  void UpdateMeters(bool scaleToZero);
  // "Ergebnis nicht berechenbar: NAME bei F GHz", the first time in a run.
  void ReportNotComputable(double frequency);
  Cmplx PortVoltage(const Zweig& port) const;
  int RowOf(int node) const { return node == 0 ? -1 : nodeLabels.IndexOf(node); }
  // The row that holds row's voltage and stamps, -1 for ground.
  int MergedRow(int row) const {
    return row < 0 ? -1 : work->representative[static_cast<size_t>(row)];
  }
  int ClampPoint(int point) const;
  void ReferenceResistances(float& z01, float& z02) const;
  // Of a point (clamped); from the network terminated in the reference resistances where
  // shorts join its ports.
  PortMatrix GetScattering(int point, float z01, float z02) const;

  // What computing the net and keeping its results takes: made when the net is first
  // computed or asked to keep results, so that the many networks of a netlist that no point
  // computes take no room for it.
  struct Work {
    std::vector<Stamp> stamps;          // none until the net is planned after SetUp
    std::vector<int> shorts;            // stamps that are shorts at the latest point
    std::vector<int> mergedShorts;      // those of them whose nodes the system merges
    std::vector<int> terminalShorts;    // those of a two-port's that join terminals
    PortShorts portShorts;              // the latest point's
    std::vector<int> groups;            // union-find parents of the rows and ground (last)
    std::vector<char> terminal;         // of the rows and ground: never merged with one another
    std::vector<int> representative;    // per row as the system is built
    std::vector<int> mergedDiagonals;   // slots of the merged-away rows' unit diagonals
    std::vector<Cmplx> rhs;             // injected node currents of the latest one-port solve
    std::vector<Cmplx> voltages;        // per port of a two-port: one solution after another
    Cmplx excitation{1.0, 0.0};
    std::vector<Cmplx> savedLine;       // the ports' lines that a reduction clears
    ShortedPort shortedPorts[2];
    std::vector<PortMatrix> results;
    std::vector<PortShorts> resultShorts;  // per point; empty until a point has port shorts
    LineFile resultTable;
    MyStrng tableTitle;
  };
  Work& GetWork();
  // The work, its stamps planned (and the merging state reset) at the first call after SetUp.
  Work& PlannedWork();

  MyStrng portDefinition;
  Zweig netPorts[kMaxPorts];
  NodeList nodeLabels;
  ElementList elements;
  NodalSystem<Cmplx> system;  // its values are the nodal matrix
  std::unique_ptr<Work> work;
  size_t positions = 0;  // most positions the stamps declare
  bool resultsInactive = true;
  bool notComputableReported = false;
  bool computable = false;
  bool built = false;  // BuildSystem has run since SetUp
  float rg1 = 0.0f;
  float rg2 = 0.0f;
  int rg1Given = 0;
  int rg2Given = 0;
  SweepFreq* sweep = nullptr;
};

// An earlier block's network as a one-port element; the reader owns the network.
class UsrDefEinTor final : public EinTor {
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
class UsrDefZweiTor final : public ZweiTor {
 public:
  UsrDefZweiTor(UsrDefNet* net, const NetLine& line);
  // Copies the four entries of the network's latest result.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }
  UsrDefNet* GetNet() const { return net; }

 private:
  UsrDefNet* net;
};
