#pragma once
// The netlist reader: reads one netlist text and turns it into the label, data and definition
// tables, the data objects of the DATA block, the frequency sweep and output request, and one
// network per "BLK" block, built element by element through the element registry.
//
// Reading sequence, as the instrument that owns the reader runs it when an analysis starts:
//   Reset; SetLines; NetContext::SetReaderInUse(&reader) (what was queued before stays);
//   CheckSyntax (failure: no run); ReadBlocks (failure or error code set: no run);
//   BuildDataObjects; BuildNets (failure or error code set: no run);
//   AllocateUsrNetResults, then ComputeAt per point or StartDcSweeps.
// Errors of single lines are reported on the line and leave its element out of the network;
// errors of the text as a whole are reported on the reader and set its error code. A network
// that lost a line is not run either: BuildNets then fails and sets the code.

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "basics/Cmplx.h"
#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "basics/VS_Error.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/NetLine.h"
#include "simulator/SymbolTable.h"

class ElementRegistry;
class NetDataElm;
class NetElement;
class NonLinearUsrNet;
class SweepFreq;
class UsrDefNet;
class UsrNetBasis;

// The reading steps of a netlist reader.
class NetWork : public VS_Error {
 public:
  ~NetWork() override = default;

  virtual bool ReadFile(const MyStrng& path) = 0;
  virtual bool CheckSyntax() = 0;
  virtual bool ReadSymbols() = 0;
  virtual bool ReadUsrNetDefinitions() = 0;
  virtual bool BuildNets() = 0;

  // The DATA entry's value text, or "NOT_FOUND".
  MyStrng FindSymbolValue(const MyStrng& name) const { return dataTable.Lookup(name); }

  const SymbolTable& GetLabels() const { return labels; }
  const SymbolTable& GetDataTable() const { return dataTable; }
  const SymbolTable& GetDefinitions() const { return definitions; }

 protected:
  std::vector<MyStrng> lines;  // tabs already turned into blanks
  SymbolTable labels;          // label lines outside blocks and their numbered rows
  SymbolTable dataTable;       // entries and rows of the DATA block
  SymbolTable definitions;     // NAME -> "1POR ..." / "2POR ..." of every "BLK" block
};

class ScomFile : public NetWork {
 public:
  static constexpr int kMaxDataObjects = 20;
  static constexpr int kMinSweepCount = 2;
  static constexpr int kMaxSweepCount = 250;

  ScomFile();
  ScomFile(const ScomFile&) = delete;
  ScomFile& operator=(const ScomFile&) = delete;
  // Resets; stops being the reader in use.
  ~ScomFile() override;

  // Networks, data objects, lines and tables gone, counts and flags cleared; the reader's own
  // error code stays (CheckSyntax clears it when the next reading starts).
  void Reset();
  void SetLines(const LineFile& text);
  bool ReadFile(const MyStrng& path) override;
  // The check of the whole text; clears the error code, sets the BLK count and FREQ/OUT flags.
  bool CheckSyntax() override;
  // DATA block, FREQ block, OUT block, labels, definitions; false when any of them failed.
  bool ReadBlocks();
  bool ReadSymbols() override;
  bool ReadUsrNetDefinitions() override;
  void BuildDataObjects();
  bool BuildNets() override;

  // Results are kept for the top-level (last) network only: no instrument reads another's.
  void AllocateUsrNetResults();
  // The DC supply named supplyName sweeps each nonlinear net that holds it; without a name,
  // each net's last supply.
  bool StartDcSweeps(const MyStrng& supplyName = MyStrng());
  // At frequency (Hz), in block order, the user networks that the top-level network is or
  // uses as elements, directly or through others; the rest is not computed.
  bool ComputeAt(float frequency);
  // Only the named voltage source of the top-level (last) network drives it: it gets the
  // voltage u, the net's other voltage sources 0 V behind their internal resistance.
  void SetSourceVoltage(const MyStrng& sourceName, const Cmplx& u);
  // The same, the named source keeping the voltage of its line.
  void DriveOnly(const MyStrng& sourceName);

  UsrDefNet* FindUsrNet(const MyStrng& name) const;
  UsrDefNet* GetUsrNet(int i) const;
  NonLinearUsrNet* GetNonLinearNet(int i) const;
  int GetUsrNetCount() const { return static_cast<int>(usrNets.size()); }
  int GetNonLinearNetCount() const { return static_cast<int>(nonLinearNets.size()); }
  // True when the line's first token is the NAME of a definition.
  bool IsUsrNetName(const MyStrng& line) const;
  // The data object of that name; empty slots are skipped.
  NetDataElm* FindDataObject(const MyStrng& name) const;
  int GetDataObjectCount() const { return dataObjectCount; }
  // The element factory: an instance of an earlier network, or the registered keyword; null
  // when nothing is made.
  NetElement* CreateElement(const NetLine& line);
  void DeleteUsrNets();
  void DeleteDataObjects();
  void EnableUsrNetFlag();
  void DisableUsrNetFlag();

  int GetBlkCount() const { return blkCount; }
  bool HasFreq() const { return freqPresent; }
  bool HasOut() const { return outPresent; }
  char GetOutKind() const { return outKind; }
  MyStrng GetOutputFormat() const { return outFormat; }
  const std::vector<MyStrng>& GetLines() const { return lines; }

  // The owner's sweep, which a FREQ block sets; not owned.
  void SetSweep(SweepFreq* s) { sweep = s; }
  SweepFreq* GetSweep() const { return sweep; }
  // Registries other than the global ones (tests); null selects the global one.
  void SetRegistries(const ElementRegistry* elementKinds, const DataObjectRegistry* dataKinds);

 private:
  bool ReadDataBlock();
  bool ReadFreqBlock();
  void ReadOutBlock();
  // Label lines and their numbered rows of lines [first, end) into table; blocks inside are
  // skipped, element lines ignored. False when a line was malformed or a name repeated.
  bool ReadEntries(int first, int end, SymbolTable& table);
  // NAME ':' value by the label rule; reports on the line. A missing value reports and gives
  // "NO_VALUE" with the result true.
  static bool ParseLabelLine(NetLine& line, MyStrng& name, MyStrng& value);
  // "1POR"/"2POR" and the node count of a definition's value; reports on the reader.
  bool CheckDefinition(const MyStrng& value);
  // The line's first token is an element keyword, registered or one that makes no element.
  bool IsElementLine(const MyStrng& line) const;
  // Index of the first block keyword line equal to keyword at or after from, or -1.
  int FindBlockLine(const char* keyword, int from) const;
  // Index of the line that ends the block opened at line open: its "END", the next block
  // keyword line when the block is unterminated (blocks never nest, and so every line is
  // scanned once), or the line count.
  int BlockEnd(int open) const;
  void FillFrame(const TabElement& definition, UsrNetBasis& frame) const;
  // The element lines of the block opened at line open into frame; false when a line was
  // refused.
  bool ReadBlockElements(int open, UsrNetBasis& frame);
  int FreeDataSlot() const;
  void AddDataObject(const DataObjectRegistry::Kind& kind, const TabElement& entry,
                     const std::vector<TabElement>& rows);
  const ElementRegistry& Elements() const;
  const DataObjectRegistry& DataKinds() const;
  // The networks that ComputeAt computes, for the networks built now.
  void PlanComputation();

  int blkCount = 0;
  int dataObjectCount = 0;
  bool freqPresent = false;
  bool outPresent = false;
  char outKind = 'S';
  MyStrng outFormat;
  std::vector<std::unique_ptr<UsrDefNet>> usrNets;
  std::unordered_map<std::string, UsrDefNet*> usrNetsByName;
  std::vector<UsrDefNet*> computedNets;
  size_t plannedNets = 0;  // the count of networks that computedNets was planned for
  std::vector<std::unique_ptr<NonLinearUsrNet>> nonLinearNets;
  std::array<std::unique_ptr<NetDataElm>, kMaxDataObjects> dataObjects;
  std::vector<int> definitionBlocks;  // the "BLK" line of each definition
  SweepFreq* sweep = nullptr;
  const ElementRegistry* elementRegistry = nullptr;
  const DataObjectRegistry* dataRegistry = nullptr;
};
