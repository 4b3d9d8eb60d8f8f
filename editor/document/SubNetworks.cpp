#include "editor/document/SubNetworks.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/NetlistBuilder.h"
#include "pf/path_map.h"
#include "simulator/NetlistBlocks.h"

namespace {

struct Network {
  Network(std::string file, MyStrng name) : file(std::move(file)), name(std::move(name)) {}

  std::string file;  // as the message names it
  MyStrng name;
  bool complete = false;
  LineFile lines;
};

struct Networks {
  std::vector<Network> all;
  std::unordered_map<std::string, size_t> byFile;  // by pf::FileKey
  std::unordered_map<std::string, size_t> byName;
  std::vector<size_t> completed;
  // Files refused already: their other instances say it no more.
  std::unordered_set<std::string> refused;
};

Networks& The() {
  static Networks networks;
  return networks;
}

void ReportClash(const MyStrng& name, const std::string& first, const std::string& second) {
  VS_Error().Error(MyStrng("Zwei Dateien ergeben das Netzwerk ") + name + ": " + MyStrng(first) +
                       " und " + MyStrng(second) + ", eine davon umbenennen",
                   4);
}

}  // namespace

bool SubNetworks::Active() { return NetlistBuilder::OutermostBuild() != 0; }

void SubNetworks::Begin(const MyStrng& name, const std::string& file) {
  Networks& n = The();
  n = Networks();
  // Named by its whole path, as the sub-circuits' files are.
  std::string shown = file.empty() ? name.ToCString() : pf::AbsolutePath(file);
  if (shown.empty()) shown = file;
  n.all.emplace_back(shown, name);
  n.byName.emplace(name.ToCString(), 0);
  if (!file.empty()) n.byFile.emplace(pf::FileKey(file), 0);
}

SubNetworks::Entry SubNetworks::Enter(const std::string& file, MyStrng& name) {
  Networks& n = The();
  const std::string key = pf::FileKey(file);
  if (const auto met = n.byFile.find(key); met != n.byFile.end()) {
    const Network& network = n.all[met->second];
    name = network.name;
    return network.complete ? Entry::kKnown : Entry::kHolding;
  }
  if (const auto named = n.byName.find(name.ToCString()); named != n.byName.end()) {
    if (n.refused.insert(key).second) ReportClash(name, n.all[named->second].file, file);
    return Entry::kRefused;
  }
  n.byFile.emplace(key, n.all.size());
  n.byName.emplace(name.ToCString(), n.all.size());
  n.all.emplace_back(file, name);
  return Entry::kNew;
}

bool SubNetworks::Complete(const std::string& file, const LineFile& lines) {
  Networks& n = The();
  const auto met = n.byFile.find(pf::FileKey(file));
  if (met == n.byFile.end() || n.all[met->second].complete) return true;
  Network& network = n.all[met->second];
  network.complete = true;
  network.lines.AppendLines(lines);
  n.completed.push_back(met->second);
  // A netlist text may define more networks than its own.
  bool alone = true;
  ForEachDefinition(lines, [&](const MyStrng& name, int) {
    if (!alone) return;
    const auto [named, added] = n.byName.emplace(name.ToCString(), met->second);
    if (added || named->second == met->second) return;
    ReportClash(name, n.all[named->second].file, file);
    alone = false;
  });
  return alone;
}

void SubNetworks::ForEach(const std::function<void(const LineFile&)>& visit) {
  const Networks& n = The();
  for (const size_t i : n.completed) visit(n.all[i].lines);
}

namespace {

// The n of a definition line "NAME: nPOR nodes..." and its NAME; n is 0 when the word after
// the colon is no port keyword or the colon is missing.
int ReadDefinition(const MyStrng& line, MyStrng& name) {
  name = line.GetNextToken();
  MyStrng rest(line);
  rest = rest.RemoveNextToken();
  if (rest.GetAt(0) != ':') return 0;
  rest.DeleteLeft(1);
  const MyStrng keyword = rest.GetNextToken();
  return keyword.GetLength() == 4 && keyword.Mid(2, 3) == "POR" ? keyword.Mid(1, 1).ToInt() : 0;
}

}  // namespace

void ForEachDefinition(const LineFile& text,
                       const std::function<void(const MyStrng& name, int ports)>& visit) {
  // The reader takes definitions from its networks' blocks only; elsewhere such a line is a
  // label or a table entry.
  ForEachBlockLine(text, [&](const MyStrng& line, std::string_view keyword,
                             std::string_view block) {
    if (!keyword.empty() || block != "BLK") return;
    MyStrng name;
    if (const int ports = ReadDefinition(line, name); ports != 0) visit(name, ports);
  });
}
