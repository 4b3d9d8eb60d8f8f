#pragma once
// Stand-in element models and data objects for reader tests and the reader's fuzz target: one
// model per port base, each taking its values in a fixed order like the real models.
//
//   RES  one-port, key R           CAP  one-port, one bare value    TWO  two-port
//   BIP  DreiPol, takes "+" lines  TEE  VierPunkt                   CPL  FuenfPol
//   SYUE three-port                HLD  one-port, not linear        ONE  one-port naming a table
//   TRL  two-port line; on a DATA entry a DreiPol microstrip that binds its substrate
//   DATA: "MS" substrate (keys H, ER, MET1, TAND), "S" tables of narrow or wide rows

#include <vector>

#include "basics/MyStrng.h"
#include "simulator/NetDataElm.h"

class DataObjectRegistry;
class ElementRegistry;

// The stand-ins take only the keywords the registry lacks: a test that wants some real models
// registers them first (a second registration of a keyword ends the program).
void RegisterTestElements(ElementRegistry& registry);
void RegisterTestDataObjects(DataObjectRegistry& registry);
// Registers from's keywords, with their data variants, that to lacks.
void AddMissingKeywords(ElementRegistry& to, const ElementRegistry& from);

// What a stand-in element read.
class TestModel {
 public:
  virtual ~TestModel() = default;
  std::vector<MyStrng> values;  // value texts, then continuation lines
  int fills = 0;                // FillMatrix calls
  float lastFrequency = 0.0f;
};

// "Substrate", "OnePortTable" or "TwoPortTable".
class TestDataObject : public NetDataElm {
 public:
  TestDataObject(const char* kind, const MyStrng& name, const NetLine& line)
      : NetDataElm(name, line), kind(kind) {}
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void AddDataLine(const MyStrng& row) override { rows.push_back(row); }

  MyStrng kind;
  std::vector<MyStrng> rows;
  MyStrng height;  // substrates: the H value as read
};
