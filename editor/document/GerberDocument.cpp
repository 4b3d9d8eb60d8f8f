#include "editor/document/GerberDocument.h"

#include <algorithm>
#include <cstddef>
#include <ostream>

#include "basics/VS_Error.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/whole_file.h"

namespace {

constexpr const char* kFormat = "%FSLAX33Y33*%";

// A side of the board in whole millimetres; a side under 1 mm in its real size.
MyStrng BoardSideText(int32_t micrometres) {
  return GerberPlotFile::SizeText(micrometres >= 1000 ? micrometres / 1000 * 1000 : micrometres);
}

}  // namespace

void GerberDocument::SetSubstrateSize(LaeWert x, LaeWert y) {
  substrateSize = LPoint(Micrometres(x), Micrometres(y));
  startPoint = LPoint(0, substrateSize.y / 2);
}

void GerberDocument::AddSymbol(NetSymbol* symbol) { symbols.push_back(symbol); }

bool GerberDocument::CreatePlot() {
  IndexPins();
  WriteHeader();
  WriteApertures();
  WriteSymbols();
  AppendPlotsToFiles();
  if (beyond.IsEmpty()) return true;
  VS_Error().Error(
      MyStrng("Layout passt nicht ins Gerberformat (höchstens 999.999 mm): ") + beyond, 4);
  return false;
}

void GerberDocument::NoteBeyond(const MyStrng& what) {
  if (beyond.IsEmpty()) beyond = what;
}

void GerberDocument::IndexPins() {
  pinSites.clear();
  for (NetSymbol* s : symbols) {
    for (int i = 0; i < std::clamp(s->pinCount, 0, NetSymbol::kMaxPins); ++i) {
      std::vector<NetSymbol*>& there = pinSites[PositionKey(s->pins[i])].symbols;
      // Two pins of one symbol on one point list it once.
      if (there.empty() || there.back() != s) there.push_back(s);
    }
  }
}

const GerberDocument::PinSite* GerberDocument::SiteAt(const Point& p) const {
  const auto found = pinSites.find(PositionKey(p));
  return found == pinSites.end() ? nullptr : &found->second;
}

void GerberDocument::WriteHeader() {
  topOutput.RemoveAll();
  topOutput.AddLine(kFormat).AddLine("%MOMM*%").AddLine("%IPPOS*%");
  bottomOutput.RemoveAll();
  bottomOutput.AddLine(kFormat).AddLine("%MOMM*%");
}

void GerberDocument::WriteApertures() {
  if (!catalogue.empty()) return;
  const MyStrng thin = GerberPlotFile::SizeText(100);
  topOutput.AddLine(MyStrng("%ADD10C,") + thin + "*%");
  bottomOutput.AddLine(MyStrng("%ADD10C,") + thin + "*%");
  catalogue.push_back({"D10", "ROUND", thin});
  const MyStrng boardX = BoardSideText(substrateSize.x);
  const MyStrng boardY = BoardSideText(substrateSize.y);
  if (boardX.IsEmpty() || boardY.IsEmpty()) {
    NoteBeyond("Substrat");
  } else {
    bottomOutput.AddLine(MyStrng("%ADD11R,") + boardX + "X" + boardY + "*%");
  }
  // A symbol that asks for none keeps the name it had.
  for (NetSymbol* s : symbols) {
    AssignAperture(*s, s->TakesPadFromLine() ? PadWish(*s) : s->GetGerberAperture());
  }
}

// A pad as wide as the coplanar line beside its first pin, strip and both gaps; the pad
// takes that as its length, so that its pins lie on the pad's edges. The first other symbol
// there decides: any but a coplanar line gives no pad.
GerberAperture GerberDocument::PadWish(NetSymbol& pad) const {
  const PinSite* site = SiteAt(pad.pins[0]);
  if (site == nullptr) return {};
  for (NetSymbol* s : site->symbols) {
    if (s->TakesPadFromLine()) continue;
    const double span = s->GetPadSpan();
    if (!(span > 0.0)) return {};
    pad.SetPadSide(span);
    return {GerberAperture::Shape::Square, span, span};
  }
  return {};
}

void GerberDocument::AssignAperture(NetSymbol& s, const GerberAperture& wish) {
  bool fits = true;
  const auto text = [&fits](double metres) {
    const MyStrng size = GerberPlotFile::SizeText(Micrometres(metres));
    fits = fits && !size.IsEmpty();
    return size;
  };
  MyStrng shape;
  MyStrng size;
  MyStrng definition;
  switch (wish.shape) {
    case GerberAperture::Shape::Square:
      shape = "SQUARE";
      size = text(wish.size);
      definition = MyStrng("R,") + size + "X" + size;
      break;
    case GerberAperture::Shape::Round:
    case GerberAperture::Shape::ThinRound:
      shape = "ROUND";
      // The thin one is a twentieth of the dimension.
      size = text(wish.shape == GerberAperture::Shape::Round ? wish.size : wish.size / 20.0);
      definition = MyStrng("C,") + size;
      break;
    case GerberAperture::Shape::Rectangle:
      shape = "RECT";
      size = text(wish.size) + "X" + text(wish.sizeY);
      definition = MyStrng("R,") + size;
      break;
    case GerberAperture::Shape::None:
      return;
  }
  if (!fits) {
    NoteBeyond(s.GetElementName());
    return;
  }
  for (const Aperture& a : catalogue) {
    if (a.shape == shape && a.size == size) {
      s.aperture = a.name;
      return;
    }
  }
  const MyStrng number(nextAperture++);
  const MyStrng line = MyStrng("%ADD1") + number + definition + "*%";
  topOutput.AddLine(line);
  bottomOutput.AddLine(line);
  s.aperture = MyStrng("D1") + number;
  catalogue.push_back({s.aperture, shape, size});
}

void GerberDocument::PlaceSymbols() {
  for (NetSymbol* s : symbols) s->layoutPlaced = 0;
  for (auto& [key, site] : pinSites) site.placed = 0;
  const auto first = std::find_if(symbols.begin(), symbols.end(),
                                  [](const NetSymbol* s) { return s->StartsLayout(); });
  if (first == symbols.end()) return;
  NetSymbol* start = *first;
  start->SetOrigin(start->pins[0], startPoint);
  std::vector<DoublePoint> wave{DoublePoint(start->pins[0], startPoint)};
  std::vector<DoublePoint> next;
  // Every pass places at least one symbol, or the next wave stays empty.
  while (!wave.empty()) {
    next.clear();
    for (const DoublePoint& reached : wave) {
      const auto found = pinSites.find(PositionKey(reached.first));
      if (found == pinSites.end()) continue;
      PinSite& site = found->second;
      for (size_t i = site.placed; i < site.symbols.size(); ++i) {
        NetSymbol* s = site.symbols[i];
        if (s->layoutPlaced != 0) continue;
        s->SetOrigin(reached.first, reached.second);
        // A symbol may refuse a point that is none of its pins; it is then not passed on.
        if (s->layoutPlaced != 0) s->VisitPins(next);
      }
      while (site.placed < site.symbols.size() && site.symbols[site.placed]->layoutPlaced != 0) {
        ++site.placed;
      }
    }
    wave.swap(next);
  }
}

void GerberDocument::WriteSymbols() {
  PlaceSymbols();
  topPlot.WriteBegin();
  bottomPlot.WriteBegin();
  // The ground plane first, then the slots cleared out of it.
  if (substrateArea != 0) {
    bottomPlot.SelectAperture("D11");
    bottomPlot.Flash(LPoint(static_cast<int32_t>(substrateSize.x / 2.0),
                            static_cast<int32_t>(substrateSize.y / 2.0)));
    bottomPlot.AddLine("%LPC*%");
  }
  for (NetSymbol* s : symbols) {
    if (s->layer == 'T') {
      s->WriteGerber(topPlot);
    } else if (s->layer == 'B') {
      s->WriteGerber(bottomPlot);
      bottomUsed = 1;
    }
    // Many parts in a row may reach beyond the format however small each is.
    if (!topPlot.AllFit() || !bottomPlot.AllFit()) NoteBeyond(s->GetElementName());
  }
  topPlot.WriteEnd();
  bottomPlot.WriteEnd();
}

void GerberDocument::AppendPlotsToFiles() {
  topOutput.AppendLines(topPlot);
  if (bottomUsed != 0) bottomOutput.AppendLines(bottomPlot);
}

void GerberDocument::SetFileNames(const MyStrng& base) {
  topOutput.fileName = base + "Top.gbx";
  bottomOutput.fileName = base + "Bot.gbx";
}

bool GerberDocument::SaveFiles() {
  // Each file goes to a temporary name first; only when all are complete and on disk do they
  // take their names, together, so a failure leaves no half file and no half export. Without a
  // bottom layer an earlier bottom file of the name goes in that step: a new top beside it
  // would make a pair of two exports.
  using Kind = pf::WholeFile::Kind;
  pf::WholeFile top(topOutput.fileName.GetBuffer());
  pf::WholeFile bottom(bottomOutput.fileName.GetBuffer(),
                       bottomUsed != 0 ? Kind::kWritten : Kind::kDropped);
  pf::WholeFile* files[] = {&top, &bottom};
  const LineFile* outputs[] = {&topOutput, &bottomOutput};
  const auto fail = [this, &outputs](std::size_t failed) {
    const bool dropped = failed == 1 && bottomUsed == 0;
    VS_Error().Error(MyStrng(dropped ? "Datei konnte nicht gelöscht werden: "
                                     : "Datei konnte nicht geschrieben werden: ") +
                         outputs[failed]->fileName,
                     4);
    return false;
  };
  const std::size_t written = bottomUsed != 0 ? 2 : 1;
  for (std::size_t i = 0; i < written; ++i) {
    const LineFile* file = outputs[i];
    if (!files[i]->WriteStream([file](std::ostream& out) {
          file->WriteLines(out);
          return true;
        })) {
      return fail(i);
    }
  }
  if (const auto failed = pf::CommitTogether(files)) return fail(*failed);
  return true;
}
