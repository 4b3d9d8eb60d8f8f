#pragma once
// The sub-circuit: another circuit file (".vqe") or a netlist text (".net", ".txt") placed as
// one element. Its netlist line calls the sub-network by name; the sub-network's own lines go
// before the outermost circuit's block (SubNetworks), regenerated from a circuit file for every
// netlist.

#include <string>

#include "basics/LineFile.h"
#include "editor/document/SubNetworks.h"
#include "editor/symbols/MultiPolSymbol.h"

class CVostraneDoc;

class UserNetSymbol : public MultiPolSymbol {
  PF_DECLARE_RUNTIME(UserNetSymbol)

 public:
  static constexpr const char* kClassKey = "UserNetSymbol";
  static constexpr const char* kFileFilter =
      "Vostrane Files (*.vqe)|*.vqe|Net Files (*.net)|*.net|Text Files (*.txt)|*.txt|";

  UserNetSymbol();
  UserNetSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // A new symbol asks for its source; a circuit file's symbol opens that circuit in the
  // editor, a netlist text's symbol shows its lines. True only when a source was taken.
  bool EditDialog(pf::Window* parent) override;
  void ClearExtraLines() override;
  // The sub-network's name (a circuit file's in the netlist form of its port line) and every
  // pin's node, ground included. A circuit file's lines are regenerated here, so a failure is
  // reported with the netlist. A symbol without a source (from a damaged or foreign file), whose
  // source no longer has its pins (a circuit file changed, gone or damaged since it was
  // chosen), or whose file gives a network name that another file of the netlist gives, writes
  // no line and reports.
  void WriteNetLine() override;
  // Writes nothing: a sub-circuit has no SPICE form; one without a source, or whose source no
  // longer fits, says that first.
  int WriteSpiceLines(LineFile& lines, int flag) override;
  bool IsSubCircuit() const override { return true; }
  bool LacksSpiceForm() const override { return HasSource(); }

  // Takes the file as source. ownerPath: the file of the circuit the symbol is placed in, which
  // the source must not use. False, reported, when the file cannot be used; the symbol then
  // keeps what it had.
  bool TakeSource(const std::string& path, const std::string& title,
                  const std::string& ownerPath);
  // The pin count from the "NAME: nPOR ..." line of the name (whole and case-sensitive) among
  // the lines; false without such a line or with a port count outside 1..5 (reported).
  bool FindDefinitionLine(const MyStrng& name);

  // A circuit file or a netlist text, and the sub-network's name.
  bool HasSource() const;
  // How many times a circuit file was read for a netlist's lines, since start: a netlist
  // reads each file once, however many instances and levels use it.
  static int CircuitReads();

  char sourceKind = 'X';  // 'X' none yet, 'F' circuit file, 'N' netlist text
  MyStrng subName;
  LineFile subLines;
  MyStrng path;

 private:
  void Init();
  // The circuit file's netlist into the lines (read and built once per netlist) as the network
  // of the name, which becomes the name the netlist knows the file by; false, reported, when it
  // cannot be built, does not fit, uses itself or clashes with another file.
  bool RegenerateLines(MyStrng& network);
  // The netlist text as the network of the name, likewise.
  bool EnterText(MyStrng& network) const;
  // The file into the netlist being built as the network of the name (SubNetworks::Enter); a
  // file that a circuit holding it is, is reported as one that uses itself.
  SubNetworks::Entry EnterNetwork(MyStrng& network) const;
  void ReportNoSource() const;
  // "Teilschaltung NAME (PATH)" and the reason.
  void ReportUnfit(const MyStrng& reason) const;
  // Whether a source of that many ports fits the pins; reported when not.
  bool Fits(int ports) const;
  // The n of the lines' "NAME: nPOR" line; 0 for another keyword, -1 without the line.
  int DefinitionPorts(const MyStrng& name) const;
  bool DefinitionFits() const;
  // The circuit file into doc, holding one external node per pin; false, reported, when not.
  bool OpenSource(CVostraneDoc& doc) const;
  bool TakeCircuitFile(const MyStrng& title, const std::string& ownerPath);
};
