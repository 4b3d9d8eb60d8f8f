#pragma once
// The slotline elements of the netlist:
//   SLTL nodes Approx|Cohn W=width P=length SUBSTRATE              a line section (two ports
//                                                                  with a common reference)
//   SLTS nodes Approx|Cohn W=width P=length OPEN|SHORT SUBSTRATE   a stub (one port)
// Any model word other than "Cohn" selects the closed form, any end word other than "OPEN"
// a short-circuited end.

#include "lines/models/SlotLineModell.h"
#include "lines/models/TemModelElement.h"

template <class Base>
class SlotLineElement : public TemModelElement<Base, SlotLineModell> {
 public:
  static constexpr const char* kOutOfRange = "Schlitzleitung außerhalb des Gültigkeitsbereichs";

  SlotLineElement(const NetLine& netLine, const char* type)
      : TemModelElement<Base, SlotLineModell>(netLine, type, kOutOfRange) {}

  void LinkReferences(NetLine& check) override {
    Base::LinkReferences(check);
    check.RemoveNextToken();
    TemModelElementIO::CheckValuesAndSubstrate(check, {"W", "P"});
  }

  void ParseLine(const SymbolTable& labels) override {
    Base::ParseLine(labels);
    this->model.SetModelLetter(this->line.GetNextToken() == "Cohn" ? 'C' : 'A');
    constexpr auto kNotNegative = LineValueReader::Rule::NotNegative;
    LineValueReader values(this->line, labels);
    double w = this->model.GetSlotWidth();
    values.Read<LaeWert>("W", kNotNegative, w);
    values.Read<LaeWert>("P", kNotNegative, this->model.length);
    this->model.SetSlotWidth(w);
    this->ReadEndAndSubstrate(values);
  }
};

class SlotLineLine : public SlotLineElement<DreiPol> {
 public:
  explicit SlotLineLine(const NetLine& line) : SlotLineElement(line, "SlotLineLine") {}
  static NetElement* Create(const NetLine& line) { return new SlotLineLine(line); }
};

class SlotLineStub : public SlotLineElement<EinTor> {
 public:
  explicit SlotLineStub(const NetLine& line) : SlotLineElement(line, "SlotLineStub") {}
  static NetElement* Create(const NetLine& line) { return new SlotLineStub(line); }
};
