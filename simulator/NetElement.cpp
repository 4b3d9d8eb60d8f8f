#include "simulator/NetElement.h"

#include <algorithm>

#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"

bool Zweig::Check() {
  if (nodePlus != nodeMinus) return true;
  Error("Identische Knoten in einem Zweig", 4);
  return false;
}

NetElement::NetElement() = default;

NetElement::NetElement(const NetLine& elementLine, int ports)
    : name(elementLine.GetNextToken()),
      line(elementLine),
      portCount(std::clamp(ports, 0, kMaxPorts)) {}

NetElement::~NetElement() { delete portMatrix; }

void NetElement::AllocatePortMatrix() {
  delete portMatrix;
  portMatrix = new PortMatrix(portCount);
}

void NetElement::AssignPorts(const int* numbers, int count, int n, Zweig* out) {
  for (int k = 0; k < n; ++k) {
    if (count == n) {
      out[k] = Zweig(numbers[k], 0);
    } else if (count == 2 * n) {
      out[k] = Zweig(numbers[2 * k], numbers[2 * k + 1]);
    } else {
      out[k] = Zweig();
    }
  }
}

void NetElement::PortsOfNodeList(const MyStrng& nodeList, int n, Zweig* out) {
  int numbers[2 * kMaxPorts] = {};
  ReadNodes(nodeList, numbers, 2 * kMaxPorts);
  AssignPorts(numbers, CountTokens(nodeList), n, out);
}

void NetElement::LinkReferences(NetLine& check) {
  check = check.RemoveNextToken();
  const MyStrng nodeList = GetNodeList(check);
  if (CheckNodeList(nodeList, portCount) != 0) check.Error(MyStrng(check) + " SYN_ERR Knoten ", 4);
  check.DeleteLeft(nodeList.GetLength());
  check.TrimLeft();
}

void NetElement::ParseLine(const SymbolTable&) {
  line = line.RemoveNextToken();
  const MyStrng nodeList = GetNodeList(line);
  line.DeleteLeft(nodeList.GetLength());
  line.TrimLeft();

  nodeCount = ReadNodes(nodeList, nodes, 2 * kMaxPorts);
  AssignPorts(nodes, CountTokens(nodeList), portCount, ports);

  // A faulty port or a repeated port leaves the element out of its network; shorted ports
  // are neither, however many there are.
  for (int k = 0; k < portCount; ++k) {
    if (!IsShortedPort(k) && !ports[k].Check()) code = 4;
  }
  for (int i = 0; i < portCount; ++i) {
    for (int j = i + 1; j < portCount; ++j) {
      if (!IsShortedPort(i) && ports[i].SameNodes(ports[j])) {
        Error(MyStrng("Tore") + MyStrng(i) + " und " + MyStrng(j) + " identisch", 4);
      }
    }
  }
}

void NetElement::AddContinuation(const NetLine&) {}

Zweig NetElement::GetPort(int i) const { return (i >= 0 && i < portCount) ? ports[i] : Zweig(); }

int NetElement::GetNode(int i) const { return (i >= 0 && i < nodeCount) ? nodes[i] : 0; }

EinTor::EinTor(const NetLine& line) : NetElement(line, 1) { AllocatePortMatrix(); }

ZweiTor::ZweiTor(const NetLine& line) : NetElement(line, 2) { AllocatePortMatrix(); }

DreiTor::DreiTor() {
  portCount = 3;
  AllocatePortMatrix();
}

DreiTor::DreiTor(const NetLine& line) : NetElement(line, 3) { AllocatePortMatrix(); }

VierTor::VierTor(const NetLine& line) : NetElement(line, 4) { AllocatePortMatrix(); }

bool NetElement::LinkWithReference(NetLine& check, bool groundOnly) {
  MyStrng rest(check);
  rest = rest.RemoveNextToken();
  const MyStrng nodeList = GetNodeList(rest);
  NetElement::LinkReferences(check);
  if (check.GetErrorCode() != 0) return true;

  Zweig shared[kMaxPorts];
  PortsOfNodeList(nodeList, portCount, shared);
  const int reference = shared[portCount - 1].nodeMinus;
  for (int k = 0; k < portCount - 1; ++k) {
    if (shared[k].nodeMinus != reference) return false;
  }
  return !groundOnly || reference == 0;
}

void DreiPol::LinkReferences(NetLine& check) {
  if (!LinkWithReference(check, false)) Error("Dreipole haben gleichen Bezugspunkt", 4);
}

void VierPunkt::LinkReferences(NetLine& check) {
  if (!LinkWithReference(check, true)) Error("Vierpole haben gleichen Bezugspunkt", 4);
}

void FuenfPol::LinkReferences(NetLine& check) {
  if (!LinkWithReference(check, true)) Error("Fünfpole haben gleichen Bezugspunkt", 4);
}
