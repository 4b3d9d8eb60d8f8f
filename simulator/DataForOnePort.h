#pragma once
// The data tables of a netlist's DATA block: reflection (one-port) or scattering (two-port)
// parameters over frequency. A row is a frequency with unit and magnitude/angle pairs, angles in
// degrees (one pair, or S11, S21, S12, S22). Rows are kept as admittances in text order, which must
// not fall in frequency, and interpolated linearly between them.
//
// The reader creates a table through Create, checks each row with LinkReferences on the row line
// and adds it with AddDataLine; a table whose row or table code is set is dropped.

#include <vector>

#include "basics/Cmplx.h"
#include "simulator/NetDataElm.h"

// n admittances per row, row by row: 1 for a one-port, 4 (Y11, Y12, Y21, Y22) for a two-port.
template <int n>
class DataTable : public NetDataElm {
 public:
  static constexpr float kDefaultConductance = 0.02f;  // a 50 ohm reference

  // Tables are read row by row, not from their entry line.
  void ParseLine(const SymbolTable&) override {}
  // The row check: "Syntaxfehler in Datentabelle" on the row unless it is a valid frequency and 2n
  // real numbers; a row of another count is named first.
  void LinkReferences(NetLine& row) override;
  // A row whose frequency lies below the previous row's is refused with "Frequenzwerte in Tabelle
  // fehlerhaft" on the table.
  void AddDataLine(const MyStrng& row) override;
  // The admittances at frequency (Hz). Equal frequencies around it report "Frequenzwerte in Tabelle
  // fehlerhaft" and keep the previous values; outside the rows the nearest row counts.
  void ComputeAt(float frequency);

  // Admittance k (0-based, row by row) at the last frequency asked for; 0 outside.
  Cmplx GetAdmittance(int k) const;

 protected:
  // reportsRange: a frequency outside the rows is reported on the table.
  DataTable(const MyStrng& name, const NetLine& line, float conductance, bool reportsRange);
  // The parameter pairs of one row, as complex values in row order, to admittances.
  virtual void ToAdmittances(const Cmplx (&s)[n], Cmplx (&y)[n]) const = 0;

  const float referenceConductance;

 private:
  struct Row {
    float frequency = 0.0f;  // Hz
    Cmplx y[n];
  };

  const bool reportsRange;
  Cmplx current[n];
  std::vector<Row> rows;
};

extern template class DataTable<1>;
extern template class DataTable<4>;

class DataForOnePort : public DataTable<1> {
 public:
  // conductance: the reference conductance of the table's data, in siemens.
  DataForOnePort(const MyStrng& name, const NetLine& line, float conductance = kDefaultConductance);
  // The reader's factory: the table with the reference resistance of its data file; one that is
  // stated but no number above 0 sets the table's code, so the table is dropped.
  static NetDataElm* Create(const MyStrng& name, const NetLine& line);

 protected:
  void ToAdmittances(const Cmplx (&s)[1], Cmplx (&y)[1]) const override;
};

class DataForTwoPort : public DataTable<4> {
 public:
  DataForTwoPort(const MyStrng& name, const NetLine& line, float conductance = kDefaultConductance);
  static NetDataElm* Create(const MyStrng& name, const NetLine& line);

 protected:
  // s in the order S11, S21, S12, S22.
  void ToAdmittances(const Cmplx (&s)[4], Cmplx (&y)[4]) const override;
};

// The reference resistance that an option line states behind its first "R" ("GHz S MA R 75",
// the line behind its '#'), in the form of the value fields. Data files and the tables of a
// netlist read it alike, so a reference that one refuses the other refuses too.
struct OptionReference {
  bool stated = false;  // the line has an "R"
  MyStrng text;         // the word behind it, as written
  double ohms = 0.0;    // above 0 only when the word is a number above 0

  bool Refused() const { return stated && !(ohms > 0.0); }
};
OptionReference ReadOptionReference(const MyStrng& optionLine);

// The option line's reference of the table of that name in the first DATA block of lines: its
// first '#' line among the table's lines; none stated without such a line.
OptionReference TableReference(const std::vector<MyStrng>& lines, const MyStrng& name);

// The report of a row whose count of values (the numbers behind its frequency) is not its
// table's: "Datenzeile hat 3 statt 8 Werte: ROW".
MyStrng RowValuesMessage(const MyStrng& row, int values, const MyStrng& wanted);
