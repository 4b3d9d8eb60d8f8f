#include "simulator/tests/TestElements.h"

#include <vector>

#include "basics/WertMitDim.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"
#include "simulator/NetContext.h"
#include "simulator/NetElement.h"
#include "simulator/SymbolTable.h"

namespace {

struct ModelSpec {
  const char* type;
  std::vector<const char*> keys;  // "" reads a bare value
  bool linear = true;
  bool continuation = false;
};

template <class Base>
class TestElement : public Base, public TestModel {
 public:
  TestElement(const NetLine& line, const ModelSpec& spec) : Base(line), spec(spec) {
    this->typeName = spec.type;
    this->linear = spec.linear;
  }

  void LinkReferences(NetLine& check) override {
    Base::LinkReferences(check);
    for (const char* key : spec.keys) {
      if (check.GetErrorCode() != 0) return;
      if (*key != '\0') ExpectLabel(check, key);
    }
  }

  void ParseLine(const SymbolTable& labels) override {
    Base::ParseLine(labels);
    for (const char* key : spec.keys) {
      NetLine& line = this->line;
      if (line.GetErrorCode() != 0) return;
      if (*key != '\0' && !ExpectLabel(line, key)) return;
      MyStrng value;
      line.GetNextValue(value, labels);
      values.push_back(value);
      line = line.RemoveNextToken();
    }
  }

  bool HasContinuation() const override { return spec.continuation; }
  void AddContinuation(const NetLine& continuation) override { values.push_back(continuation); }
  void FillMatrix(float frequency) override {
    ++fills;
    lastFrequency = frequency;
  }
  bool SkipsFillMatrix() const override { return false; }

 private:
  ModelSpec spec;
};

// Names its table after the node list; the table must exist and be a one-port table.
class TestOnePortData : public TestElement<EinTor> {
 public:
  explicit TestOnePortData(const NetLine& line) : TestElement(line, {"TestOne", {}}) {}
  void LinkReferences(NetLine& check) override {
    TestElement::LinkReferences(check);
    if (check.GetErrorCode() != 0) return;
    if (NetContext::FindSymbolValue(check.GetNextToken()) == SymbolTable::kNotFound) {
      Error("Daten für Eintor nicht vorhanden", 4);
    }
  }
  void ParseLine(const SymbolTable& labels) override {
    TestElement::ParseLine(labels);
    const auto* table =
        dynamic_cast<TestDataObject*>(NetContext::FindDataObject(line.GetNextToken()));
    if (table == nullptr || table->kind != "OnePortTable") {
      Error("Datenpointer für Eintor nicht vorhanden", 4);
      return;
    }
    values.push_back(table->GetName());
  }
};

// Binds the substrate its last word names.
class TestMicrostrip : public TestElement<DreiPol> {
 public:
  explicit TestMicrostrip(const NetLine& line)
      : TestElement(line, {"TestMicrostrip", {"W"}}),
        substrateName(GetTrailingName(line)) {}
  void ParseLine(const SymbolTable& labels) override {
    TestElement::ParseLine(labels);
    const auto* substrate =
        dynamic_cast<TestDataObject*>(NetContext::FindDataObject(substrateName));
    if (substrate == nullptr || substrate->kind != "Substrate") {
      Error("Substrat nicht vorhanden", 4);
      return;
    }
    values.push_back(substrate->GetName());
  }

 private:
  MyStrng substrateName;
};

template <class Base>
NetElement* Make(const NetLine& line, const ModelSpec& spec) {
  return new TestElement<Base>(line, spec);
}

template <const char* kind>
NetDataElm* MakeObject(const MyStrng& name, const NetLine& line) {
  return new TestDataObject(kind, name, line);
}

constexpr char kSubstrate[] = "Substrate";
constexpr char kOnePortTable[] = "OnePortTable";
constexpr char kTwoPortTable[] = "TwoPortTable";

}  // namespace

void TestDataObject::LinkReferences(NetLine& check) {
  if (kind == kSubstrate) {
    for (const char* key : {"H", "ER", "MET1", "TAND"}) {
      if (check.GetErrorCode() != 0) return;
      ExpectLabel(check, key);
    }
    return;
  }
  // A table row: a frequency and at least two numbers.
  FreqWert frequency(check.GetNextToken());
  if (!frequency.CheckSyntax() || CountTokens(check) < 3) {
    check.Error("Syntaxfehler in Datentabelle", 4);
  }
}

void TestDataObject::ParseLine(const SymbolTable& labels) {
  if (kind != kSubstrate) return;
  ExpectLabel(line, "H");
  line.GetNextValue(height, labels);
}

void AddMissingKeywords(ElementRegistry& to, const ElementRegistry& from) {
  for (const MyStrng& word : from.Keywords()) {
    if (to.Knows(word)) continue;
    const NetElementFactory plain = from.Find(word, false);
    const NetElementFactory onData = from.Find(word, true);
    if (plain != nullptr) to.Register(word.GetBuffer(), plain);
    if (onData != plain) to.RegisterDataVariant(word.GetBuffer(), onData);
  }
}

void RegisterTestElements(ElementRegistry& registry) {
  ElementRegistry standIns;
  standIns.Register("RES", [](const NetLine& l) { return Make<EinTor>(l, {"TestRes", {"R"}}); });
  standIns.Register("CAP", [](const NetLine& l) { return Make<EinTor>(l, {"TestCap", {""}}); });
  standIns.Register("TWO", [](const NetLine& l) { return Make<ZweiTor>(l, {"TestTwo", {}}); });
  standIns.Register("BIP", [](const NetLine& l) {
    return Make<DreiPol>(l, {"TestBip", {}, true, true});
  });
  standIns.Register("TEE", [](const NetLine& l) { return Make<VierPunkt>(l, {"TestTee", {}}); });
  standIns.Register("CPL", [](const NetLine& l) { return Make<FuenfPol>(l, {"TestCpl", {}}); });
  standIns.Register("SYUE", [](const NetLine& l) { return Make<DreiTor>(l, {"TestSyue", {}}); });
  standIns.Register("HLD", [](const NetLine& l) {
    return Make<EinTor>(l, {"TestDiode", {}, false});
  });
  standIns.Register("ONE", [](const NetLine& l) -> NetElement* { return new TestOnePortData(l); });
  standIns.Register("TRL", [](const NetLine& l) { return Make<ZweiTor>(l, {"TestLine", {"Z"}}); });
  standIns.RegisterDataVariant(
      "TRL", [](const NetLine& l) -> NetElement* { return new TestMicrostrip(l); });
  // A keyword whose library makes nothing here.
  standIns.Register("SLTL", [](const NetLine&) -> NetElement* { return nullptr; });
  AddMissingKeywords(registry, standIns);
}

void RegisterTestDataObjects(DataObjectRegistry& registry) {
  if (registry.Find("MS") == nullptr) registry.Register("MS", MakeObject<kSubstrate>);
  if (registry.Find("S") == nullptr) {
    registry.RegisterTable("S", MakeObject<kOnePortTable>, MakeObject<kTwoPortTable>);
  }
}
