#pragma once
// The named objects of a netlist's DATA block (substrates, data tables). The reader creates
// them through the data-object registry, runs the check pass on a copy of the entry line and,
// without error, the read pass; a table then receives its rows through AddDataLine.
// Elements find them by name through the reader in use (ScomFile::FindDataObject) and check
// the kind of object they get (dynamic_cast to the class they need).

#include "basics/MyStrng.h"
#include "simulator/NetElmBasis.h"
#include "simulator/NetLine.h"

class SymbolTable;

class NetDataElm : public NetElmBasis {
 public:
  // line: the entry as "NAME: value"; a table is checked row by row with its row lines.
  NetDataElm(const MyStrng& name, const NetLine& line) : name(name), line(line) {}
  ~NetDataElm() override = default;

  virtual void ParseLine(const SymbolTable& labels) = 0;
  virtual void LinkReferences(NetLine& check) = 0;
  virtual MyStrng GetName() const { return name; }
  virtual void AddDataLine(const MyStrng&) {}

  const NetLine& GetLine() const { return line; }

 protected:
  MyStrng name;
  NetLine line;
};
