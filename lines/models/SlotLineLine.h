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

  explicit SlotLineElement(const NetLine& netLine)
      : TemModelElement<Base, SlotLineModell>(netLine, kOutOfRange) {}

  void LinkReferences(NetLine& check) override {
    Base::LinkReferences(check);
    check.RemoveNextToken();
    TemModelElementIO::CheckValuesAndSubstrate(check, {"W", "P"});
  }

  void ParseLine(const SymbolTable& labels) override {
    Base::ParseLine(labels);
    this->model.SetModelLetter(this->line.GetNextToken() == "Cohn" ? 'C' : 'A');
    double value = 0.0;
    if (this->ReadLength(labels, value)) this->model.SetSlotWidth(value);
    if (this->ReadLength(labels, value)) this->model.length = value;
    this->ReadEndAndSubstrate();
  }
};

class SlotLineLine : public SlotLineElement<DreiPol> {
 public:
  using SlotLineElement::SlotLineElement;
  static NetElement* Create(const NetLine& line) { return new SlotLineLine(line); }
};

class SlotLineStub : public SlotLineElement<EinTor> {
 public:
  using SlotLineElement::SlotLineElement;
  static NetElement* Create(const NetLine& line) { return new SlotLineStub(line); }
};
