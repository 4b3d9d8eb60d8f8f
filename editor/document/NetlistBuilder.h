#pragma once
// Node numbering of a drawn circuit and the netlist text that the built-in simulator reads.
// The numbers come from the pins' grid positions: ground and the external nodes first, then
// one number per group of touching wires, then every pin still without one. The SPICE writer
// numbers with the same steps.

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "basics/Point.h"

class CVostraneDoc;
class InstrumentRole;
class NetSymbol;

class NetlistBuilder {
 public:
  explicit NetlistBuilder(CVostraneDoc& doc);

  // Node numbers into every symbol's pins. False, reported, when an external node carries a
  // number below 1: such a circuit has no reference the user chose.
  bool NumberNodes();
  // The whole netlist into the document's lines. False for an empty circuit and when the
  // numbering fails; a circuit with more than two external nodes is reported but written.
  bool Build();
  // The number of the outermost netlist build going on, which the builds of sub-circuits
  // within it share; 0 while none is. What one netlist reads once is kept under it.
  static uint64_t OutermostBuild();
  // The pairs of numbers that the drawing joins although each keeps its own (external nodes,
  // ground), lower first; known after NumberNodes.
  const std::vector<std::pair<int32_t, int32_t>>& Links() const { return links; }

 private:
  void Enter(int32_t node, const Point& position);
  // Two numbers the drawing joins although each must stay (external nodes, ground): the
  // netlist gets a 0 ohm link between them.
  void Link(int32_t a, int32_t b);
  int32_t Lookup(const Point& position) const;
  void ChooseReference();
  void NumberExternalNodes();
  void NumberWireGroups();
  void CollectWireGroup(int32_t start, std::vector<char>& grouped,
                        const std::unordered_map<uint64_t, std::vector<int32_t>>& wiresAt);
  void NumberRemainingPins();
  void AssignPinNodes();
  // The name of the circuit's own network: the sub-circuit's name when it stands for one.
  MyStrng OwnNetworkName() const;
  void WritePortLine();
  void Emit();
  // The instrument whose header defines the network: the running one; with none running and
  // no ports (external node 1, input port), the analyser, else the first active master that
  // writes a header; null when the ports define it.
  const InstrumentRole* ChooseDefinition() const;
  void EmitLinks();
  // The entries of the circuit's own DATA block: its substrates' lines and data tables.
  LineFile OwnDataEntries() const;

  CVostraneDoc& doc;
  std::vector<NetSymbol*> symbols;
  std::vector<char> marked;
  // The first node entered at each position: the document's table answers the same, but
  // only by walking it.
  std::unordered_map<uint64_t, int32_t> firstNode;
  std::vector<std::pair<int32_t, int32_t>> links;
  NetSymbol* portLineOwner = nullptr;
  const InstrumentRole* definition = nullptr;
  // Whether this is the outermost build, which writes the sub-networks of every level.
  bool outermost = false;
  // The DATA entries of the sub-networks: the reader takes the first DATA block only, so they
  // join this netlist's block.
  LineFile subNetworkData;
};

// Whether the symbol's line is one of the netlist's element lines (not a wire, ground, port,
// substrate or other symbol that the netlist carries elsewhere or not at all).
bool WritesElementLine(const NetSymbol& s);

// The file name of a generated file: the title up to its first '.', then the extension.
MyStrng GeneratedFileName(const CVostraneDoc& doc, const char* extension);

// Why the export command is not available for the circuit (the text the user sees), or an
// empty text when it is: not empty, no open pin, and external nodes, a single one only with
// a ground symbol.
MyStrng ExportRefusal(CVostraneDoc& doc);
