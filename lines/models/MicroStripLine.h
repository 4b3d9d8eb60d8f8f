#pragma once
// Microstrip line and stubs on a substrate: "TRL 1 2 W=1.2mm P=10mm S1" (the TRL whose last
// word names a DATA entry), "OST 3 W=0.5mm P=4mm S1" (open end, lengthened by its end
// extension) and "SST 3 W=0.5mm P=4mm S1" (short-circuited end). Dielectric loss only.

#include "lines/models/LineElement.h"
#include "lines/models/SubstrateLink.h"
#include "lines/models/TEM_Line.h"
#include "simulator/NetElement.h"

// Width, length and substrate of a strip, as all three lines give them.
struct MslStrip {
  static void Check(NetLine& check);
  // W > 0 always; the length by lengthRule. False when a value or the substrate failed.
  bool Read(NetLine& line, const SymbolTable& labels, LineValueReader::Rule lengthRule);

  SubstrateLink substrate;
  float W = 0.0f;  // m
  float P = 0.0f;  // m
};

class MicroStripLine : public LineElementFrame<DreiPol, TEM_Line> {
 public:
  explicit MicroStripLine(const NetLine& line) : LineElementFrame("MicroStripLine", line) {}
  static NetElement* Create(const NetLine& line) { return new MicroStripLine(line); }

  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

 private:
  MslStrip strip;
};

// The stubs differ in their end only.
class MslStub : public LineElementFrame<EinTor, TEM_Line> {
 public:
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

 protected:
  // end: 'O' open, 'S' short-circuited.
  MslStub(const NetLine& line, const char* type, char end)
      : LineElementFrame(type, line), end(end) {}

 private:
  MslStrip strip;
  char end;
};

class OpenMslStub : public MslStub {
 public:
  explicit OpenMslStub(const NetLine& line) : MslStub(line, "OpenMslStub", 'O') {}
  static NetElement* Create(const NetLine& line) { return new OpenMslStub(line); }
};

class ShortMslStub : public MslStub {
 public:
  explicit ShortMslStub(const NetLine& line) : MslStub(line, "ShortMslStub", 'S') {}
  static NetElement* Create(const NetLine& line) { return new ShortMslStub(line); }
};
