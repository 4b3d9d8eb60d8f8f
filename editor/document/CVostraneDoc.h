#pragma once
// The document of one circuit: its symbols in drawing order, the circuit file (".vqe"), the
// factory of symbols by class key, unique element names, the default frequency and chosen
// simulator, and the working state of netlist and SPICE netlist building.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "basics/FloatWert.h"
#include "basics/LineFile.h"
#include "basics/List.h"
#include "basics/MyStrng.h"
#include "basics/Point.h"
#include "editor/document/SpiceManager.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/document.h"
#include "simulator/SymbolTable.h"

namespace pf {
class Archive;
class Dc;
class Profile;
class View;
class Window;
}  // namespace pf

class NetSymbol;

// The symbols of a circuit; ForEach leaves the cursor alone, so visits may nest.
class SymbolList : public List<NetSymbol*> {
 public:
  using List<NetSymbol*>::ForEach;
};

// One grid position and the node it was given while numbering.
struct NodTransElem {
  int32_t node = 0;
  Point position;
};

// A position may be entered more than once; the first entry counts.
class NodTransTable {
 public:
  void Add(int32_t node, const Point& position) { entries.push_back({node, position}); }
  // The node of the first entry at the position, else -1.
  int32_t Lookup(const Point& position) const;
  void RemoveAll() { entries.clear(); }
  const std::vector<NodTransElem>& Entries() const { return entries; }

 private:
  std::vector<NodTransElem> entries;
};

class CVostraneDoc : public pf::Document, public PortNumberSource {
 public:
  static constexpr const char* kProfileSection = "Vostra_Str";
  // A record count beyond this is a damaged file, not a circuit; no circuit grows beyond it,
  // so that every saved one opens again.
  static constexpr uint32_t kMaxSymbols = 10000;
  static constexpr int kMaxNameNumber = 30000;

  // Without a profile the defaults hold and nothing is written; without SPICE settings the
  // SPICE setting counts as off.
  explicit CVostraneDoc(pf::Profile* profile = nullptr, const SpiceSettings* spice = nullptr);
  ~CVostraneDoc() override;

  // The circuit file. Loading fails as a whole (pf::ArchiveError) on a damaged file or an
  // unknown class key; the document then keeps no symbol of it.
  void Serialize(pf::Archive& ar) override;
  // The base operation; a failed load queues one message naming the key or the file.
  bool OnOpenDocument(const std::string& path) override;
  // The base operation; a SPICE run of the circuit is named by the file it is saved as now.
  bool OnSaveDocument(const std::string& path) override;
  // A circuit is at most kMaxSymbols records of a few hundred bytes (4 KiB allowed each) and the
  // tables of its data elements. Each table is a file the line reader took (LineFile::kMaxBytes
  // of text in at most LineFile::kMaxLines lines), stored with a capacity field and at most 17
  // bytes of padding per line. Room is left for four full tables; nobody builds more in one
  // circuit.
  static constexpr std::uintmax_t kMaxFileBytes =
      std::uintmax_t{kMaxSymbols} * 4096 +
      4 * (std::uintmax_t{LineFile::kMaxBytes} + std::uintmax_t{LineFile::kMaxLines} * 21);
  std::uintmax_t MaxFileBytes() const override { return kMaxFileBytes; }
  // Why the last opening failed (also queued, for callers that read the queue); the framework
  // shows it in place of its own message and it leaves the queue, so it is shown once.
  std::string TakeOpenFailure(const std::string& path) override;
  void DeleteContents() override;
  void SetModifiedFlag(bool modified = true) override;

  // A default-constructed symbol of the class the key names; null for an unknown key.
  static std::unique_ptr<NetSymbol> CreateSymbolByKey(const MyStrng& key);
  static MyStrng GetDefaultNamePrefix(const NetSymbol& symbol);
  // The prefix followed by the smallest number from 1 that no symbol bears as its name; after
  // kMaxNameNumber tries the name stays as it was.
  void AssignDefaultName(NetSymbol& symbol);
  // To be called after a symbol of the circuit was renamed other than by a dialog that marked the
  // document modified: the default names are then counted anew.
  void ForgetNames() { namedCount.reset(); }
  // Names it, appends it (the document owns it from now on) and marks the document modified.
  // False when the circuit is full: the user is told and the symbol deleted.
  bool AddSymbol(NetSymbol* symbol);
  // Unlinks the symbol without deleting it; the caller owns it again.
  void RemoveSymbol(NetSymbol* symbol);
  // Empties the list without deleting the symbols (filter synthesis takes them over).
  void ReleaseSymbols() {
    symbols.ForEach([](NetSymbol* s) { s->document = nullptr; });
    symbols.RemoveAll();
    ForgetNames();
  }

  SymbolList& Symbols() { return symbols; }
  const SymbolList& Symbols() const { return symbols; }
  int CountSymbolsWithKey(const MyStrng& key) const;
  NetSymbol* FindSymbolByName(const MyStrng& name) const;
  void MoveSymbolToEnd(const MyStrng& name);
  // The numbers that the circuit's external nodes carry, and the smallest positive one free.
  std::vector<int32_t> PortNumbersInUse() const override;
  NetSymbol* FindFirstWithKey(const MyStrng& key) const;
  NetSymbol* FindSpiceLibrary() const { return FindFirstWithKey("SpiceLibSymbol"); }
  NetSymbol* FindSubstrate() const { return FindFirstWithKey(SubSymbol::kClassKey); }
  bool HasSubstrate() const { return FindSubstrate() != nullptr; }
  bool HasSpiceLibrary() const { return FindSpiceLibrary() != nullptr; }
  bool HasNetworkAnalyser() const { return FindFirstWithKey("VecNetAnaSymbol") != nullptr; }
  bool HasDataGenerator() const { return FindFirstWithKey("DataGeneratorSymbol") != nullptr; }
  bool HasDcGenerator() const { return FindFirstWithKey("DcGeneratorSymbol") != nullptr; }
  bool HasSignalGenerator() const { return FindFirstWithKey("SignalGenSymbol") != nullptr; }
  bool HasImpulsGenerator() const { return FindFirstWithKey("ImpulsGeneratorSymbol") != nullptr; }
  bool HasExternalNode() const { return FindFirstWithKey(ExKnotenSymbol::kClassKey) != nullptr; }
  bool HasGround() const { return FindFirstWithKey("GROUND") != nullptr; }
  bool HasSweptDcGenerator() const;
  NetSymbol* FindActiveInstrument() const;
  // Every instrument of the circuit in drawing order: the symbol and its instrument role.
  template <class Visit>
  void ForEachInstrument(Visit visit) const {
    symbols.ForEach([&visit](NetSymbol* s) {
      if (auto* instrument = s->IsInstrument() ? dynamic_cast<InstrumentRole*>(s) : nullptr) {
        visit(*s, *instrument);
      }
    });
  }
  // The source of a SPICE transient (a data or pulse generator, the instruments that write the
  // ".TRAN" card): the first active one in drawing order, else the first one; null without.
  NetSymbol* FindTransientSource() const;
  // The signal generator of the SPICE small-signal analysis, chosen likewise.
  NetSymbol* FindSmallSignalSource() const;
  bool HasActiveInstrument() const { return FindActiveInstrument() != nullptr; }
  // The instrument whose built-in run or sweep is being started or stepped; null between runs
  // (and once it is no longer in the circuit). Its header is then the netlist's definition.
  void SetRunningInstrument(NetSymbol* instrument) { runningInstrument = instrument; }
  NetSymbol* GetRunningInstrument() const;
  bool HasDataItems() const;
  bool HitTest(const Point& p) const;
  void DrawAll(pf::Dc& dc) const;
  void SetViewOnAll(pf::View* view) const;
  // Only when something changed since the last refresh: a pin is connected when another
  // symbol has a pin at the same point.
  void RefreshPinMarks();

  bool IsSpiceChosen() const;
  void SelectSpice();
  const MyStrng& GetSimulatorName() const { return simulatorName; }
  void SetSimulatorName(const MyStrng& name) { simulatorName = name; }
  double GetDefaultFrequency() const { return defaultFrequency; }
  void SetDefaultFrequency(double hertz) { defaultFrequency = hertz; }
  const SpiceSettings* GetSpiceSettings() const { return spiceSettings; }
  LineFile GetNetlistLines() const { return netlistLines; }
  SpiceManager& GetSpiceManager() { return spiceManager; }

  // Set by the sub-circuit symbol on the temporary document through which it reads another
  // circuit; such a document writes no profile values.
  void SetSubCircuit(const MyStrng& displayName);
  bool IsSubCircuit() const { return subCircuitFlag != 0; }

  // Netlist building (node numbering and emission) and the SPICE netlist.
  bool BuildNetlist(pf::Window* window);
  bool ExportNetlist(pf::Window* window);
  bool WriteSpiceFile(pf::Window* window);
  void RequestOperatingPoint() { operatingPointRequest = 1; }

 private:
  // True, after telling the user ("Zu viele Elemente"), when a circuit of count symbols could
  // not be opened again.
  static bool RefuseSymbolCount(size_t count);
  // The first active symbol of one of the keys in drawing order, else the first of them.
  NetSymbol* FindAnalysisSource(std::initializer_list<const char*> keys) const;
  // Numbering and emission live in their own files and work on the members below.
  friend class NetlistBuilder;
  friend class SpiceWriter;

  void StoreFile(pf::Archive& ar);
  void LoadFile(pf::Archive& ar);
  void DeleteSymbols();
  // Counts the names anew unless they are known for the list as it is.
  void KnowNames();

  SymbolList symbols;
  // What placing a symbol needs to name it without looking at every other one: the names the
  // symbols bore when last counted and, per prefix, a number below which every default name is
  // taken. Trusted while only AddSymbol changed the circuit since (renames come with
  // SetModifiedFlag or ForgetNames); a list of another length is counted anew all the same.
  std::unordered_set<std::string> takenNames;
  std::unordered_map<std::string, int> firstFreeNumbers;
  std::optional<size_t> namedCount;  // the length they were counted at; none when forgotten
  int32_t subCircuitFlag = 0;
  NetSymbol* runningInstrument = nullptr;
  List<MyStrng> modelNames;
  int32_t needsRecalculation = 1;
  int32_t nodeCounter = 0;
  FloatWert formatValue{1.0};
  MyStrng subCircuitName;
  NodTransTable nodeTable;
  SymbolTable namedValues;
  LineFile netlistLines;
  MyStrng spiceDirectory;
  SpiceManager spiceManager;
  int32_t spiceChainCount = 0;
  uint8_t operatingPointRequest = 0;
  double defaultFrequency = 4e9;
  MyStrng simulatorName = "Ravilone";
  // Netlist numbering: the wires and the wires of the group being numbered.
  std::vector<NetSymbol*> wires;
  std::vector<NetSymbol*> wireGroup;

  pf::Profile* profile;
  const SpiceSettings* spiceSettings;
  // The message of a failed load when it names more than the file.
  MyStrng loadFailure;
  MyStrng openFailure;
};
