#include "elements/data/UserNetSymbol.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/document/SubNetworks.h"
#include "editor/symbols/LabelFonts.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "pf/ui_services.h"
#include "pf/path_map.h"
#include "simulator/NetlistName.h"

PF_IMPLEMENT_SERIAL(UserNetSymbol, MultiPolSymbol, 1)

namespace {

void Report(const MyStrng& message) { VS_Error().Error(message, 4); }

// The circuit files whose netlists are being built, outermost first: a file met again uses
// itself, and its netlist would never end.
std::vector<std::string>& FilesInUse() {
  static std::vector<std::string> files;
  return files;
}

// Keeps a file on the list while it is in use.
class FileInUse {
 public:
  explicit FileInUse(const std::string& path) : active(!path.empty()) {
    if (active) FilesInUse().push_back(pf::FileKey(path));
  }
  FileInUse(const FileInUse&) = delete;
  FileInUse& operator=(const FileInUse&) = delete;
  ~FileInUse() {
    if (active) FilesInUse().pop_back();
  }

 private:
  bool active;
};

bool IsInUse(const std::string& path) {
  const std::vector<std::string>& files = FilesInUse();
  return std::find(files.begin(), files.end(), pf::FileKey(path)) != files.end();
}

// A circuit file opened as a sub-circuit. False, with the document's reason, when it cannot be.
bool OpenCircuit(CVostraneDoc& doc, const MyStrng& path, MyStrng& reason) {
  const VS_ErrorMark reported;
  if (doc.OnOpenDocument(path.ToCString())) {
    // Its netlist, when the outermost, names the file it clashes with.
    doc.SetPathName(path.ToCString());
    return true;
  }
  reason = reported.First();
  reported.Drop();
  return false;
}

int circuitReads = 0;

// What a circuit file gives as a sub-circuit of one name, read and built once for all the
// instances that use it.
struct CircuitSource {
  // Reads the file (counted: see UserNetSymbol::CircuitReads) and builds its netlist as the
  // sub-network of the name. What the build reports is kept, not queued: the first instance
  // that fits says it, once for the netlist however many instances and levels use the file.
  void Make(const MyStrng& path, const MyStrng& name) {
    ++circuitReads;
    CVostraneDoc doc;
    opened = OpenCircuit(doc, path, refusal);
    if (!opened) return;
    ports = doc.CountSymbolsWithKey(ExKnotenSymbol::kClassKey);
    const int from = VS_Error::MessageCount();
    const VS_ErrorMark reported;
    doc.SetSubCircuit(name);
    built = doc.BuildNetlist(nullptr);
    if (built) {
      lines.AppendLines(doc.GetNetlistLines());
    } else if (!reported.Any()) {
      Report(MyStrng("Teilschaltung ergibt kein Netzwerk: ") + name);
    }
    for (int i = from; i < VS_Error::MessageCount(); ++i) reports.push_back(VS_Error::Message(i));
    // A full queue took none of them.
    if (reported.Any() && reports.empty()) reports.push_back(VS_Error::LastReported());
    VS_Error::DropMessagesFrom(from);
  }

  bool opened = false;
  MyStrng refusal;  // why it could not be opened
  int ports = 0;
  bool built = false;
  LineFile lines;
  std::vector<MyStrng> reports;
};

// The sources one netlist has met, by file and name, for as long as it is built: each file is
// read and built once, however many instances and levels of nesting use it. Outside a netlist
// every use reads the file.
std::shared_ptr<CircuitSource> TakeCircuitSource(const MyStrng& path, const MyStrng& name) {
  static uint64_t build = 0;
  static std::map<std::pair<std::string, std::string>, std::shared_ptr<CircuitSource>> met;
  const uint64_t now = NetlistBuilder::OutermostBuild();
  if (now != build) met.clear();
  build = now;
  const std::pair<std::string, std::string> key{pf::FileKey(path.ToCString()), name.ToCString()};
  if (now != 0) {
    if (const auto found = met.find(key); found != met.end()) return found->second;
  }
  auto made = std::make_shared<CircuitSource>();
  {
    // Its sub-circuits must not use it.
    const FileInUse inUse(path.ToCString());
    made->Make(path, name);
  }
  if (now != 0) met[key] = made;
  return made;
}

bool IsNetlistText(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".net" || ext == ".txt";
}

}  // namespace

UserNetSymbol::UserNetSymbol() { Init(); }

UserNetSymbol::UserNetSymbol(const Point& start, const Point& end)
    : MultiPolSymbol(start, end) {
  Init();
}

void UserNetSymbol::Init() { classKey = kClassKey; }

void UserNetSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    ar << sourceKind;
  } else {
    ar >> sourceKind;
  }
  path.Serialize(ar);
  subName.Serialize(ar);
  subLines.Serialize(ar);
}

void UserNetSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  DrawCentredLabel(dc, subName, centre, horizontal != 0);
}

void UserNetSymbol::ClearExtraLines() { subLines.Reset(); }

bool UserNetSymbol::HasSource() const {
  return (sourceKind == 'F' || sourceKind == 'N') && !subName.IsEmpty();
}

void UserNetSymbol::ReportNoSource() const {
  Report(MyStrng("Teilschaltung ohne Quelle: ") + GetElementName());
}

void UserNetSymbol::WriteNetLine() {
  netLine = MyStrng();
  if (!HasSource()) {
    ReportNoSource();
    return;
  }
  // A circuit file's port line names the network in netlist form; a netlist text's definition
  // line carries the title as it stands.
  MyStrng network = sourceKind == 'F' ? NetworkName(subName.ToCString()) : subName;
  if (sourceKind == 'N' && (!DefinitionFits() || !EnterText(network))) return;
  if (sourceKind == 'F' && !RegenerateLines(network)) return;
  netLine = network;
  for (int i = 0; i < UsedPins(); ++i) netLine += MyStrng(" ") + MyStrng(nodes[i]);
}

int UserNetSymbol::WriteSpiceLines(LineFile& lines, int flag) {
  if (!HasSource()) {
    ReportNoSource();
  } else if (sourceKind == 'N') {
    DefinitionFits();
  } else {
    CVostraneDoc doc;
    OpenSource(doc);
  }
  return MultiPolSymbol::WriteSpiceLines(lines, flag);
}

void UserNetSymbol::ReportUnfit(const MyStrng& reason) const {
  Report(MyStrng("Teilschaltung ") + GetElementName() + " (" + path + ")" + reason);
}

bool UserNetSymbol::Fits(int ports) const {
  if (ports == pinCount) return true;
  ReportUnfit(MyStrng(" hat ") + MyStrng(ports) + " statt " + MyStrng(pinCount) + " Anschlüsse");
  return false;
}

bool UserNetSymbol::DefinitionFits() const {
  return Fits(std::max(DefinitionPorts(subName), 0));
}

bool UserNetSymbol::OpenSource(CVostraneDoc& doc) const {
  MyStrng reason;
  if (!OpenCircuit(doc, path, reason)) {
    // The document's reason, said of this sub-circuit.
    ReportUnfit(MyStrng(": ") + reason);
    return false;
  }
  return Fits(doc.CountSymbolsWithKey(ExKnotenSymbol::kClassKey));
}

int UserNetSymbol::CircuitReads() { return circuitReads; }

SubNetworks::Entry UserNetSymbol::EnterNetwork(MyStrng& network) const {
  SubNetworks::Entry entry = SubNetworks::Entry::kNew;
  // Outside a netlist (the file being chosen) only the files in use are known.
  if (IsInUse(path.ToCString())) {
    entry = SubNetworks::Entry::kHolding;
  } else if (SubNetworks::Active()) {
    entry = SubNetworks::Enter(path.ToCString(), network);
  }
  if (entry == SubNetworks::Entry::kHolding) {
    Report(MyStrng("Schaltung verwendet sich selbst: ") + subName);
  }
  return entry;
}

bool UserNetSymbol::EnterText(MyStrng& network) const {
  switch (EnterNetwork(network)) {
    case SubNetworks::Entry::kNew:
      return !SubNetworks::Active() || SubNetworks::Complete(path.ToCString(), subLines);
    case SubNetworks::Entry::kKnown:
      return true;
    case SubNetworks::Entry::kHolding:
    case SubNetworks::Entry::kRefused:
      break;
  }
  return false;
}

bool UserNetSymbol::RegenerateLines(MyStrng& network) {
  subLines.RemoveAll();
  const SubNetworks::Entry entry = EnterNetwork(network);
  if (entry == SubNetworks::Entry::kHolding || entry == SubNetworks::Entry::kRefused) {
    return false;
  }
  const std::shared_ptr<CircuitSource> source = TakeCircuitSource(path, network);
  if (entry == SubNetworks::Entry::kNew && SubNetworks::Active() &&
      !SubNetworks::Complete(path.ToCString(), source->lines)) {
    return false;
  }
  if (!source->opened) {
    ReportUnfit(MyStrng(": ") + source->refusal);
    return false;
  }
  if (!Fits(source->ports)) return false;
  for (const MyStrng& report : source->reports) Report(report);
  source->reports.clear();
  if (!source->built) return false;
  subLines.AppendLines(source->lines);
  return true;
}

int UserNetSymbol::DefinitionPorts(const MyStrng& name) const {
  int ports = -1;
  ForEachDefinition(subLines, [&](const MyStrng& defined, int n) {
    if (ports < 0 && defined == name) ports = n;
  });
  return ports;
}

bool UserNetSymbol::FindDefinitionLine(const MyStrng& name) {
  const int ports = DefinitionPorts(name);
  if (ports < 0) return false;
  if (ports < 1 || ports > kMaxPins) {
    Report(MyStrng("Teilschaltung mit ") + MyStrng(ports) +
           " Anschlüssen, erlaubt sind 1 bis 5: " + name);
    return false;
  }
  pinCount = ports;
  return true;
}

bool UserNetSymbol::TakeCircuitFile(const MyStrng& title, const std::string& ownerPath) {
  int ports = 0;
  {
    CVostraneDoc doc;
    if (!doc.OnOpenDocument(path.ToCString())) return false;
    ports = doc.CountSymbolsWithKey(ExKnotenSymbol::kClassKey);
  }
  if (ports < 1 || ports > kMaxPins) {
    Report(MyStrng("Teilschaltung mit ") + MyStrng(ports) +
           " Anschlüssen, erlaubt sind 1 bis 5: " + title);
    return false;
  }
  // Built once now: a circuit that uses the one it is placed in, or itself, is refused here.
  const FileInUse owner(ownerPath);
  pinCount = ports;
  MyStrng network = NetworkName(subName.ToCString());
  if (!RegenerateLines(network)) return false;
  if (pinCount == 3) PlaceThirdPin();
  return true;
}

bool UserNetSymbol::TakeSource(const std::string& file, const std::string& title,
                               const std::string& ownerPath) {
  const MyStrng oldPath = path;
  const MyStrng oldName = subName;
  const int32_t oldPins = pinCount;
  LineFile oldLines;
  oldLines.AppendLines(subLines);
  path = MyStrng(file);
  subName = MyStrng(title);
  bool taken = false;
  if (!IsNetlistText(file)) {
    taken = TakeCircuitFile(subName, ownerPath);
    if (taken) sourceKind = 'F';
  } else {
    subLines.RemoveAll();
    const VS_ErrorMark reported;
    if (subLines.ReadFile(path) != 0 && FindDefinitionLine(subName)) {
      subLines.fileName = path;
      sourceKind = 'N';
      taken = true;
    } else if (!reported.Any()) {
      pf::TheUiServices().MessageBox("Definitionszeile des Netzwerkes nicht gefunden", "Fehler",
                                     pf::MsgButtons::Ok, pf::MsgIcon::Error);
    }
  }
  if (taken) return true;
  path = oldPath;
  subName = oldName;
  pinCount = oldPins;
  subLines.RemoveAll();
  subLines.AppendLines(oldLines);
  return false;
}
