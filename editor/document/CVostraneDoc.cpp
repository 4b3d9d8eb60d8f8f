#include "editor/document/CVostraneDoc.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/StoredValues.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/archive.h"
#include "pf/path_map.h"
#include "pf/profile.h"
#include "pf/ui_services.h"


namespace {

constexpr std::pair<std::string_view, const char*> kNamePrefixes[] = {
    {"WIDERSTAND", "R"},
    {"MICTRANSLINE", "Mic"},
    {"MICOPENSTUB", "Ost"},
    {"MICSHORTSTUB", "Sst"},
    {"KAPAZITAET", "C"},
    {"INDUKTIVITAET", "L"},
    {"TEMTRANSLINE", "Trl"},
    {"VecNetAnaSymbol", "VNA"},
    {"SpecAnaSymbol", "Spec"},
    {"OsziSymbol", "Oszi"},
    {"MultiMeterSymbol", "Mu"},
    {"SignalGenSymbol", "SigGen"},
    {"DataGeneratorSymbol", "DatG"},
    {"ImpulsGeneratorSymbol", "ImpGen"},
    {"AudioSourceSymbol", "Tape"},
    {"SpeakerSymbol", "Speaker"},
    {"PARRESCIRCUIT", "Ps"},
    {"SERRESCIRCUIT", "Rs"},
    {"PNDiodeSymbol", "D"},
    {"BipSpiceSymbol", "QT"},
    {"OpaSpiceSymbol", "OP"},
    {"FetSpiceSymbol", "J"},
    {"PlotterSymbol", "Plot"},
    {"VOLCONVOL", "Vvg"},
    {"VOLCONCUR", "Vcg"},
    {"CURCONCUR", "Ccg"},
};

// A message may quote a key from a damaged file; a few dozen characters tell enough.
constexpr int32_t kQuotedKeyLength = 40;

void Report(const MyStrng& message) {
  VS_Error reporter;
  reporter.Error(message, 4);
}

// A wire reports every grid point it covers, but only its stored end pins join.
int UsedPins(const NetSymbol& s) {
  return std::clamp(std::min(s.GetPinCount(), s.pinCount), 0, NetSymbol::kMaxPins);
}

bool HasKey(const NetSymbol& s, const char* key) { return s.GetClassKey() == key; }

}  // namespace

int32_t NodTransTable::Lookup(const Point& position) const {
  for (const NodTransElem& e : entries) {
    if (e.position == position) return e.node;
  }
  return -1;
}

CVostraneDoc::CVostraneDoc(pf::Profile* profile, const SpiceSettings* spice)
    : profile(profile), spiceSettings(spice) {
  if (profile == nullptr) return;
  FreqWert frequency(MyStrng(profile->GetProfileString(kProfileSection, "Def_Freq", "4.0GHz")));
  if (frequency.CheckSyntax()) defaultFrequency = frequency.Value();
  simulatorName =
      MyStrng(profile->GetProfileString(kProfileSection, "Def_Sim", simulatorName.GetBuffer()));
}

CVostraneDoc::~CVostraneDoc() {
  DeleteSymbols();
  // The last document closed chooses the simulator of the next new one.
  if (profile == nullptr || IsSubCircuit()) return;
  profile->WriteProfileString(kProfileSection, "Def_Freq", FreqWert(defaultFrequency).GetBuffer());
  profile->WriteProfileString(kProfileSection, "Def_Sim", simulatorName.GetBuffer());
}

void CVostraneDoc::DeleteSymbols() {
  symbols.ForEach([](NetSymbol* s) { delete s; });
  symbols.RemoveAll();
  ForgetNames();
}

void CVostraneDoc::DeleteContents() {
  DeleteSymbols();
  needsRecalculation = 1;
}

void CVostraneDoc::SetModifiedFlag(bool modified) {
  pf::Document::SetModifiedFlag(modified);
  needsRecalculation = 1;
  ForgetNames();
}

void CVostraneDoc::SetSubCircuit(const MyStrng& displayName) {
  subCircuitFlag = 1;
  subCircuitName = displayName;
}

void CVostraneDoc::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    StoreFile(ar);
  } else {
    LoadFile(ar);
  }
}

void CVostraneDoc::StoreFile(pf::Archive& ar) {
  formatValue.Serialize(ar);
  simulatorName.Serialize(ar);
  ar << static_cast<uint32_t>(symbols.GetCount());
  symbols.ForEach([&ar](NetSymbol* s) {
    MyStrng key = s->GetClassKey();
    key.Serialize(ar);
    s->Serialize(ar);
  });
}

void CVostraneDoc::LoadFile(pf::Archive& ar) {
  // Everything goes into locals first: a failing record leaves the document as it was.
  FloatWert format = formatValue;
  MyStrng simulator = simulatorName;
  format.Serialize(ar);
  simulator.Serialize(ar);
  uint32_t count = 0;
  ar >> count;
  // Every record holds at least its key's capacity field.
  ar.CheckCount(count, kMaxSymbols, sizeof(int32_t));
  std::vector<std::unique_ptr<NetSymbol>> loaded;
  loaded.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    MyStrng key;
    key.Serialize(ar);
    std::unique_ptr<NetSymbol> symbol = CreateSymbolByKey(key);
    if (!symbol) {
      loadFailure = MyStrng("Unbekannter Elementtyp in der Datei: ") + key.Mid(1, kQuotedKeyLength);
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "unknown class key");
    }
    try {
      symbol->Serialize(ar);
    } catch (const StoredValueError& damaged) {
      loadFailure = damaged.what();
      throw;
    } catch (const pf::ArchiveError& damaged) {
      // A stored number is named with its symbol, as a value text is.
      if (damaged.kind() == pf::ArchiveError::Kind::NotFinite) {
        loadFailure = StoredValueError(*symbol, damaged.what()).what();
      }
      throw;
    }
    // The record names its class twice; a symbol that disagrees would be saved under another.
    if (symbol->GetClassKey() != key) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "class key of the record");
    }
    symbol->ReloadBitmap();
    loaded.push_back(std::move(symbol));
  }
  DeleteSymbols();
  for (std::unique_ptr<NetSymbol>& s : loaded) {
    s->document = this;
    symbols.Append(s.release());
  }
  formatValue = format;
  simulatorName = simulator;
  needsRecalculation = 1;
}

bool CVostraneDoc::OnOpenDocument(const std::string& path) {
  loadFailure.Clear();
  openFailure.Clear();
  if (pf::Document::OnOpenDocument(path)) return true;
  if (!OpenRefusal().empty()) {
    openFailure = MyStrng(OpenRefusal());
  } else if (!OpenedFile()) {
    openFailure = MyStrng("Datei kann nicht geöffnet werden: ") + path.c_str();
  } else {
    openFailure =
        loadFailure.IsEmpty() ? MyStrng("Datei ist beschädigt: ") + path.c_str() : loadFailure;
  }
  Report(openFailure);
  return false;
}

bool CVostraneDoc::OnSaveDocument(const std::string& path) {
  if (!pf::Document::OnSaveDocument(path)) return false;
  spiceManager.SetCircuitName(MyStrng(pf::MapWindowsPath(path)));
  return true;
}

std::string CVostraneDoc::TakeOpenFailure(const std::string& path) {
  if (openFailure.IsEmpty()) return pf::Document::TakeOpenFailure(path);
  // The box shows it now; the error window must not bring it up a second time.
  if (VS_Error::MessageCount() == 1 && VS_Error::Message(0) == openFailure) VS_Error::ClearQueue();
  return openFailure.ToCString();
}

std::unique_ptr<NetSymbol> CVostraneDoc::CreateSymbolByKey(const MyStrng& key) {
  return SymbolRegistry::Global().Create(key);
}

MyStrng CVostraneDoc::GetDefaultNamePrefix(const NetSymbol& symbol) {
  const MyStrng key = symbol.GetClassKey();
  if (key == "DcGeneratorSymbol") {
    const auto* generator = dynamic_cast<const DcGeneratorRole*>(&symbol);
    return generator != nullptr && generator->GetSourceMode() == 'I' ? "IDc" : "VDc";
  }
  for (const auto& [k, prefix] : kNamePrefixes) {
    if (k == key.GetBuffer()) return prefix;
  }
  return "Cmp";
}

void CVostraneDoc::KnowNames() {
  const auto count = static_cast<size_t>(symbols.GetCount());
  if (namedCount == count) return;
  takenNames.clear();
  firstFreeNumbers.clear();
  symbols.ForEach([this](NetSymbol* s) { takenNames.insert(s->GetElementName().ToCString()); });
  namedCount = count;
}

void CVostraneDoc::AssignDefaultName(NetSymbol& symbol) {
  KnowNames();
  const MyStrng prefix = GetDefaultNamePrefix(symbol);
  int& first = firstFreeNumbers.try_emplace(prefix.ToCString(), 1).first->second;
  for (; first <= kMaxNameNumber; ++first) {
    MyStrng candidate = prefix + IntegerWert(first);
    if (!takenNames.contains(candidate.ToCString())) {
      symbol.elementName = candidate;
      return;
    }
  }
}

bool CVostraneDoc::RefuseSymbolCount(size_t count) {
  if (count <= kMaxSymbols) return false;
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox("Zu viele Elemente", "Fehler", pf::MsgButtons::Ok,
                                 pf::MsgIcon::Error);
  return true;
}

bool CVostraneDoc::AddSymbol(NetSymbol* symbol) {
  if (RefuseSymbolCount(static_cast<size_t>(symbols.GetCount()) + 1)) {
    delete symbol;
    return false;
  }
  AssignDefaultName(*symbol);
  symbol->document = this;
  symbols.Append(symbol);
  SetModifiedFlag(true);
  // The new symbol's name is the only one that changed.
  takenNames.insert(symbol->GetElementName().ToCString());
  namedCount = static_cast<size_t>(symbols.GetCount());
  return true;
}

void CVostraneDoc::RemoveSymbol(NetSymbol* symbol) {
  symbols.Remove(symbol);
  symbol->document = nullptr;
  SetModifiedFlag(true);
}

int CVostraneDoc::CountSymbolsWithKey(const MyStrng& key) const {
  int n = 0;
  symbols.ForEach([&](NetSymbol* s) { n += s->GetClassKey() == key ? 1 : 0; });
  return n;
}

NetSymbol* CVostraneDoc::FindSymbolByName(const MyStrng& name) const {
  NetSymbol* found = nullptr;
  symbols.ForEach([&](NetSymbol* s) {
    if (found == nullptr && s->GetElementName() == name) found = s;
  });
  return found;
}

NetSymbol* CVostraneDoc::FindFirstWithKey(const MyStrng& key) const {
  NetSymbol* found = nullptr;
  symbols.ForEach([&](NetSymbol* s) {
    if (found == nullptr && s->GetClassKey() == key) found = s;
  });
  return found;
}

void CVostraneDoc::MoveSymbolToEnd(const MyStrng& name) {
  NetSymbol* s = FindSymbolByName(name);
  if (s == nullptr) return;
  symbols.Remove(s);
  symbols.Append(s);
}

std::vector<int32_t> CVostraneDoc::PortNumbersInUse() const {
  std::vector<int32_t> numbers;
  symbols.ForEach([&numbers](NetSymbol* s) {
    if (const auto* node = dynamic_cast<const ExKnotenSymbol*>(s)) {
      numbers.push_back(node->portNumber);
    }
  });
  return numbers;
}

bool CVostraneDoc::HasSweptDcGenerator() const {
  bool found = false;
  symbols.ForEach([&found](NetSymbol* s) {
    const auto* generator = dynamic_cast<const DcGeneratorRole*>(s);
    found = found || (generator != nullptr && HasKey(*s, "DcGeneratorSymbol") &&
                      generator->GetOutputMode() == 'V');
  });
  return found;
}

NetSymbol* CVostraneDoc::FindActiveInstrument() const {
  NetSymbol* found = nullptr;
  ForEachInstrument([&found](NetSymbol& s, const InstrumentRole& instrument) {
    if (found == nullptr && instrument.GetActiveFlag() != 0) found = &s;
  });
  return found;
}

NetSymbol* CVostraneDoc::GetRunningInstrument() const {
  bool placed = false;
  symbols.ForEach([&](NetSymbol* s) { placed = placed || s == runningInstrument; });
  return placed ? runningInstrument : nullptr;
}

NetSymbol* CVostraneDoc::FindTransientSource() const {
  return FindAnalysisSource({"DataGeneratorSymbol", "ImpulsGeneratorSymbol"});
}

NetSymbol* CVostraneDoc::FindSmallSignalSource() const {
  return FindAnalysisSource({"SignalGenSymbol"});
}

NetSymbol* CVostraneDoc::FindAnalysisSource(std::initializer_list<const char*> keys) const {
  NetSymbol* first = nullptr;
  NetSymbol* active = nullptr;
  symbols.ForEach([&](NetSymbol* s) {
    if (std::none_of(keys.begin(), keys.end(), [s](const char* k) { return HasKey(*s, k); })) {
      return;
    }
    const auto* instrument = dynamic_cast<const InstrumentRole*>(s);
    if (first == nullptr) first = s;
    if (active == nullptr && instrument != nullptr && instrument->GetActiveFlag() != 0) active = s;
  });
  return active != nullptr ? active : first;
}

bool CVostraneDoc::HasDataItems() const {
  bool found = false;
  symbols.ForEach([&found](NetSymbol* s) { found = found || s->IsDataItem(); });
  return found;
}

bool CVostraneDoc::HitTest(const Point& p) const {
  bool hit = false;
  symbols.ForEach([&](NetSymbol* s) { hit = hit || s->Contains(p); });
  return hit;
}

void CVostraneDoc::DrawAll(pf::Dc& dc) const {
  symbols.ForEach([&dc](NetSymbol* s) { s->Draw(dc); });
}

void CVostraneDoc::SetViewOnAll(pf::View* view) const {
  symbols.ForEach([view](NetSymbol* s) { s->SetView(view); });
}

void CVostraneDoc::RefreshPinMarks() {
  if (needsRecalculation == 0) return;
  // How many symbols have a pin at each position: linear in the circuit's size.
  std::unordered_map<uint64_t, int> owners;
  symbols.ForEach([&owners](NetSymbol* s) {
    std::unordered_set<uint64_t> own;
    for (int i = 0; i < UsedPins(*s); ++i) own.insert(PositionKey(s->pins[i]));
    for (uint64_t key : own) ++owners[key];
  });
  symbols.ForEach([&owners](NetSymbol* s) {
    for (int i = 0; i < UsedPins(*s); ++i) {
      if (owners[PositionKey(s->pins[i])] > 1) {
        s->SetPinConnected(i);
      } else {
        s->SetPinOpen(i);
      }
    }
  });
  needsRecalculation = 0;
  // The symbols repaint their marks in one window of the circuit; the others are drawn anew.
  if (Views().size() > 1) UpdateAllViews(nullptr);
}

bool CVostraneDoc::IsSpiceChosen() const {
  return spiceSettings != nullptr && spiceSettings->enabled != 0 && simulatorName == "Spice";
}

void CVostraneDoc::SelectSpice() {
  if (spiceSettings != nullptr && spiceSettings->enabled != 0) simulatorName = "Spice";
}
