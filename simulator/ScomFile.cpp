#include "simulator/ScomFile.h"

#include <cmath>
#include <string_view>
#include <typeinfo>
#include <unordered_set>

#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"
#include "simulator/NetContext.h"
#include "simulator/NetlistBlocks.h"
#include "simulator/NetDataElm.h"
#include "simulator/NetElement.h"
#include "simulator/NonLinearUsrNet.h"
#include "simulator/SweepFreq.h"
#include "simulator/UsrDefNet.h"

namespace {

constexpr const char* kNoValue = "NO_VALUE";
constexpr const char* kBadSweep = "Syntaxfehler: Frequenzbereich falsch definiert";

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsComment(const MyStrng& line) {
  const char c = line.GetAt(0);
  return c == '*' || c == '!' || c == '#';
}

bool IsContinuation(const MyStrng& line) { return line.GetAt(0) == '+'; }

bool IsSkipped(const MyStrng& line) {
  return line.IsEmpty() || IsComment(line) || IsContinuation(line);
}

bool IsNumericLine(const MyStrng& line) {
  const char c = line.GetAt(0);
  return IsDigit(c) || c == '.' || c == '-';
}


// NAME followed by ':': a label or definition line, whatever its NAME.
bool HasLabelColon(const MyStrng& line) {
  MyStrng rest(line);
  rest = rest.RemoveNextToken();
  return rest.GetAt(0) == ':';
}

// Trailing blanks off; unlike MyStrng::TrimRight an all-blank text becomes empty.
MyStrng WithoutTrailingBlanks(const MyStrng& text) {
  int32_t n = text.GetLength();
  while (n > 0 && text.GetAt(n - 1) == ' ') --n;
  return text.Mid(1, n);
}

// The sweep line after "FREQ": mode, start frequency, point count (digits), stop frequency.
bool IsSweepLine(const MyStrng& line) {
  MyStrng rest(line);
  const MyStrng mode = rest.GetNextToken();
  if (mode != "FSTEP" && mode != "FEXP") return false;
  rest = rest.RemoveNextToken();
  FreqWert fstart(rest.GetNextToken());
  if (!fstart.CheckSyntax()) return false;
  rest = rest.RemoveNextToken();
  IntegerWert count(rest.GetNextToken());
  if (count.IsEmpty() || !count.CheckSyntax()) return false;
  rest = rest.RemoveNextToken();
  FreqWert fstop(rest.GetNextToken());
  return fstop.CheckSyntax();
}

}  // namespace

ScomFile::ScomFile() = default;

ScomFile::~ScomFile() {
  Reset();
  if (NetContext::ReaderInUse() == this) NetContext::SetReaderInUse(nullptr);
}

void ScomFile::Reset() {
  nonLinearNets.clear();
  DeleteUsrNets();
  DeleteDataObjects();
  lines.clear();
  labels.RemoveAll();
  dataTable.RemoveAll();
  definitions.RemoveAll();
  definitionBlocks.clear();
  blkCount = 0;
  freqPresent = false;
  outPresent = false;
}

void ScomFile::SetLines(const LineFile& text) {
  lines.clear();
  lines.reserve(static_cast<size_t>(text.GetCount()));
  text.ForEach([this](const MyStrng& line) { BlanksForTabs(lines.emplace_back(line)); });
}

bool ScomFile::ReadFile(const MyStrng& path) {
  lines.clear();
  if (LineFile::ReadLines(path, lines) == 0) return false;
  lines.shrink_to_fit();  // kept for the whole run
  for (MyStrng& line : lines) BlanksForTabs(line);
  return true;
}

bool ScomFile::CheckSyntax() {
  ClearErrorCode();
  blkCount = 0;
  freqPresent = false;
  outPresent = false;
  int depth = 0;
  int errors = 0;
  int seen = 0;
  bool freqSeen = false;
  const int n = static_cast<int>(lines.size());
  for (int i = 0; i < n; ++i) {
    if (IsSkipped(lines[i])) continue;
    const std::string_view keyword = BlockKeyword(lines[i]);
    if (keyword.empty()) continue;
    ++seen;
    if (keyword == "END") {
      if (--depth < 0) ++errors;
      continue;
    }
    // Blocks do not nest, whatever their kind.
    if (++depth > 1) ++errors;
    if (keyword == "BLK") {
      ++blkCount;
    } else if (keyword == "OUT") {
      if (outPresent) ++errors;
      outPresent = true;
    } else if (keyword == "FREQ") {
      if (freqSeen) ++errors;
      freqSeen = true;
      if (i + 1 < n) {
        ++i;
        if (IsSweepLine(lines[i])) freqPresent = true;
      }
    }
  }
  const bool accepted = errors == 0 && seen > 0 && depth == 0;
  if (!accepted) Error("Syntaxfehler z.B. kein End", 4);
  return accepted;
}

int ScomFile::FindBlockLine(const char* keyword, int from) const {
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (!IsSkipped(lines[i]) && BlockKeyword(lines[i]) == keyword) return i;
  }
  return -1;
}

int ScomFile::BlockEnd(int open) const {
  const int n = static_cast<int>(lines.size());
  for (int i = open + 1; i < n; ++i) {
    if (!IsSkipped(lines[i]) && !BlockKeyword(lines[i]).empty()) return i;
  }
  return n;
}

bool ScomFile::ReadBlocks() {
  bool ok = ReadDataBlock();
  if (freqPresent) {
    ok = ReadFreqBlock() && ok;
  } else if (FindBlockLine("FREQ", 0) >= 0) {
    // A sweep line that the syntax check refused must not leave the run on another sweep.
    Error(kBadSweep, 4);
    ok = false;
  }
  if (outPresent) ReadOutBlock();
  ok = ReadSymbols() && ok;
  return ReadUsrNetDefinitions() && ok;
}

bool ScomFile::ParseLabelLine(NetLine& line, MyStrng& name, MyStrng& value) {
  const int32_t colon = line.Find(":");
  name = WithoutTrailingBlanks(colon > 0 ? line.Mid(1, colon - 1) : MyStrng(line));
  value = kNoValue;
  if (colon > 0 && name.TrimmedLeft().IsEmpty()) {
    line.Error(MyStrng(line) + " SYN_ERR Symboltabelle Kein Symbol", 4);
    return false;
  }
  if (!IsLetter(name.GetAt(0))) {
    line.Error(MyStrng(line) + " SYN_ERR Symboltabelle kein Buchstabe", 4);
    return false;
  }
  if (colon == 0) {
    line.Error(MyStrng(line) + " SYN_ERR Symboltabelle kein Doppelpunkt", 4);
    return false;
  }
  MyStrng rest = line.Mid(colon + 1, line.GetLength());
  rest.TrimLeft();
  rest = WithoutTrailingBlanks(rest);
  if (rest.IsEmpty()) {
    line.Error(MyStrng(line) + " <--SYN_ERR  Kein Wert", 4);
    return true;  // NAME stands, with the value "NO_VALUE"
  }
  value = rest;
  return true;
}

bool ScomFile::ReadEntries(int first, int end, SymbolTable& table) {
  bool ok = true;
  bool rowsWanted = false;  // a label line stands before, and its rows are kept
  bool afterLabel = false;
  MyStrng lastName;
  int row = 0;
  for (int i = first; i < end; ++i) {
    const MyStrng& text = lines[i];
    if (IsSkipped(text)) continue;
    const std::string_view keyword = BlockKeyword(text);
    if (!keyword.empty()) {
      // The block's END (or the next block of an unterminated one) is visited next.
      if (keyword != "END") i = BlockEnd(i) - 1;
      continue;
    }
    if (IsElementLine(text)) continue;
    if (afterLabel && IsNumericLine(text)) {
      ++row;
      if (rowsWanted && !table.Insert(lastName + MyStrng(row), text, row)) ok = false;
      continue;
    }
    NetLine line(text);
    MyStrng name;
    MyStrng value;
    afterLabel = true;
    rowsWanted = false;
    row = 0;
    if (!ParseLabelLine(line, name, value)) {
      ok = false;
      continue;
    }
    if (line.GetErrorCode() != 0) ok = false;
    if (!table.Insert(name, value)) {
      ok = false;
      continue;
    }
    lastName = name;
    rowsWanted = true;
  }
  return ok;
}

bool ScomFile::ReadSymbols() { return ReadEntries(0, static_cast<int>(lines.size()), labels); }

bool ScomFile::ReadDataBlock() {
  const int open = FindBlockLine("DATA", 0);
  if (open < 0) return true;
  const int end = BlockEnd(open);
  bool ok = true;
  // Element lines, and a block opened inside, have no place here.
  const bool blockInside =
      end < static_cast<int>(lines.size()) && BlockKeyword(lines[end]) != "END";
  for (int i = open + 1; i <= end; ++i) {
    if (i < end ? IsElementLine(lines[i]) : blockInside) {
      Error("Datensegment: keine Schaltsymbole", 4);
      ok = false;
    }
  }
  return ReadEntries(open + 1, end, dataTable) && ok;
}

bool ScomFile::ReadFreqBlock() {
  const int open = FindBlockLine("FREQ", 0);
  if (sweep == nullptr || open < 0 || open + 1 >= static_cast<int>(lines.size())) {
    freqPresent = false;
    return false;
  }
  MyStrng rest(lines[open + 1]);
  const bool logarithmic = rest.GetNextToken() == "FEXP";
  sweep->previousMode = sweep->mode;
  sweep->mode = logarithmic ? 'E' : 'L';
  rest = rest.RemoveNextToken();
  FreqWert fstart(rest.GetNextToken());
  rest = rest.RemoveNextToken();
  IntegerWert count(rest.GetNextToken());
  rest = rest.RemoveNextToken();
  FreqWert fstop(rest.GetNextToken());

  const double start = fstart.CheckSyntax() ? fstart.Value() : NAN;
  const double stop = fstop.CheckSyntax() ? fstop.Value() : NAN;
  const bool usable =
      std::isfinite(start) && std::isfinite(stop) && stop > start && (!logarithmic || start > 0.0);
  if (!usable) {
    Error(kBadSweep, 4);
    freqPresent = false;
    return false;
  }
  const long n = count.Value();
  sweep->SetStart(start);
  sweep->SetStop(stop);
  sweep->SetCount(static_cast<int>(n < kMinSweepCount   ? kMinSweepCount
                                   : n > kMaxSweepCount ? kMaxSweepCount
                                                        : n));
  sweep->Prepare();
  return true;
}

void ScomFile::ReadOutBlock() {
  const int open = FindBlockLine("OUT", 0);
  if (open < 0 || open + 1 >= static_cast<int>(lines.size())) return;
  MyStrng line(lines[open + 1]);
  const MyStrng kind = line.GetNextToken();
  if (kind == "S" || kind == "V" || kind == "Z" || kind == "Y") outKind = kind.GetAt(0);
  outFormat = line.RemoveNextToken();
}

bool ScomFile::CheckDefinition(const MyStrng& value) {
  const char digit = value.GetAt(0);
  if (digit != '1' && digit != '2') {
    Error("UsrNet falsch definiert nur 1POR oder 2POR erlaubt", 4);
    return false;
  }
  if (value.Mid(2, 3) != "POR") {
    Error("Schlüsselwort POR nicht vorhanden", 4);
    return false;
  }
  MyStrng rest = value.Mid(5, value.GetLength());
  rest.TrimLeft();
  const int count = CountTokens(GetNodeList(rest));
  // Both ports of a two-port need their node.
  if (count < digit - '0' || count > 2) {
    Error("UsrDefNet: Falsche Knotenanzahl", 4);
    return false;
  }
  return true;
}

bool ScomFile::ReadUsrNetDefinitions() {
  definitions.RemoveAll();
  definitionBlocks.clear();
  bool ok = true;
  int open = -1;
  for (int block = 0; block < blkCount; ++block) {
    open = FindBlockLine("BLK", open + 1);
    if (open < 0) break;
    const int end = BlockEnd(open);
    int found = 0;
    bool refused = false;  // the block's fault is told; counting its definitions tells nothing
    for (int i = open + 1; i < end; ++i) {
      const MyStrng& text = lines[i];
      if (IsSkipped(text)) continue;
      // Any other line without ':' is a definition that lacks it: an instance of a network
      // whose block stands later, or a word that is no element.
      if (!HasLabelColon(text) && (IsElementLine(text) || IsUsrNetName(text))) continue;
      ++found;
      NetLine line(text);
      MyStrng name;
      MyStrng value;
      // A network named like an element keyword could never be used as an instance.
      if (!ParseLabelLine(line, name, value) || line.GetErrorCode() != 0 ||
          Elements().Knows(name)) {
        Error("Syntaxfehler: UsrNet falsch definiert", 4);
        ok = false;
        refused = true;
        continue;
      }
      if (!CheckDefinition(value)) {
        ok = false;
        refused = true;
      } else if (definitions.Insert(name, value)) {
        definitionBlocks.push_back(open);
      } else {
        code = 4;  // a second network of that name; the table has reported it
        ok = false;
      }
    }
    if (refused) continue;
    if (found > 1) {
      Error("Syntaxfehler: Zuviele Definitionen", 4);
      ok = false;
    } else if (found == 0) {
      Error("Syntaxfehler: Keine N-Definition", 4);
      ok = false;
    }
  }
  return ok;
}

int ScomFile::FreeDataSlot() const {
  for (int i = 0; i < kMaxDataObjects; ++i) {
    if (!dataObjects[i]) return i;
  }
  return -1;
}

void ScomFile::BuildDataObjects() {
  const std::vector<TabElement> entries = dataTable.GetEntries();
  bool overflowReported = false;
  for (size_t i = 0; i < entries.size();) {
    const TabElement& entry = entries[i];
    size_t next = i + 1;
    while (next < entries.size() && entries[next].IsRow()) ++next;
    if (entry.IsRow()) {
      i = next;
      continue;
    }
    const DataObjectRegistry::Kind* kind = DataKinds().Find(entry.GetValue().GetNextToken());
    if (kind != nullptr && FreeDataSlot() < 0) {
      if (!overflowReported) Error("Datensegment: mehr als 20 Datenobjekte", 4);
      overflowReported = true;
    } else if (kind != nullptr) {
      const std::vector<TabElement> rows(entries.begin() + static_cast<long>(i) + 1,
                                         entries.begin() + static_cast<long>(next));
      AddDataObject(*kind, entry, rows);
    }
    i = next;
  }
}

void ScomFile::AddDataObject(const DataObjectRegistry::Kind& kind, const TabElement& entry,
                             const std::vector<TabElement>& rows) {
  const NetLine line(entry.GetName() + ": " + entry.GetValue());
  DataObjectFactory make = kind.make;
  if (kind.isTable) {
    if (rows.empty()) return;
    if (CountTokens(rows.front().GetValue()) > 3) make = kind.makeWide;
  }
  if (make == nullptr) return;
  std::unique_ptr<NetDataElm> object(make(entry.GetName(), line));
  if (!object) return;

  if (kind.isTable) {
    for (const TabElement& row : rows) {
      NetLine check(row.GetValue());
      object->LinkReferences(check);
      if (check.GetErrorCode() != 0 || object->GetErrorCode() != 0) return;
      object->AddDataLine(row.GetValue());
    }
  } else {
    NetLine check(line);
    object->LinkReferences(check);
    if (check.GetErrorCode() != 0 || object->GetErrorCode() != 0) return;
    object->ParseLine(labels);
  }
  if (object->GetErrorCode() != 0 || object->GetLine().GetErrorCode() != 0) return;
  dataObjects[FreeDataSlot()] = std::move(object);
  ++dataObjectCount;
}

NetDataElm* ScomFile::FindDataObject(const MyStrng& name) const {
  for (const auto& object : dataObjects) {
    if (object && object->GetName() == name) return object.get();
  }
  return nullptr;
}

void ScomFile::DeleteDataObjects() {
  for (auto& object : dataObjects) object.reset();
  dataObjectCount = 0;
}

bool ScomFile::IsElementLine(const MyStrng& line) const {
  const MyStrng word = line.GetNextToken();
  return word == kKeywordWithoutElement || Elements().Knows(word);
}

bool ScomFile::IsUsrNetName(const MyStrng& line) const {
  return definitions.Lookup(line.GetNextToken()) != SymbolTable::kNotFound;
}

NetElement* ScomFile::CreateElement(const NetLine& line) {
  MyStrng copy(line);
  const MyStrng keyword = copy.GetNextToken();
  if (IsUsrNetName(keyword)) {
    UsrDefNet* net = FindUsrNet(keyword);
    if (net == nullptr) return nullptr;
    if (net->GetPortCount() == 1) return new UsrDefEinTor(net, line);
    if (net->GetPortCount() == 2) return new UsrDefZweiTor(net, line);
    Error("Fall nicht implementiert", 4);
    return nullptr;
  }
  // A line that ends in a name lies on that DATA entry, whether the entry exists or not: its
  // element then reports a missing one by that name.
  NetElementFactory make = Elements().Find(keyword, !GetTrailingName(copy).IsEmpty());
  return make != nullptr ? make(line) : nullptr;
}

void ScomFile::FillFrame(const TabElement& definition, UsrNetBasis& frame) const {
  frame.name = definition.GetName();
  frame.portDefinition = definition.GetValue();
  frame.portCount = definition.GetValue().GetAt(0) - '0';
  MyStrng rest(definition.GetValue());
  rest = rest.RemoveNextToken();
  const MyStrng nodeList = GetNodeList(rest);
  int numbers[2 * UsrNetBasis::kMaxPorts] = {};
  const int count = ReadNodes(nodeList, numbers, 2 * UsrNetBasis::kMaxPorts);
  frame.definitionNodes.assign(numbers, numbers + count);
  for (int k = 0; k < frame.portCount; ++k) {
    if (count == frame.portCount) {
      frame.ports[k] = Zweig(numbers[k], 0);
    } else if (count == 2 * frame.portCount) {
      frame.ports[k] = Zweig(numbers[2 * k], numbers[2 * k + 1]);
    }
  }
}

bool ScomFile::ReadBlockElements(int open, UsrNetBasis& frame) {
  bool ok = true;
  const int end = BlockEnd(open);
  for (int i = open + 1; i < end; ++i) {
    const MyStrng& text = lines[i];
    if (text.IsEmpty() || IsComment(text)) continue;
    if (text.GetNextToken() == frame.name) {
      if (HasLabelColon(text)) continue;  // the definition line
      Error(MyStrng("Netzwerk verwendet sich selbst: ") + frame.name, 4);
      ok = false;
      continue;
    }
    NetLine line(text);
    NetElement* element = CreateElement(line);
    if (element != nullptr && element->HasContinuation()) {
      while (i + 1 < end && IsContinuation(lines[i + 1])) element->AddContinuation(lines[++i]);
    }
    bool accepted = false;
    if (element != nullptr) {
      NetLine check(line);
      element->LinkReferences(check);
      if (check.GetErrorCode() == 0 && element->GetErrorCode() == 0) {
        element->ParseLine(labels);
        accepted = element->GetLine().GetErrorCode() == 0 && element->GetErrorCode() == 0;
      }
    }
    if (!accepted) {
      line.Error(MyStrng(line) + "Syntaxfehler", 4);
      delete element;
      ok = false;
      continue;
    }
    frame.elements.Append(element);
    for (int k = 0; k < element->GetNodeCount(); ++k) {
      if (element->GetNode(k) != 0) frame.nodeList.Append(element->GetNode(k));
    }
  }
  for (int k = 0; k < frame.portCount; ++k) {
    if (frame.ports[k].nodePlus != 0) frame.nodeList.Append(frame.ports[k].nodePlus);
    if (frame.ports[k].nodeMinus != 0) frame.nodeList.Append(frame.ports[k].nodeMinus);
  }
  frame.elementCount = frame.elements.GetCount();
  frame.nodeCount = frame.nodeList.GetCount();
  return ok;
}

bool ScomFile::BuildNets() {
  bool ok = true;
  size_t d = 0;
  definitions.ForEach([&](const TabElement& definition) {
    if (d >= definitionBlocks.size()) return;
    UsrNetBasis frame;
    FillFrame(definition, frame);
    ok = ReadBlockElements(definitionBlocks[d++], frame) && ok;
    if (frame.AllLinear()) {
      auto net = std::make_unique<UsrDefNet>(frame, sweep);
      net->SetUp();
      frame.ownsElements = false;
      usrNetsByName.emplace(net->GetName().ToCString(), net.get());
      usrNets.push_back(std::move(net));
    } else {
      auto net = std::make_unique<NonLinearUsrNet>(frame);
      net->Allocate();
      frame.ownsElements = false;
      nonLinearNets.push_back(std::move(net));
    }
  });
  // A network without a refused line would compute a different circuit: no run.
  if (!ok) code = 4;
  return ok;
}

void ScomFile::PlanComputation() {
  std::unordered_set<const UsrDefNet*> used;
  if (!usrNets.empty()) used.insert(usrNets.back().get());
  // Instances name only earlier networks, so one pass from the last one finds them all.
  for (auto net = usrNets.rbegin(); net != usrNets.rend(); ++net) {
    if (used.count(net->get()) == 0) continue;
    // The exact type suffices (both classes are final), and costs far less than a cast that
    // searches the class hierarchy of every element.
    (*net)->GetElements().ForEach([&used](const NetElement* element) {
      const std::type_info& type = typeid(*element);
      if (type == typeid(UsrDefEinTor)) {
        used.insert(static_cast<const UsrDefEinTor*>(element)->GetNet());
      } else if (type == typeid(UsrDefZweiTor)) {
        used.insert(static_cast<const UsrDefZweiTor*>(element)->GetNet());
      }
    });
  }
  computedNets.clear();
  for (auto& net : usrNets) {
    if (used.count(net.get()) != 0) computedNets.push_back(net.get());
  }
  plannedNets = usrNets.size();
}

void ScomFile::AllocateUsrNetResults() {
  PlanComputation();
  for (auto& net : usrNets) {
    if (net == usrNets.back()) {
      net->AllocateResults();
    } else {
      net->ReleaseResults();
    }
  }
}

bool ScomFile::StartDcSweeps(const MyStrng& supplyName) {
  // A net without a supply is no failure; one that reported while starting is.
  bool started = true;
  for (auto& net : nonLinearNets) {
    if (net->StartDcSweep(supplyName) == 0 && net->GetErrorCode() != 0) started = false;
  }
  return started;
}

bool ScomFile::ComputeAt(float frequency) {
  if (plannedNets != usrNets.size()) PlanComputation();
  for (UsrDefNet* net : computedNets) net->FillMatrix(frequency);
  return true;
}

void ScomFile::SetSourceVoltage(const MyStrng& sourceName, const Cmplx& u) {
  if (!usrNets.empty()) usrNets.back()->SetSourceVoltage(sourceName, u);
}

void ScomFile::DriveOnly(const MyStrng& sourceName) {
  if (!usrNets.empty()) usrNets.back()->DriveOnly(sourceName);
}

UsrDefNet* ScomFile::FindUsrNet(const MyStrng& name) const {
  const auto hit = usrNetsByName.find(name.ToCString());
  return hit == usrNetsByName.end() ? nullptr : hit->second;
}

UsrDefNet* ScomFile::GetUsrNet(int i) const {
  return (i >= 0 && i < GetUsrNetCount()) ? usrNets[static_cast<size_t>(i)].get() : nullptr;
}

NonLinearUsrNet* ScomFile::GetNonLinearNet(int i) const {
  return (i >= 0 && i < GetNonLinearNetCount()) ? nonLinearNets[static_cast<size_t>(i)].get()
                                                : nullptr;
}

void ScomFile::DeleteUsrNets() {
  computedNets.clear();
  plannedNets = 0;
  usrNetsByName.clear();
  usrNets.clear();
}

void ScomFile::EnableUsrNetFlag() {
  for (auto& net : usrNets) net->resultsReady = 1;
}

void ScomFile::DisableUsrNetFlag() {
  for (auto& net : usrNets) net->resultsReady = 0;
}

void ScomFile::SetRegistries(const ElementRegistry* elementKinds,
                             const DataObjectRegistry* dataKinds) {
  elementRegistry = elementKinds;
  dataRegistry = dataKinds;
}

const ElementRegistry& ScomFile::Elements() const {
  return elementRegistry != nullptr ? *elementRegistry : ElementRegistry::Global();
}

const DataObjectRegistry& ScomFile::DataKinds() const {
  return dataRegistry != nullptr ? *dataRegistry : DataObjectRegistry::Global();
}
