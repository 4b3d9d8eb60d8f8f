#pragma once
// The coplanar elements of the netlist:
//   CPLL nodes W=strip S=gap P=length SUBSTRATE              a line section (two ports with a
//                                                           common reference)
//   CPLS nodes W=strip S=gap P=length OPEN|SHORT SUBSTRATE   a stub (one port)
// Any end word other than "OPEN" gives a short-circuited end.

#include "lines/models/CCoplanarLineModell.h"
#include "lines/models/TemModelElement.h"

template <class Base>
class CCoplanarLineElement : public TemModelElement<Base, CCoplanarLineModell> {
 public:
  static constexpr const char* kNoCrossSection =
      "Koplanarleitung: Breite, Spalt und Höhe müssen größer 0 sein";

  explicit CCoplanarLineElement(const NetLine& netLine)
      : TemModelElement<Base, CCoplanarLineModell>(netLine, kNoCrossSection) {}

  void LinkReferences(NetLine& check) override {
    Base::LinkReferences(check);
    TemModelElementIO::CheckValuesAndSubstrate(check, {"W", "S", "P"});
  }

  void ParseLine(const SymbolTable& labels) override {
    Base::ParseLine(labels);
    double value = 0.0;
    if (this->ReadLength(labels, value)) this->model.SetStripWidth(value);
    if (this->ReadLength(labels, value)) this->model.SetGap(value);
    if (this->ReadLength(labels, value)) this->model.length = value;
    this->ReadEndAndSubstrate();
  }
};

class CCoplanarLineLine : public CCoplanarLineElement<DreiPol> {
 public:
  using CCoplanarLineElement::CCoplanarLineElement;
  static NetElement* Create(const NetLine& line) { return new CCoplanarLineLine(line); }
};

class CCoplanarLineStub : public CCoplanarLineElement<EinTor> {
 public:
  using CCoplanarLineElement::CCoplanarLineElement;
  static NetElement* Create(const NetLine& line) { return new CCoplanarLineStub(line); }
};
