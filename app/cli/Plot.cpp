#include "app/cli/Plot.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "basics/LineFile.h"
#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "diagrams/DiagramKinds.h"
#include "diagrams/elements/DiagKurve.h"
#include "pf/archive.h"
#include "pf/cairo_dc.h"
#include "pf/recording_dc.h"

namespace {

constexpr int kErrors = 1;
constexpr int kBadUsage = 2;
// Screens beyond this side would need an absurd image.
constexpr long kMaxSide = 4096;

struct Options {
  const char* curveFile = nullptr;
  const DiagramKind* kind = nullptr;
  int width = 600;
  int height = 450;
  std::optional<long> marker;
  const char* png = nullptr;
  const char* pdf = nullptr;
  const char* pictex = nullptr;
  int pictexWidth = 60;
  char font = 'F';
  bool data = false;
};

// A whole decimal number within lo..hi.
bool ParseNumber(const char* text, long lo, long hi, long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0' && errno == 0 && value >= lo && value <= hi;
}

const DiagramKind* FindKind(const char* key) {
  long code = 0;
  if (ParseNumber(key, 0, 1000, code)) return DiagramKinds::Global().Find(static_cast<int>(code));
  return DiagramKinds::Global().Find(std::string_view(key));
}

bool ParseSize(const char* text, int& width, int& height) {
  const char* x = std::strchr(text, 'x');
  if (x == nullptr) return false;
  const std::string w(text, x);
  long cx = 0;
  long cy = 0;
  if (!ParseNumber(w.c_str(), 1, kMaxSide, cx) || !ParseNumber(x + 1, 1, kMaxSide, cy))
    return false;
  width = static_cast<int>(cx);
  height = static_cast<int>(cy);
  return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  if (argc < 1) return false;
  o.curveFile = argv[0];
  bool widthOrFont = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--data") {
      o.data = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    long number = 0;
    if (option == "--diagram") {
      o.kind = FindKind(value);
      if (o.kind == nullptr) return false;
    } else if (option == "--size") {
      if (!ParseSize(value, o.width, o.height)) return false;
    } else if (option == "--marker") {
      if (!ParseNumber(value, 0, DiagKurve::kMaxPoints, number)) return false;
      o.marker = number;
    } else if (option == "--png") {
      o.png = value;
    } else if (option == "--pdf") {
      o.pdf = value;
    } else if (option == "--pictex") {
      o.pictex = value;
    } else if (option == "--width") {
      // TeX cannot draw a grid of no size.
      if (!ParseNumber(value, 1, 10000, number)) return false;
      o.pictexWidth = static_cast<int>(number);
      widthOrFont = true;
    } else if (option == "--font") {
      if (std::strlen(value) != 1 || std::strchr("TSFNL", value[0]) == nullptr) return false;
      o.font = value[0];
      widthOrFont = true;
    } else {
      return false;
    }
  }
  return o.kind != nullptr && (o.pictex != nullptr || !widthOrFont);
}

int ReportQueue() {
  const int count = VS_Error::MessageCount();
  for (int i = 0; i < count; ++i) std::fprintf(stderr, "%s\n", VS_Error::Message(i).GetBuffer());
  return count > 0 ? kErrors : 0;
}

// The curve made current and shown; false when the file does not hold a curve.
bool LoadCurve(Diagramm& diagram, const char* path) {
  std::ifstream in(path, std::ios::binary);
  const int before = diagram.GetCurveCount();
  if (in) {
    pf::Archive ar(in);
    diagram.LoadCurve(ar);
  }
  if (diagram.GetCurveCount() == before) {
    if (VS_Error::MessageCount() == 0) VS_Error().Error("Kurve konnte nicht geladen werden", 4);
    return false;
  }
  // A curve of another kind is shown all the same: the kind was asked for.
  const int index = diagram.GetCurveCount() - 1;
  diagram.SetCurrentCurve(index);
  diagram.ShowCurve(index);
  diagram.curvesShown = 1;
  diagram.picTexCurve = 1;
  return true;
}

bool WritePicture(Diagramm& diagram, std::unique_ptr<pf::CairoDc> surface, const char* path,
                  bool png) {
  bool written = surface != nullptr;
  if (written) {
    diagram.Draw(surface.get());
    written = png ? surface->WritePng(path) : surface->Finish();
  }
  if (!written) std::fprintf(stderr, "Bild konnte nicht geschrieben werden: %s\n", path);
  return written;
}

}  // namespace

int Plot(int argc, char** argv) {
  RegisterBasicsClasses();
  RegisterCircleDiagrams();
  Options o;
  if (!ParseOptions(argc, argv, o)) return kBadUsage;
  VS_Error::ResetQueue();

  std::unique_ptr<Diagramm> diagram = o.kind->create(nullptr, 0, 0, o.width, o.height);
  if (!LoadCurve(*diagram, o.curveFile)) return ReportQueue();
  if (o.marker) {
    diagram->CreateMarker();
    const long steps = std::min<long>(*o.marker, diagram->GetCurrentCurve()->GetCount());
    for (long i = 0; i < steps; ++i) diagram->MarkerNext();
  }
  // Drawing sets the header and label texts that the export writes.
  pf::RecordingDc scratch;
  diagram->Draw(&scratch);

  bool ok = true;
  if (o.png != nullptr) {
    ok &= WritePicture(*diagram, pf::CairoDc::CreateImage(o.width, o.height), o.png, true);
  }
  if (o.pdf != nullptr) {
    ok &= WritePicture(*diagram, pf::CairoDc::CreatePdf(o.pdf, o.width, o.height), o.pdf, false);
  }
  if (o.pictex != nullptr) {
    diagram->SetPicTexFileName(o.pictex);
    diagram->GetPicTex().fontLetter = o.font;
    if (!diagram->ExportPicTex(o.pictexWidth)) {
      std::fprintf(stderr, "PicTex-Datei konnte nicht geschrieben werden: %s\n", o.pictex);
      ok = false;
    }
  }
  if (o.data) {
    LineFile text;
    diagram->GetCurrentCurve()->WriteDataText(text);
    text.WriteLines(std::cout);
    std::cout.flush();
  }
  const int queued = ReportQueue();
  return ok ? queued : kErrors;
}
