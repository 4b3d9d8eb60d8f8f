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

class MicroStripLine : public DreiPol, public TEM_Line {
 public:
  explicit MicroStripLine(const NetLine& line);
  static NetElement* Create(const NetLine& line);

  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 private:
  MslStrip strip;
};

// The stubs differ in their end only.
class MslStub : public EinTor, public TEM_Line {
 public:
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 protected:
  // end: 'O' open, 'S' short-circuited.
  MslStub(const NetLine& line, char end);

 private:
  MslStrip strip;
  char end;
};

class OpenMslStub : public MslStub {
 public:
  explicit OpenMslStub(const NetLine& line);
  static NetElement* Create(const NetLine& line);
};

class ShortMslStub : public MslStub {
 public:
  explicit ShortMslStub(const NetLine& line);
  static NetElement* Create(const NetLine& line);
};
