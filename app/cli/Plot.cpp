#include "app/cli/Plot.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "app/cli/Output.h"
#include "app/cli/Usage.h"
#include "basics/LineFile.h"
#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "diagrams/DiagramKinds.h"
#include "diagrams/RectFreqDiag.h"
#include "diagrams/RectTimeDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/archive.h"
#include "pf/cairo_dc.h"
#include "pf/dialog_template.h"
#include "pf/geometry.h"
#include "pf/input_file.h"
#include "pf/recording_dc.h"

namespace {

constexpr int kErrors = 1;
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
  bool logAxis = false;
  std::optional<double> eyePeriod;
};

// A whole decimal number within lo..hi.
bool ParseNumber(const char* text, long lo, long hi, long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return *text >= '0' && *text <= '9' && *end == '\0' && errno == 0 && value >= lo && value <= hi;
}

// A bit period in seconds: positive, finite and at most an hour.
bool ParsePeriod(const char* text, double& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && errno == 0 && value > 0.0 && value <= 3600.0;
}

// As the screen window does, a code nobody registered gives the kind of code 0.
const DiagramKind* FindKind(const char* key) {
  long code = 0;
  if (ParseNumber(key, 0, 1000, code)) {
    return DiagramKinds::Global().FindOrDefault(static_cast<int>(code));
  }
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

std::string BadWidth(const std::string& value, int largest) {
  return "plot: --width '" + value + "' is no width of 1 to " + std::to_string(largest) + " mm";
}

// An empty reason when the options hold.
std::string ParseOptions(int argc, char** argv, Options& o) {
  o.curveFile = argv[0];
  bool widthOrFont = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--data") {
      o.data = true;
      continue;
    }
    if (option == "--log") {
      o.logAxis = true;
      continue;
    }
    if (option.rfind("--", 0) != 0) return "plot: unexpected argument '" + option + "'";
    if (i + 1 >= argc) return "plot: " + option + " without its value";
    const char* value = argv[++i];
    const std::string bad = "plot: " + option + " '" + value + "'";
    long number = 0;
    if (option == "--diagram") {
      o.kind = FindKind(value);
      if (o.kind == nullptr) return bad + " is no diagram kind";
    } else if (option == "--size") {
      if (!ParseSize(value, o.width, o.height)) {
        return bad + " is not WxH with sides of 1 to " + std::to_string(kMaxSide) + " pixels";
      }
    } else if (option == "--marker") {
      if (!ParseNumber(value, 0, DiagKurve::kMaxPoints, number)) {
        return bad + " is no point from 0 to " + std::to_string(DiagKurve::kMaxPoints);
      }
      o.marker = number;
    } else if (option == "--eye") {
      double period = 0.0;
      if (!ParsePeriod(value, period)) return bad + " is no period in seconds (up to 3600)";
      o.eyePeriod = period;
    } else if (option == "--png") {
      o.png = value;
    } else if (option == "--pdf") {
      o.pdf = value;
    } else if (option == "--pictex") {
      o.pictex = value;
    } else if (option == "--width") {
      // Its range is the diagram's (PicTexWidthMisfit).
      if (!ParseNumber(value, 0, INT_MAX, number)) {
        return BadWidth(value, PicTexFile::kLargestWidth);
      }
      o.pictexWidth = static_cast<int>(number);
      widthOrFont = true;
    } else if (option == "--font") {
      if (std::strlen(value) != 1 || std::strchr("TSFNL", value[0]) == nullptr) {
        return bad + " is none of T, S, F, N, L";
      }
      o.font = value[0];
      widthOrFont = true;
    } else {
      return "plot: unknown option '" + option + "'";
    }
  }
  if (widthOrFont && o.pictex == nullptr) return "plot: --width and --font need --pictex";
  return {};
}

int ReportQueue() {
  const int count = VS_Error::MessageCount();
  for (int i = 0; i < count; ++i) std::fprintf(stderr, "%s\n", VS_Error::Message(i).GetBuffer());
  return count > 0 ? kErrors : 0;
}

// The file's bytes, read twice: once for the kind of its curve, once into the diagram.
bool ReadCurveFile(const char* path, std::string& bytes) {
  pf::InputFile file(path, DiagKurve::kMaxFileBytes);
  const bool read = file.ReadAll(bytes);
  if (!file.Refusal().empty()) VS_Error().Error(MyStrng(file.Refusal()), 4);
  return read;
}

void ReportNoCurve() {
  if (VS_Error::MessageCount() == 0) VS_Error().Error("Kurve konnte nicht geladen werden", 4);
}

void RefuseKind(const MyStrng& kind) {
  VS_Error().Error(MyStrng("Kurve konnte nicht geladen werden: Diagrammtyp ") + kind, 4);
}

// The kind the curve was made for; null, reported, when the bytes hold no curve or name a
// kind that has no diagram.
const DiagramKind* KindOfCurve(const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  DiagKurve probe(nullptr, nullptr);
  if (!probe.Load(ar)) {
    ReportNoCurve();
    return nullptr;
  }
  const DiagramKind* kind =
      DiagramKinds::Global().Find(std::string_view(probe.GetKind().GetBuffer()));
  if (kind == nullptr) RefuseKind(probe.GetKind());
  return kind;
}

// The curve made current and shown, named and dated as the analyser does for its measured
// curve: header line 2 names it, bottom line 1 gives its network and date. A curve made for
// another kind stays hidden, as on the screens, and is refused.
bool LoadCurve(Diagramm& diagram, const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  const int before = diagram.GetCurveCount();
  const bool shown = diagram.LoadCurve(ar);
  if (diagram.GetCurveCount() == before) {
    ReportNoCurve();
    return false;
  }
  const int index = diagram.GetCurveCount() - 1;
  DiagKurve* c = diagram.GetCurve(index);
  if (!shown) {
    RefuseKind(c->GetKind());
    return false;
  }
  diagram.SetCurrentCurve(index);
  const MyStrng name = c->GetElementName();
  diagram.SetCurrentCurveName(name);
  diagram.ShowCurve(index);
  diagram.SetBottomLine(0, c->GetNetwork() + "  " + c->GetDate());
  diagram.curvesShown = 1;
  return true;
}

// A logarithmic axis only over frequency, the eye only on a time diagram; an empty reason when
// the options fit.
std::string MisfitOfTheKind(Diagramm& diagram, const Options& o) {
  if (o.logAxis && dynamic_cast<RectFreqDiag*>(&diagram) == nullptr) {
    return "plot: --log needs a frequency diagram";
  }
  if (o.eyePeriod && dynamic_cast<LinTimeDiag*>(&diagram) == nullptr) {
    return "plot: --eye needs a LinTimeDiag";
  }
  return {};
}

// A screen on which the kind's texts cannot stand whole and apart; an empty reason when it is
// large enough.
std::string TooSmall(const Diagramm& diagram, const Options& o) {
  const pf::Size least = diagram.SmallestSize();
  if (o.width >= least.cx && o.height >= least.cy) return {};
  const auto size = [](int w, int h) { return std::to_string(w) + "x" + std::to_string(h); };
  return "plot: --size '" + size(o.width, o.height) + "' is too small for " +
         diagram.GetTypeName().ToCString() + ", whose texts need at least " +
         size(least.cx, least.cy);
}

// Axis and labels from the curve: a frequency axis from its first to its last x, a time axis
// over its whole span (or the eye of the bit period), and on the other kinds the frequency
// labels from its frequency column.
void ShowCurveRange(Diagramm& diagram, const Options& o) {
  const DiagKurve* c = diagram.GetCurrentCurve();
  const int last = c->GetCount() - 1;
  const float from = c->GetX(0);
  const float to = c->GetX(last);
  if (auto* time = dynamic_cast<LinTimeDiag*>(&diagram)) {
    time->ShowSpan(from, to);
    if (o.eyePeriod) {
      time->SetPeriod(*o.eyePeriod);
      time->SetEyeMode();
    }
    return;
  }
  auto* freq = dynamic_cast<RectFreqDiag*>(&diagram);
  if (freq == nullptr) {
    if (c->GetColumns() >= 2) diagram.SetSweepLimits(c->GetY2(0), c->GetY2(last));
    return;
  }
  if (to > from) diagram.SetSweepLimits(from, to);
  if (o.logAxis) freq->SetXAxisMode('E');
  freq->UpdateXAxis();
  freq->SetLabel1Text(FreqWert(static_cast<double>(freq->startFrequency)));
  freq->SetLabel2Text(FreqWert(static_cast<double>(freq->stopFrequency)));
}

// TeX cannot draw a grid of no size, nor dimensions beyond its largest, which a screen far
// taller than its grid is wide reaches sooner; an empty reason when the width fits.
std::string PicTexWidthMisfit(Diagramm& diagram, const Options& o) {
  if (o.pictex == nullptr) return {};
  const int largest = diagram.LargestPicTexWidth();
  if (o.pictexWidth >= 1 && o.pictexWidth <= largest) return {};
  return BadWidth(std::to_string(o.pictexWidth), largest);
}

bool WritePicture(Diagramm& diagram, const char* path, int width, int height, bool png) {
  return WriteOutputFile(path, "Bild konnte nicht geschrieben werden: ", [&](const std::string& p) {
    std::unique_ptr<pf::CairoDc> surface =
        png ? pf::CairoDc::CreateImage(width, height) : pf::CairoDc::CreatePdf(p, width, height);
    if (!surface) return false;
    diagram.Draw(surface.get());
    return png ? surface->WritePng(p) : surface->Finish();
  });
}

}  // namespace

int Plot(int argc, char** argv) {
  RegisterBasicsClasses();
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  Options o;
  if (const std::string why = ParseOptions(argc, argv, o); !why.empty()) return BadUsage(why);
  VS_Error::ResetQueue();

  std::string bytes;
  if (!ReadCurveFile(o.curveFile, bytes)) {
    ReportNoCurve();
    return ReportQueue();
  }
  const DiagramKind* kind = o.kind != nullptr ? o.kind : KindOfCurve(bytes);
  if (kind == nullptr) return ReportQueue();
  std::unique_ptr<Diagramm> diagram = kind->create(nullptr, 0, 0, o.width, o.height);
  if (const std::string why = MisfitOfTheKind(*diagram, o); !why.empty()) return BadUsage(why);
  if (const std::string why = TooSmall(*diagram, o); !why.empty()) return BadUsage(why);
  // The instrument windows are dialogs: their diagrams write in the dialog font.
  diagram->SetFont(pf::DialogFont());
  if (!LoadCurve(*diagram, bytes)) return ReportQueue();
  ShowCurveRange(*diagram, o);
  if (o.marker) {
    diagram->CreateMarker();
    const long steps = std::min<long>(*o.marker, diagram->GetCurrentCurve()->GetCount());
    for (long i = 0; i < steps; ++i) diagram->MarkerNext();
  }
  // Drawing sets the header and label texts that the export writes.
  pf::RecordingDc scratch;
  diagram->Draw(&scratch);

  if (const std::string why = PicTexWidthMisfit(*diagram, o); !why.empty()) return BadUsage(why);
  bool ok = true;
  if (o.png != nullptr) ok &= WritePicture(*diagram, o.png, o.width, o.height, true);
  if (o.pdf != nullptr) ok &= WritePicture(*diagram, o.pdf, o.width, o.height, false);
  if (o.pictex != nullptr) {
    diagram->GetPicTex().fontLetter = o.font;
    ok &= WriteOutputFile(o.pictex, "PicTex-Datei konnte nicht geschrieben werden: ",
                          [&](const std::string& p) {
                            diagram->SetPicTexFileName(p.c_str());
                            return diagram->ExportPicTex(o.pictexWidth);
                          });
  }
  if (o.data) {
    LineFile text;
    diagram->GetCurrentCurve()->WriteDataText(text);
    text.WriteLines(std::cout);
  }
  const int queued = ReportQueue();
  return ok ? queued : kErrors;
}
