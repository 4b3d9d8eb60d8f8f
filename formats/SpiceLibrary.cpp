#include "formats/SpiceLibrary.h"

#include <vector>

namespace {

// What a dot line of the library opens, read from its upper-cased copy.
struct DotLine {
  MyStrng keyword;  // "MODEL", "SUBCKT", "ENDS", ... ; empty for any other line
  MyStrng name;
  MyStrng type;  // the text before the first '(' behind the name
};

DotLine Read(const MyStrng& line) {
  DotLine dot;
  MyStrng text = line;
  text.MakeUpper();
  if (text.GetAt(0) != '.') return dot;
  text.DeleteLeft(1);
  text.TrimLeft();
  dot.keyword = text.GetNextToken();
  MyStrng rest = text.RemoveNextToken();
  dot.name = rest.GetNextToken();
  rest = rest.RemoveNextToken();
  dot.type = rest.LeftOf("(");
  return dot;
}

bool IsType(const MyStrng& type, std::initializer_list<const char*> wanted) {
  for (const char* w : wanted) {
    if (type == w) return true;
  }
  return false;
}

bool Matches(const DotLine& dot, SpiceLibrary::Kind kind) {
  using Kind = SpiceLibrary::Kind;
  if (dot.keyword == "SUBCKT") {
    return kind == Kind::Any ||
           (kind == Kind::OpAmp && dot.name.GetAt(0) == 'O' && dot.name.GetAt(1) == 'P');
  }
  if (!(dot.keyword == "MODEL")) return false;
  switch (kind) {
    case Kind::Any: return true;
    case Kind::Bipolar: return IsType(dot.type, {"NPN", "PNP"});
    case Kind::Npn: return IsType(dot.type, {"NPN"});
    case Kind::Pnp: return IsType(dot.type, {"PNP"});
    case Kind::Jfet: return IsType(dot.type, {"NJF", "PJF"});
    case Kind::Njf: return IsType(dot.type, {"NJF"});
    case Kind::Pjf: return IsType(dot.type, {"PJF"});
    case Kind::Diode: return IsType(dot.type, {"D"});
    case Kind::OpAmp: return false;
  }
  return false;
}

MyStrng Upper(const MyStrng& line) {
  MyStrng text = line;
  text.MakeUpper();
  return text;
}

}  // namespace

void SpiceLibrary::GetNames(Kind kind, LineFile& names) const {
  ForEach([&](const MyStrng& line) {
    const DotLine dot = Read(line);
    if (Matches(dot, kind)) names.AddLine(dot.name);
  });
}

bool SpiceLibrary::HasModel(const MyStrng& name) const {
  bool found = false;
  ForEach([&](const MyStrng& line) {
    const DotLine dot = Read(line);
    found = found || (dot.keyword == "MODEL" && dot.name == name);
  });
  return found;
}

bool SpiceLibrary::HasSubckt(const MyStrng& name) const {
  bool found = false;
  ForEach([&](const MyStrng& line) {
    const DotLine dot = Read(line);
    found = found || (dot.keyword == "SUBCKT" && dot.name == name);
  });
  return found;
}

void SpiceLibrary::GetModelCard(const MyStrng& name, LineFile& lines) const {
  enum { Before, Open, Closed } state = Before;
  ForEach([&](const MyStrng& line) {
    if (state == Before) {
      const DotLine dot = Read(line);
      if (dot.keyword == "MODEL" && dot.name == name) {
        lines.AddLine(Upper(line));
        state = Open;
      }
    } else if (state == Open) {
      if (line.GetAt(0) == '+') {
        lines.AddLine(Upper(line));
      } else {
        state = Closed;
      }
    }
  });
}

void SpiceLibrary::GetSubcktBlock(const MyStrng& name, LineFile& lines) const {
  enum { Before, Open, Closed } state = Before;
  ForEach([&](const MyStrng& line) {
    if (state == Closed) return;
    const DotLine dot = Read(line);
    if (state == Before) {
      if (!(dot.keyword == "SUBCKT" && dot.name == name)) return;
      state = Open;
    }
    lines.AddLine(Upper(line));
    if (dot.keyword == "ENDS") state = Closed;
  });
}

void SpiceLibrary::RemoveLines(const LineFile& entry) {
  std::vector<MyStrng> card;
  entry.ForEach([&](const MyStrng& line) { card.push_back(line); });
  if (card.empty()) return;
  std::vector<MyStrng> saved;
  ForEach([&](const MyStrng& line) { saved.push_back(line); });
  List<MyStrng>::RemoveAll();
  size_t next = 0;
  for (const MyStrng& line : saved) {
    if (next < card.size() && Upper(line) == card[next]) {
      ++next;
    } else {
      AddLine(line);
    }
  }
}

void SpiceLibrary::RemoveModel(const MyStrng& name) {
  LineFile card;
  GetModelCard(name, card);
  RemoveLines(card);
}

void SpiceLibrary::RemoveSubckt(const MyStrng& name) {
  LineFile block;
  GetSubcktBlock(name, block);
  RemoveLines(block);
}

void SpiceLibrary::ReplaceModel(const MyStrng& name, const LineFile& lines) {
  RemoveModel(name);
  AppendLines(lines);
}

void SpiceLibrary::ReplaceSubckt(const MyStrng& name, const LineFile& lines) {
  RemoveSubckt(name);
  AppendLines(lines);
}
