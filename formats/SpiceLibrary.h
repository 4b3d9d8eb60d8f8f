#pragma once
// A SPICE model library as the circuit carries it: text lines holding ".MODEL" cards with
// their "+" continuation lines, ".SUBCKT" blocks up to their ".ENDS" line, and any other text.
// Matching works on upper-cased copies, so keywords, names and types are case-insensitive; the
// names handed out are upper case. A card's type is the text between its name and the first
// '(' ("NPN(" is an NPN card, "NPN (" is of no type).

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

class SpiceLibrary : public LineFile {
 public:
  // The kinds of card that the name lists select; Any takes every card and sub-circuit.
  enum class Kind { Any, Bipolar, Npn, Pnp, Jfet, Njf, Pjf, Diode, OpAmp };

  // Appends one name a line, in library order.
  void GetNames(Kind kind, LineFile& names) const;
  void GetAllNames(LineFile& names) const { GetNames(Kind::Any, names); }
  void GetBipolarModelNames(LineFile& names) const { GetNames(Kind::Bipolar, names); }
  void GetNpnModelNames(LineFile& names) const { GetNames(Kind::Npn, names); }
  void GetPnpModelNames(LineFile& names) const { GetNames(Kind::Pnp, names); }
  void GetJfetModelNames(LineFile& names) const { GetNames(Kind::Jfet, names); }
  void GetNjfModelNames(LineFile& names) const { GetNames(Kind::Njf, names); }
  void GetPjfModelNames(LineFile& names) const { GetNames(Kind::Pjf, names); }
  void GetDiodeModelNames(LineFile& names) const { GetNames(Kind::Diode, names); }
  // Sub-circuits whose name begins with "OP".
  void GetOpAmpNames(LineFile& names) const { GetNames(Kind::OpAmp, names); }

  // The name is compared as given, so it must be upper case.
  bool HasModel(const MyStrng& name) const;
  bool HasSubckt(const MyStrng& name) const;
  // The first card of the name with the '+' lines right behind it, upper-cased.
  void GetModelCard(const MyStrng& name, LineFile& lines) const;
  // The first sub-circuit of the name through its ".ENDS" line, upper-cased.
  void GetSubcktBlock(const MyStrng& name, LineFile& lines) const;
  // Drops, in order, the first lines whose upper-case form matches the entry's lines one after
  // the other; an unknown name changes nothing.
  void RemoveModel(const MyStrng& name);
  void RemoveSubckt(const MyStrng& name);
  // Removes the entry, then appends the given lines at the end.
  void ReplaceModel(const MyStrng& name, const LineFile& lines);
  void ReplaceSubckt(const MyStrng& name, const LineFile& lines);

 private:
  void RemoveLines(const LineFile& entry);
};
