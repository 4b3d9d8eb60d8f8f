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

  CCoplanarLineElement(const NetLine& netLine, const char* type)
      : TemModelElement<Base, CCoplanarLineModell>(netLine, type, kNoCrossSection) {}

  void LinkReferences(NetLine& check) override {
    Base::LinkReferences(check);
    TemModelElementIO::CheckValuesAndSubstrate(check, {"W", "S", "P"});
  }

  void ParseLine(const SymbolTable& labels) override {
    Base::ParseLine(labels);
    constexpr auto kNotNegative = LineValueReader::Rule::NotNegative;
    LineValueReader values(this->line, labels);
    double w = this->model.GetStripWidth();
    double s = this->model.GetGap();
    values.Read<LaeWert>("W", kNotNegative, w);
    values.Read<LaeWert>("S", kNotNegative, s);
    values.Read<LaeWert>("P", kNotNegative, this->model.length);
    this->model.SetStripWidth(w);
    this->model.SetGap(s);
    this->ReadEndAndSubstrate(values);
  }
};

class CCoplanarLineLine : public CCoplanarLineElement<DreiPol> {
 public:
  explicit CCoplanarLineLine(const NetLine& line)
      : CCoplanarLineElement(line, "CCoplanarLineLine") {}
  static NetElement* Create(const NetLine& line) { return new CCoplanarLineLine(line); }
};

class CCoplanarLineStub : public CCoplanarLineElement<EinTor> {
 public:
  explicit CCoplanarLineStub(const NetLine& line)
      : CCoplanarLineElement(line, "CCoplanarLineStub") {}
  static NetElement* Create(const NetLine& line) { return new CCoplanarLineStub(line); }
};
