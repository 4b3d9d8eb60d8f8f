#pragma once
// The network elements that netlist lines create: n-ports with a complex port admittance matrix,
// built from their line in two passes (a check pass on a copy, then a read pass on their own
// copy) and asked by the network at every frequency to fill their matrix.
//
// Calling order, as the network builder uses it: construct from the line; if HasContinuation,
// hand every following "+" line to AddContinuation; LinkReferences on a copy of the line; when
// neither the copy nor the element reports an error, ParseLine with the label table; when the
// element's line and the element are still free of errors, the element joins its network.
// Then, per frequency, FillMatrix unless SkipsFillMatrix.

#include "basics/Cmplx.h"
#include "basics/MyStrng.h"
#include "basics/VS_Error.h"
#include "simulator/NetElmBasis.h"
#include "simulator/NetLine.h"

class PortMatrix;
class SymbolTable;

// One port ("branch") of an element or a network: between node+ and node-, ground is 0.
class Zweig : public VS_Error {
 public:
  Zweig() = default;
  Zweig(int plus, int minus) : nodePlus(plus), nodeMinus(minus) {}

  // False, and "Identische Knoten in einem Zweig" on the port, when both nodes are equal.
  bool Check();
  bool SameNodes(const Zweig& other) const {
    return nodePlus == other.nodePlus && nodeMinus == other.nodeMinus;
  }
  bool IsGroundOnly() const { return nodePlus == 0 && nodeMinus == 0; }

  int nodePlus = 0;
  int nodeMinus = 0;
};

class NetElement : public NetElmBasis {
 public:
  static constexpr int kMaxPorts = 4;

  ~NetElement() override;

  // Read pass on the element's own line: keyword and node list off the front, ports assigned,
  // then checked. Models read their values from the front of the line after calling it.
  // Shorted ports (IsShortedPort) pass its checks.
  virtual void ParseLine(const SymbolTable& labels);
  // Check pass on a copy of the line: keyword off, node list checked and taken off, so that a
  // model's own check (after calling this one) starts at the values.
  virtual void LinkReferences(NetLine& check);
  virtual MyStrng GetName() const { return name; }
  virtual void AddContinuation(const NetLine& continuation);
  virtual bool HasContinuation() const { return false; }
  // frequency in Hz.
  virtual void FillMatrix(float frequency) = 0;
  virtual bool SkipsFillMatrix() const = 0;
  // Measuring elements (multimeter, spectrum analyser) take the voltage across their port
  // after every point of a one-port network; the network hands it to no other element.
  virtual bool IsMeter() const { return false; }
  virtual void TakeReading(const Cmplx& /*portVoltage*/) {}

  // A copy of port i; outside 0..port count - 1 a port with both nodes 0.
  Zweig GetPort(int i) const;
  // Port i has both nodes on ground in an element of more than one port, as the symbols write
  // a grounded third pin ("OPA 1 0 2", "SYUE 1 2 0"). Such a port adds nothing to a network.
  bool IsShortedPort(int i) const { return portCount > 1 && GetPort(i).IsGroundOnly(); }
  // Node number i as read; 0 at and beyond the node count.
  int GetNode(int i) const;
  int GetPortCount() const { return portCount; }
  int GetNodeCount() const { return nodeCount; }
  bool IsLinear() const { return linear; }
  const MyStrng& GetTypeName() const { return typeName; }
  const NetLine& GetLine() const { return line; }
  // The element's n x n admittance matrix; null until a port base or the network allocates it.
  PortMatrix* GetPortMatrix() const { return portMatrix; }
  // The complex value the models keep for themselves (a meter's reading).
  Cmplx GetValue() const { return value; }
  void SetValue(const Cmplx& v) { value = v; }

 protected:
  NetElement();
  NetElement(const NetLine& line, int portCount);

  // A new n x n admittance matrix (kind 'Y', zeros) replacing any held one.
  void AllocatePortMatrix();
  // Ports from node numbers: count == n gives (k, 0), count == 2n gives pairs; any other
  // count leaves every port at (0, 0). Writes portCount ports.
  static void AssignPorts(const int* numbers, int count, int portCount, Zweig* out);
  // The ports the node list of a check copy (keyword already removed) gives.
  static void PortsOfNodeList(const MyStrng& nodeList, int portCount, Zweig* out);
  // The base check, then whether the ports that the node list gives share one reference node
  // (with groundOnly: the ground). True as well when the base check has reported.
  bool LinkWithReference(NetLine& check, bool groundOnly);

  MyStrng name;
  MyStrng typeName = "NetElement";
  Cmplx value;
  NetLine line;
  int portCount = 0;
  int nodeCount = 0;
  bool linear = true;
  PortMatrix* portMatrix = nullptr;
  Zweig ports[kMaxPorts];
  int nodes[2 * kMaxPorts] = {};
};

// Port-count bases: each constructs the ports and an n x n 'Y' port matrix.
class EinTor : public NetElement {
 public:
  explicit EinTor(const NetLine& line);
};

class ZweiTor : public NetElement {
 public:
  explicit ZweiTor(const NetLine& line);
};

class DreiTor : public NetElement {
 public:
  DreiTor();
  explicit DreiTor(const NetLine& line);
};

class VierTor : public NetElement {
 public:
  explicit VierTor(const NetLine& line);
};

// Two ports with one common reference node (three terminals).
class DreiPol : public ZweiTor {
 public:
  using ZweiTor::ZweiTor;
  // "Dreipole haben gleichen Bezugspunkt" on the element when the references differ.
  void LinkReferences(NetLine& check) override;
};

// Three ports with one common reference node; the network stamps them only with that node at
// ground, so any other reference is refused.
class VierPunkt : public DreiTor {
 public:
  using DreiTor::DreiTor;
  // "Vierpole haben gleichen Bezugspunkt" on the element.
  void LinkReferences(NetLine& check) override;
};

// Four ports with one common reference node, which must be ground as for VierPunkt.
class FuenfPol : public VierTor {
 public:
  using VierTor::VierTor;
  // "Fünfpole haben gleichen Bezugspunkt" on the element.
  void LinkReferences(NetLine& check) override;
};
