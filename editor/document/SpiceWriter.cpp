#include "editor/document/SpiceWriter.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>

#include "basics/ClockTime.h"
#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/document/SpiceModelLookup.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/path_map.h"
#include "simulator/NetlistName.h"

namespace {

// No element numbers more internal nodes than this; a larger answer would only drive the
// counter towards overflow.
constexpr int kMaxInternalNodes = 100;

void Report(const MyStrng& message) {
  VS_Error reporter;
  reporter.Error(message, 4);
}

// An element of the built-in netlist that SPICE would silently lose. The junction dot and the
// instruments have no element line of their own.
bool MissesSpiceForm(const NetSymbol& s) {
  return WritesElementLine(s) && !s.IsInstrument() && s.GetClassKey() != "PktSymbol";
}

// The card of a transient, ".TRAN" in any case, as the pulse and data generators write it.
bool IsTransientCard(const LineFile& card) {
  bool transient = false;
  bool first = true;
  card.ForEach([&](const MyStrng& line) {
    if (first) {
      MyStrng word = line.TrimmedLeft();
      word.MakeUpper();
      transient = word.ToCString().rfind(".TRAN", 0) == 0;
    }
    first = false;
  });
  return transient;
}

MyStrng NextInChain(const NetSymbol& s) {
  const auto* instrument = dynamic_cast<const InstrumentRole*>(&s);
  return instrument != nullptr ? instrument->GetNextInstrumentName() : MyStrng();
}

}  // namespace

bool SpiceWriter::Compose() {
  // The header names the file first, so that a failure has a path to report.
  WriteSpiceHeader();
  if (doc.symbols.GetCount() == 0) return false;
  NetlistBuilder numbering(doc);
  if (!numbering.NumberNodes()) return false;
  const std::vector<NetSymbol*> chain = ControlChain();
  // What the master and its chain write stays in their order, as one card.
  LineFile control;
  for (NetSymbol* s : chain) s->WriteSpiceControl(control);
  doc.spiceChainCount = chain.empty() ? 0 : static_cast<int>(chain.size()) - 1;
  MarkRunning(chain, control);
  WriteElementLines();
  WriteLinks(numbering.Links());
  const bool modelsFound = WriteSpiceModels();
  WriteSpiceCommands(control);
  WriteSpiceTrailer();
  return modelsFound;
}

std::vector<NetSymbol*> SpiceWriter::ControlChain() const {
  std::vector<NetSymbol*> chain;
  NetSymbol* master = doc.FindActiveInstrument();
  if (master == nullptr || doc.operatingPointRequest != 0) return chain;
  chain.push_back(master);
  std::set<std::string> visited{master->GetElementName().ToCString()};
  for (MyStrng next = NextInChain(*master); !next.IsEmpty() && !(next == "NoSlave");) {
    NetSymbol* slave = doc.FindSymbolByName(next);
    // A chain that comes back to an instrument already written ends there.
    if (slave == nullptr || !visited.insert(next.ToCString()).second) break;
    chain.push_back(slave);
    next = NextInChain(*slave);
  }
  return chain;
}

void SpiceWriter::MarkRunning(const std::vector<NetSymbol*>& chain, const LineFile& card) {
  // Every analysis is its chain's (supplies hold their value whoever runs). A file of no
  // analysis keeps every source as drawn, for whatever card the user adds.
  const bool noAnalysis = card.GetCount() == 0 && doc.operatingPointRequest == 0;
  const bool transient = IsTransientCard(card);
  doc.ForEachInstrument([&](NetSymbol& s, InstrumentRole& instrument) {
    const bool inChain = std::find(chain.begin(), chain.end(), &s) != chain.end();
    instrument.SetRunning(noAnalysis || inChain);
    instrument.SetTransient(transient);
  });
}

void SpiceWriter::WriteSpiceHeader() {
  LineFile& lines = doc.netlistLines;
  lines.RemoveAll();
  const MyStrng name = GeneratedFileName(doc, ".cir");
  const SpiceSettings* spice = doc.spiceSettings;
  if (spice != nullptr && spice->enabled != 0 && !spice->home.IsEmpty()) {
    // Mapped before the circuit's name joins it: that name is no Windows path, its '\' stays.
    doc.spiceDirectory = MyStrng(pf::MapWindowsPath(spice->home.GetBuffer()));
  } else {
    // Without a SPICE program the file goes next to the document.
    doc.spiceDirectory = MyStrng(std::filesystem::path(doc.GetPathName()).parent_path().string());
  }
  const std::string folder = doc.spiceDirectory.ToCString();
  const bool separated = folder.empty() || folder.back() == '/';
  lines.fileName = doc.spiceDirectory + (separated ? "" : "/") + name;
  lines.AddLine(NetlistName(doc.GetTitle()));
  lines.AddLine("*");
  lines.AddLine("* Spice-File erzeugt von Vostrane");
  lines.AddLine("* KT-Morvaburg a. S.");
  lines.AddLine("* Werkraum für Wellenleitertest");
  lines.AddLine(MyStrng("* ") + GeneratedFileDate());
  lines.AddLine("*");
}

void SpiceWriter::WriteElementLines() {
  LineFile& lines = doc.netlistLines;
  doc.symbols.ForEach([&](NetSymbol* s) {
    const int before = lines.GetCount();
    const VS_ErrorMark reports;
    const int added = s->WriteSpiceLines(lines, doc.nodeCounter);
    doc.nodeCounter += std::clamp(added, 0, kMaxInternalNodes);
    // The file is still written: the rest of the circuit may be what the user wants to see. A
    // symbol that reported why it wrote nothing has said enough.
    const bool silent = lines.GetCount() == before && !reports.Any();
    if (s->LacksSpiceForm() || (silent && MissesSpiceForm(*s))) {
      Report(s->GetElementName() + ": kein Spice-Modell, fehlt im Spice-File");
    }
  });
}

void SpiceWriter::WriteLinks(const std::vector<std::pair<int32_t, int32_t>>& links) {
  // SPICE has no 0 ohm resistor; a source of 0 V is its exact short.
  for (const auto& [low, high] : links) {
    const MyStrng a(high), b(low);
    doc.netlistLines.AddLine(MyStrng("VJOIN_") + a + "_" + b + " " + a + " " + b + " DC 0");
  }
}

bool SpiceWriter::WriteSpiceModels() {
  LineFile& lines = doc.netlistLines;
  doc.modelNames.RemoveAll();
  lines.AddLine("*");
  lines.AddLine("* Modelle");
  lines.AddLine("*");
  // Without a library only a symbol that writes a card of its own values adds anything.
  const SpiceLibrary* library = SpiceModelLookup(&doc).Library();
  bool found = true;
  doc.symbols.ForEach([&](NetSymbol* s) {
    if (!s->UsesSpiceModel()) return;
    const MyStrng name = s->SpiceModelName();
    if (doc.modelNames.Find(name)) return;
    const int before = lines.GetCount();
    s->WriteSpiceModel(library, lines);
    // The SPICE program would stop at the name; every element that names it is reported.
    if (lines.GetCount() == before) {
      Report(MissingSpiceModel(*s));
      found = false;
      return;
    }
    doc.modelNames.Append(name);
  });
  return found;
}

void SpiceWriter::WriteSpiceCommands(const LineFile& control) {
  LineFile& lines = doc.netlistLines;
  lines.AddLine("*");
  lines.AddLine("* Commandos");
  lines.AddLine("*");
  if (control.GetCount() > 0) {
    lines.AppendLines(control);
    return;
  }
  if (doc.HasDcGenerator() && doc.operatingPointRequest != 0) {
    lines.AddLine(".OP");
    doc.operatingPointRequest = 0;
  }
}

void SpiceWriter::WriteSpiceTrailer() {
  LineFile& lines = doc.netlistLines;
  for (const char* line : {"*", "* Das war's", "*", ".save all", ".end"}) lines.AddLine(line);
}

MyStrng GeneratedFileDate() {
  std::tm parts{};
  const bool converted = ClockTime(parts);
  const int day = converted ? parts.tm_mday : 0;
  const int month = converted ? parts.tm_mon + 1 : 0;
  const int year = converted ? parts.tm_year + 1900 : 0;
  const int hour = converted ? parts.tm_hour : -1;
  const int minute = converted ? parts.tm_min : -1;
  const int second = converted ? parts.tm_sec : -1;
  return MyStrng(day) + "." + MyStrng(month) + "." + MyStrng(year) + "  " + MyStrng(hour) + ":" +
         MyStrng(minute) + ":" + MyStrng(second);
}

bool CVostraneDoc::WriteSpiceFile(pf::Window* window) {
  const bool composed = SpiceWriter(*this).Compose();
  const bool written = composed && netlistLines.WriteFile();
  if (composed && !written) {
    Report(MyStrng("Datei konnte nicht geschrieben werden: ") + netlistLines.fileName);
  }
  // The file of the circuit before its change, still on the disk, is not run in its place.
  if (!written) {
    spiceManager.ForgetNetlist(netlistLines.fileName);
    return false;
  }
  if (window != nullptr) netlistLines.CopyToClipboard(window);
  spiceManager.SetNetlistPath(netlistLines.fileName);
  spiceManager.SetNetlistName(GeneratedFileName(*this, ".cir"));
  // Two circuits of one title are told apart by their folders.
  spiceManager.SetCircuitName(MyStrng(GetPathName().empty() ? GetTitle() : GetPathName()));
  return true;
}
