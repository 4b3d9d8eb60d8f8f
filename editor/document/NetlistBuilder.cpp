#include "editor/document/NetlistBuilder.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SubNetworks.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/OnePortSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/ui_services.h"
#include "simulator/DataSet.h"
#include "simulator/ElementRegistry.h"
#include "simulator/NetLine.h"
#include "simulator/NetlistBlocks.h"
#include "simulator/NetlistName.h"

namespace {

// The keys whose symbols write no element line of their own: they are drawn connections,
// ports, or data that goes into the DATA block.
constexpr const char* kNoElementLine[] = {"VERBINDUNG",      "GROUND",         "INPUT",
                                          "NETINFO",         "SUBSTRAT",       "VecNetAnaSymbol",
                                          "ExKnotenSymbol", "OUTPUT",         "SpiceLibSymbol"};

void Report(const MyStrng& message) {
  VS_Error reporter;
  reporter.Error(message, 4);
}

bool Is(const NetSymbol& s, const char* key) { return s.GetClassKey() == key; }

int Pins(const NetSymbol& s) { return std::clamp(s.GetPinCount(), 0, NetSymbol::kMaxPins); }

// A wire joins at its two ends only.
int WireEnds(const NetSymbol& s) { return std::min(Pins(s), 2); }

// The name of a DATA entry's label line "NAME: ..."; empty for its rows and comments.
MyStrng EntryName(const MyStrng& line) {
  MyStrng rest(line);
  const MyStrng name = rest.GetNextToken();
  rest = rest.RemoveNextToken();
  return rest.GetAt(0) == ':' ? name : MyStrng();
}

void AddEntryNames(const LineFile& entries, std::set<std::string>& names) {
  entries.ForEach([&names](const MyStrng& line) {
    if (const MyStrng name = EntryName(line); !name.IsEmpty()) names.insert(name.ToCString());
  });
}

// Where a sub-network's line stands, as the reader parts the text.
enum class Place {
  kOther,    // a block's keyword line, a network's definition or instance, a label, a comment
  kElement,  // an element line of a network: its table or substrate is its last word
  kData,     // a line of the DATA block: an entry's label is its first word
};

// The line with the word that names a table renamed, when the table renames it.
MyStrng Renamed(const MyStrng& line, Place place,
                const std::map<std::string, std::string>& renamed) {
  const MyStrng name = place == Place::kData      ? EntryName(line)
                       : place == Place::kElement ? GetTrailingName(line)
                                                  : MyStrng();
  const auto hit = renamed.find(name.ToCString());
  if (name.IsEmpty() || hit == renamed.end()) return line;
  const std::string text = line.ToCString();
  const size_t begin = place == Place::kData ? text.find(hit->first)
                                             : text.find_last_not_of(' ') + 1 - hit->first.size();
  return MyStrng(text.substr(0, begin) + hit->second + text.substr(begin + hit->first.size()));
}

// Calls visit for each line of the sub-network with its place. The DATA block's keyword lines
// are left out, since its entries join the netlist's one block, and so are a netlist text's
// sweep and output blocks (FREQ, OUT): they are its own run's, and the circuit's run has its own.
void ForEachLine(const LineFile& sub, const std::function<void(const MyStrng&, Place)>& visit) {
  ForEachBlockLine(sub, [&](const MyStrng& line, std::string_view keyword,
                            std::string_view block) {
    const std::string_view in = keyword.empty() || keyword == "END" ? block : keyword;
    if (in == "FREQ" || in == "OUT" || (in == "DATA" && !keyword.empty())) return;
    Place place = Place::kOther;
    if (in == "DATA") {
      place = Place::kData;
    } else if (keyword.empty() && in == "BLK" && ElementRegistry::IsKeyword(line.GetNextToken())) {
      place = Place::kElement;
    }
    visit(line, place);
  });
}

// The sub-network's lines into body, the entries of its DATA block into data. The reader knows
// one entry per name, and each circuit names its entries alone (two sub-circuits' data
// two-ports "Cmp2", their substrates "ALU"): an entry whose name the netlist holds already
// takes a free one, in its label and in the network's element lines that refer to it.
void SplitDataBlock(const LineFile& sub, LineFile& body, LineFile& data,
                    std::set<std::string>& taken) {
  std::set<std::string> own;
  ForEachLine(sub, [&own](const MyStrng& line, Place place) {
    if (const MyStrng name = EntryName(line); place == Place::kData && !name.IsEmpty()) {
      own.insert(name.ToCString());
    }
  });
  std::map<std::string, std::string> renamed;
  for (const std::string& name : own) {
    std::string free = name;
    for (int k = 2; taken.contains(free) || (free != name && own.contains(free)); ++k) {
      free = name + "_" + std::to_string(k);
    }
    if (free != name) renamed.emplace(name, free);
    taken.insert(free);
  }
  ForEachLine(sub, [&](const MyStrng& line, Place place) {
    (place == Place::kData ? data : body)
        .AddLine(renamed.empty() ? line : Renamed(line, place, renamed));
  });
}

bool IsGrounded(const std::vector<NetSymbol*>& symbols) {
  return std::any_of(symbols.begin(), symbols.end(),
                     [](const NetSymbol* s) { return s->groundFree == 0; });
}

// The builds going on (a sub-circuit's within its circuit's) and the number of the outermost.
int buildDepth = 0;
uint64_t outermostBuild = 0;
uint64_t buildsBegun = 0;

class BuildGoing {
 public:
  BuildGoing() {
    if (buildDepth++ == 0) outermostBuild = ++buildsBegun;
  }
  bool Outermost() const { return buildDepth == 1; }
  ~BuildGoing() {
    if (--buildDepth == 0) outermostBuild = 0;
  }
  BuildGoing(const BuildGoing&) = delete;
  BuildGoing& operator=(const BuildGoing&) = delete;
};

}  // namespace

uint64_t NetlistBuilder::OutermostBuild() { return outermostBuild; }

NetlistBuilder::NetlistBuilder(CVostraneDoc& doc) : doc(doc) {
  doc.symbols.ForEach([this](NetSymbol* s) { symbols.push_back(s); });
}

MyStrng NetlistBuilder::OwnNetworkName() const {
  return NetworkName(doc.IsSubCircuit() ? doc.subCircuitName.ToCString() : doc.GetTitle());
}

void NetlistBuilder::Enter(int32_t node, const Point& position) {
  doc.nodeTable.Add(node, position);
  firstNode.emplace(PositionKey(position), node);
}

void NetlistBuilder::Link(int32_t a, int32_t b) {
  if (a == b) return;
  const std::pair<int32_t, int32_t> link = std::minmax(a, b);
  if (std::find(links.begin(), links.end(), link) == links.end()) links.push_back(link);
}

int32_t NetlistBuilder::Lookup(const Point& position) const {
  const auto found = firstNode.find(PositionKey(position));
  return found == firstNode.end() ? -1 : found->second;
}

bool NetlistBuilder::NumberNodes() {
  marked.assign(symbols.size(), 0);
  for (NetSymbol* s : symbols) s->netLine.Clear();
  doc.nodeTable.RemoveAll();
  firstNode.clear();
  links.clear();
  doc.nodeCounter = 0;
  bool numbered = true;
  for (NetSymbol* s : symbols) {
    const auto* node = dynamic_cast<const ExKnotenSymbol*>(s);
    if (node != nullptr && node->portNumber < 1) {
      Report(MyStrng("Externer Knoten ohne gültige Nummer: ") + s->GetElementName() + " (" +
             MyStrng(node->portNumber) + ")");
      numbered = false;
    }
  }
  if (!numbered) return false;
  ChooseReference();
  NumberExternalNodes();
  NumberWireGroups();
  NumberRemainingPins();
  AssignPinNodes();
  return true;
}

void NetlistBuilder::ChooseReference() {
  if (IsGrounded(symbols)) {
    for (size_t i = 0; i < symbols.size(); ++i) {
      if (!Is(*symbols[i], "GROUND") || Pins(*symbols[i]) == 0) continue;
      Enter(0, symbols[i]->GetPinPosition(0));
      marked[i] = 1;
    }
    return;
  }
  // Without a ground symbol the external node with the highest number is the reference.
  int32_t highest = 0;
  size_t chosen = symbols.size();
  for (size_t i = 0; i < symbols.size(); ++i) {
    const auto* node = dynamic_cast<const ExKnotenSymbol*>(symbols[i]);
    if (node != nullptr && node->portNumber > highest) {
      highest = node->portNumber;
      chosen = i;
    }
  }
  if (chosen == symbols.size()) return;
  Enter(0, symbols[chosen]->GetPinPosition(0));
  marked[chosen] = 1;
}

void NetlistBuilder::NumberExternalNodes() {
  // The nodes keep the numbers the user gave them; new ones start above the highest.
  for (size_t i = 0; i < symbols.size(); ++i) {
    const auto* node = dynamic_cast<const ExKnotenSymbol*>(symbols[i]);
    if (node == nullptr) continue;
    // Another external node or ground on the same point (not the reference node's own 0):
    // both keep their numbers.
    const int32_t there = Lookup(symbols[i]->GetPinPosition(0));
    if (there >= 0 && !(marked[i] != 0 && there == 0)) Link(there, node->portNumber);
    Enter(node->portNumber, symbols[i]->GetPinPosition(0));
    doc.nodeCounter = std::max(doc.nodeCounter, node->portNumber);
    marked[i] = 1;
  }
}

void NetlistBuilder::NumberWireGroups() {
  doc.wires.clear();
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (Is(*symbols[i], "VERBINDUNG")) doc.wires.push_back(symbols[i]);
  }
  const auto wireCount = static_cast<int32_t>(doc.wires.size());
  std::unordered_map<uint64_t, std::vector<int32_t>> wiresAt;
  for (int32_t w = 0; w < wireCount; ++w) {
    for (int p = 0; p < WireEnds(*doc.wires[w]); ++p) {
      std::vector<int32_t>& here = wiresAt[PositionKey(doc.wires[w]->GetPinPosition(p))];
      if (here.empty() || here.back() != w) here.push_back(w);
    }
  }
  std::vector<char> grouped(doc.wires.size(), 0);
  for (int32_t start = 0; start < wireCount; ++start) {
    if (grouped[start] != 0) continue;
    CollectWireGroup(start, grouped, wiresAt);
    // The first wire, in group order, that touches a numbered position gives its lowest number.
    int32_t node = -1;
    for (const NetSymbol* w : doc.wireGroup) {
      for (int p = 0; p < WireEnds(*w); ++p) {
        const int32_t found = Lookup(w->GetPinPosition(p));
        if (found >= 0 && found <= doc.nodeCounter && (node < 0 || found < node)) node = found;
      }
      if (node >= 0) break;
    }
    if (node < 0) node = ++doc.nodeCounter;
    // Every other numbered point of the group (only ground and external nodes are numbered
    // yet) keeps its number, linked to the group's.
    for (const NetSymbol* w : doc.wireGroup) {
      for (int p = 0; p < WireEnds(*w); ++p) {
        const int32_t found = Lookup(w->GetPinPosition(p));
        if (found >= 0) Link(node, found);
        Enter(node, w->GetPinPosition(p));
      }
    }
  }
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (Is(*symbols[i], "VERBINDUNG")) marked[i] = 1;
  }
}

// The group in the order of repeated passes over the wire list, each pass adding every wire
// that touches the group as it stands: a waiting wire behind the pass's position joins in
// this pass, one before it in the next. Linear in the wires, whatever their order.
void NetlistBuilder::CollectWireGroup(
    int32_t start, std::vector<char>& grouped,
    const std::unordered_map<uint64_t, std::vector<int32_t>>& wiresAt) {
  doc.wireGroup.clear();
  std::set<int32_t> waiting;
  auto join = [&](int32_t w) {
    grouped[w] = 1;
    doc.wireGroup.push_back(doc.wires[w]);
    for (int p = 0; p < WireEnds(*doc.wires[w]); ++p) {
      for (int32_t other : wiresAt.at(PositionKey(doc.wires[w]->GetPinPosition(p)))) {
        if (grouped[other] == 0) waiting.insert(other);
      }
    }
  };
  join(start);
  int32_t position = 0;
  while (!waiting.empty()) {
    auto next = waiting.lower_bound(position);
    if (next == waiting.end()) next = waiting.begin();
    position = *next + 1;
    waiting.erase(next);
    join(position - 1);
  }
}

void NetlistBuilder::NumberRemainingPins() {
  for (size_t i = 0; i < symbols.size(); ++i) {
    NetSymbol& s = *symbols[i];
    if (marked[i] != 0 || Is(s, SubSymbol::kClassKey) || Is(s, "SpiceLibSymbol")) continue;
    for (int p = 0; p < Pins(s); ++p) {
      const int32_t found = Lookup(s.GetPinPosition(p));
      if (found >= 0 && found <= doc.nodeCounter) continue;
      Enter(++doc.nodeCounter, s.GetPinPosition(p));
      // The transition's slot side: its third and fourth pin are one node.
      if (p == 2 && Pins(s) > 3 && Is(s, "MslToSlotSymbol")) {
        Enter(doc.nodeCounter, s.GetPinPosition(3));
      }
    }
    marked[i] = 1;
  }
}

void NetlistBuilder::AssignPinNodes() {
  bool outputFound = false;
  int32_t outputNode = 0;
  for (size_t i = 0; i < symbols.size(); ++i) {
    NetSymbol& s = *symbols[i];
    if (marked[i] == 0 || Is(s, "VERBINDUNG")) continue;
    for (int p = 0; p < Pins(s); ++p) {
      const int32_t found = Lookup(s.GetPinPosition(p));
      if (found >= 0) s.nodes[p] = found;
    }
    if (Is(s, OutSymbol::kClassKey) && Pins(s) > 0) {
      outputFound = true;
      outputNode = s.nodes[0];
    }
  }
  if (!outputFound) return;
  for (NetSymbol* s : symbols) {
    if (auto* input = dynamic_cast<InpSymbol*>(s);
        input != nullptr && Is(*s, InpSymbol::kClassKey)) {
      input->settings.outputNode = outputNode;
      return;
    }
  }
}

bool NetlistBuilder::Build() {
  if (symbols.empty()) return false;
  const BuildGoing going;
  outermost = going.Outermost();
  if (outermost) SubNetworks::Begin(OwnNetworkName(), doc.GetPathName());
  doc.netlistLines.RemoveAll();
  const auto externalNodes = std::count_if(symbols.begin(), symbols.end(), [](NetSymbol* s) {
    return dynamic_cast<const ExKnotenSymbol*>(s) != nullptr;
  });
  // The simulator knows one- and two-port networks only; say so now, not when a run starts.
  if (externalNodes > 2) {
    Report(MyStrng("Mehr als zwei externe Knoten: nur 1POR oder 2POR erlaubt (") +
           MyStrng(static_cast<int>(externalNodes)) + ")");
  }
  if (!NumberNodes()) return false;
  definition = ChooseDefinition();
  doc.ForEachInstrument([this](NetSymbol&, InstrumentRole& instrument) {
    instrument.SetRunning(&instrument == definition);
  });
  // An element that refuses its values reports and writes no line; a netlist without it
  // would simulate another circuit, so there is none.
  const VS_ErrorMark reported;
  for (NetSymbol* s : symbols) {
    if (!Is(*s, "VERBINDUNG") && !Is(*s, "GROUND") && !Is(*s, OutSymbol::kClassKey)) {
      s->WriteNetLine();
    }
  }
  if (reported.Any()) return false;
  // While an instrument defines the network, the ports are plain nodes.
  if (definition == nullptr) WritePortLine();
  Emit();
  return true;
}

void NetlistBuilder::WritePortLine() {
  portLineOwner = nullptr;
  std::vector<int32_t> numbers;
  for (NetSymbol* s : symbols) {
    const auto* node = dynamic_cast<const ExKnotenSymbol*>(s);
    if (node == nullptr) continue;
    numbers.push_back(node->portNumber);
    if (node->portNumber == 1 && portLineOwner == nullptr) portLineOwner = s;
  }
  if (portLineOwner == nullptr) return;
  MyStrng text = OwnNetworkName() + ": ";
  auto ports = [&text, &numbers](const char* keyword, size_t count) {
    text += keyword;
    for (size_t i = 0; i < count; ++i) text += MyStrng(numbers[i]) + " ";
  };
  // Without a ground the reference is one of the external nodes, so one port fewer.
  const bool grounded = IsGrounded(symbols);
  if (numbers.size() == 1 || (numbers.size() == 2 && !grounded)) {
    ports("1POR ", 1);
  } else if (numbers.size() == 2 || (numbers.size() == 3 && !grounded)) {
    ports("2POR ", 2);
  } else if (numbers.size() == 3) {
    ports("3POR ", 3);
  }
  portLineOwner->netLine = text;
}

void NetlistBuilder::Emit() {
  LineFile& lines = doc.netlistLines;
  const LineFile ownData = OwnDataEntries();
  // The outermost netlist holds every level's networks, each once and before those that use it.
  if (outermost) {
    std::set<std::string> taken;
    AddEntryNames(ownData, taken);
    SubNetworks::ForEach(
        [&](const LineFile& sub) { SplitDataBlock(sub, lines, subNetworkData, taken); });
  }
  lines.AddLine("*");
  lines.AddLine("BLK");
  for (NetSymbol* s : symbols) {
    if (!WritesElementLine(*s) || s->netLine.IsEmpty()) continue;  // e.g. a junction dot
    lines.AddLine(s->netLine);
    const int extra = s->GetExtraLineCount();
    for (int i = 0; i < extra; ++i) lines.AddLine(s->GetExtraLine(i));
    if (extra > 0) s->ClearExtraLines();
  }
  EmitLinks();
  if (definition != nullptr) {
    definition->AppendNetworkHeader(lines);
  } else {
    for (NetSymbol* s : symbols) {
      if (Is(*s, InpSymbol::kClassKey) || s == portLineOwner) lines.AddLine(s->netLine);
    }
  }
  lines.AddLine("END");
  if (doc.HasDataItems() || subNetworkData.GetCount() > 0) {
    lines.AddLine("DATA");
    lines.AppendLines(ownData);
    lines.AppendLines(subNetworkData);
    lines.AddLine("END");
  }
}

const InstrumentRole* NetlistBuilder::ChooseDefinition() const {
  const auto role = [](NetSymbol* s) {
    return s != nullptr && s->IsInstrument() ? dynamic_cast<const InstrumentRole*>(s) : nullptr;
  };
  if (const InstrumentRole* running = role(doc.GetRunningInstrument())) return running;
  // What another circuit takes in is defined by its ports alone.
  if (doc.IsSubCircuit()) return nullptr;
  const bool ports = std::any_of(symbols.begin(), symbols.end(), [](NetSymbol* s) {
    const auto* node = dynamic_cast<const ExKnotenSymbol*>(s);
    return Is(*s, InpSymbol::kClassKey) || (node != nullptr && node->portNumber == 1);
  });
  if (ports) return nullptr;
  for (NetSymbol* s : symbols) {
    if (Is(*s, "VecNetAnaSymbol") && role(s) != nullptr) return role(s);
  }
  for (NetSymbol* s : symbols) {
    const InstrumentRole* instrument = role(s);
    if (instrument == nullptr || instrument->GetActiveFlag() == 0) continue;
    LineFile header;
    instrument->AppendNetworkHeader(header);
    if (header.GetCount() > 0) return instrument;
  }
  return nullptr;
}

void NetlistBuilder::EmitLinks() {
  // Ground stays out of the line, as in every two-pin element's line.
  for (const auto& [low, high] : links) {
    const MyStrng nodes = low == 0 ? MyStrng(high) : MyStrng(low) + " " + MyStrng(high);
    doc.netlistLines.AddLine(MyStrng("RES ") + nodes + " R = 0ohm");
  }
}

LineFile NetlistBuilder::OwnDataEntries() const {
  LineFile lines;
  for (NetSymbol* s : symbols) {
    if (Is(*s, SubSymbol::kClassKey)) lines.AddLine(s->netLine);
  }
  // One table per name, whether a two-port or a one-port carries it.
  std::vector<MyStrng> written;
  for (const char* key : {"TWOPORT", OnePortSymbol::kClassKey}) {
    for (NetSymbol* s : symbols) {
      const auto* data = dynamic_cast<const DataSet*>(s);
      const auto* table = dynamic_cast<const DataTableRole*>(s);
      if ((data == nullptr && table == nullptr) || !Is(*s, key)) continue;
      const MyStrng name = s->GetElementName();
      if (std::find(written.begin(), written.end(), name) != written.end()) continue;
      written.push_back(name);
      if (table != nullptr) {
        lines.AddLine(name + ":  S " + MyStrng(table->GetTableLines().GetCount()));
        lines.AppendLines(table->GetTableLines());
        continue;
      }
      const int count = std::clamp(data->lineCount, 0, DataSet::kCapacity);
      lines.AddLine(name + ":  S " + MyStrng(count));
      for (int i = 0; i < count; ++i) lines.AddLine(data->GetLine(i));
    }
  }
  return lines;
}

bool WritesElementLine(const NetSymbol& s) {
  // An analyser that does not define the network terminates its ports: its lines are
  // elements of the network.
  if (Is(s, "VecNetAnaSymbol")) {
    const auto* instrument = dynamic_cast<const InstrumentRole*>(&s);
    return instrument != nullptr && !instrument->IsRunning();
  }
  return std::none_of(std::begin(kNoElementLine), std::end(kNoElementLine),
                      [&s](const char* key) { return Is(s, key); });
}

MyStrng GeneratedFileName(const CVostraneDoc& doc, const char* extension) {
  const std::string& title = doc.GetTitle();
  return MyStrng(title.substr(0, title.find('.'))) + extension;
}

MyStrng ExportRefusal(CVostraneDoc& doc) {
  const char* kPrefix = "Netzwerk kann nicht exportiert werden: ";
  if (doc.Symbols().GetCount() == 0) return MyStrng(kPrefix) + "die Schaltung ist leer";
  doc.RefreshPinMarks();
  NetSymbol* open = nullptr;
  // A symbol without pin marks (the substrate, the model library) shows no open pin.
  doc.Symbols().ForEach([&open](NetSymbol* s) {
    if (open == nullptr && s->drawPinMarks != 0 && s->HasOpenPin()) open = s;
  });
  if (open != nullptr) return MyStrng(kPrefix) + "offener Anschluss an " + open->GetElementName();
  const int external = doc.CountSymbolsWithKey(ExKnotenSymbol::kClassKey);
  if (external == 0) return MyStrng(kPrefix) + "keine externen Knoten";
  if (external == 1 && !doc.HasGround()) {
    return MyStrng(kPrefix) + "ein externer Knoten ohne Masse";
  }
  return MyStrng();
}

bool CVostraneDoc::BuildNetlist(pf::Window* window) {
  if (!NetlistBuilder(*this).Build()) return false;
  if (window != nullptr) netlistLines.CopyToClipboard(window);
  return true;
}

bool CVostraneDoc::ExportNetlist(pf::Window* window) {
  if (!NetlistBuilder(*this).Build()) return false;
  // Next to the document, wherever the program was started from.
  const MyStrng name = GeneratedFileName(*this, ".net");
  const std::filesystem::path folder = std::filesystem::path(GetPathName()).parent_path();
  netlistLines.fileName = MyStrng((folder / name.ToCString()).string());
  if (!netlistLines.WriteFile()) {
    Report(MyStrng("Datei konnte nicht geschrieben werden: ") + netlistLines.fileName);
    return false;
  }
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox(netlistLines.fileName.ToCString(), "Erzeugtes Netzwerk:",
                                 pf::MsgButtons::Ok, pf::MsgIcon::None);
  netlistLines.CopyToClipboard(window);
  return true;
}
