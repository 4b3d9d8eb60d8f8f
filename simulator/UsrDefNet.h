#pragma once
// The linear network of one "BLK" block, and the elements that use an earlier block's network
// as a one-port or two-port inside a later block.
//
// The reader builds one UsrDefNet per block from its frame: constructor (frame, sweep), then
// SetUp; when a run starts AllocateResults, then FillMatrix at every point, nets in block
// order. This class holds what the reader needs (name, ports, nodes, elements and their
// ownership); the nodal solver fills in SetUp, AllocateResults and the stamping, reduction and
// results of FillMatrix.

#include "basics/MyStrng.h"
#include "simulator/NetElement.h"
#include "simulator/UsrNetBasis.h"

class SweepFreq;

class UsrDefNet : public NetElement {
 public:
  // Takes over the frame's name, ports, definition, node list and element pointers; the
  // caller clears the frame's ownership: the net owns the elements from now on.
  UsrDefNet(const UsrNetBasis& frame, SweepFreq* sweep);
  ~UsrDefNet() override;

  virtual void SetUp();
  void AllocateResults();
  // One point: every element that does not skip fills its matrix, in line order.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return true; }

  // The first element whose name equals name, else null.
  NetElement* FindElement(const MyStrng& elementName) const;
  const MyStrng& GetPortDefinition() const { return portDefinition; }
  const Zweig& GetNetPort(int i) const { return netPorts[i >= 0 && i < kMaxPorts ? i : 0]; }
  const NodeList& GetNodeLabels() const { return nodeLabels; }
  const ElementList& GetElements() const { return elements; }
  int GetElementCount() const { return elements.GetCount(); }
  SweepFreq* GetSweep() const { return sweep; }

  // Set and cleared by the reader on the network analyser's request; the analyser asks for
  // results only while it is 1.
  int resultsReady = 0;

 protected:
  MyStrng portDefinition;
  Zweig netPorts[kMaxPorts];
  NodeList nodeLabels;
  ElementList elements;
  SweepFreq* sweep = nullptr;
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
