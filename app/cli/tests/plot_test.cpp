// `vostrane-cli plot` end to end: a curve file in, pictures, PiCTeX and data text out.

#include <cairo.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "basics/tests/RunTests.h"
#include "diagrams/DiagramKinds.h"
#include "diagrams/RectTimeDiag.h"
#include "diagrams/SmithDiag.h"
#include "diagrams/graphics/DiagKurve.h"
#include "pf/archive.h"
#include "pf/geometry.h"

namespace {

const std::string kDir = VOSTRANE_PLOT_SCRATCH;

// Runs the program; stdout and stderr together in out. The log is the test process's own, as
// ctest runs the tests side by side.
int RunPlot(const std::string& args, std::string& out) {
  const std::string log = kDir + "/plot" + std::to_string(getpid()) + ".log";
  const std::string command = std::string(VOSTRANE_CLI) + " plot " + args + " >" + log + " 2>&1";
  const int rc = std::system(command.c_str());
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  out = text.str();
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string WriteFile(const std::string& name, const std::string& bytes) {
  const std::string path = kDir + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// The fixture: a Smith curve of 5 points (angle, magnitude, frequency) named "S11_a%b".
const std::string kFixture = VOSTRANE_PLOT_FIXTURE;

std::string FixtureBytes() {
  std::ifstream in(kFixture, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(PlotCommand, DrawsTheCurveThroughItsMappedPoints) {
  const std::string png = kDir + "/smith.png";
  std::string out;
  ASSERT_EQ(RunPlot(kFixture + " --diagram 6 --size 400x300 --png " + png + " --data", out), 0)
      << out;
  EXPECT_NE(out.find("! Kurve: S11_a%b\n! Diagramm: SmithDiag\n! Punkte: 5\n"), std::string::npos)
      << out;

  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_image_surface_get_width(image), 400);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  SmithDiag same(nullptr, 0, 0, 400, 300);
  DiagKurve curve(nullptr, &same);
  std::istringstream in(FixtureBytes());
  pf::Archive ar(in);
  ASSERT_TRUE(curve.Load(ar));
  for (int i = 1; i < 4; ++i) {  // the inner points; the end symbols sit on the outer ones
    const float angle = curve.GetX(i);
    const float m = curve.GetY1(i);
    const int px = same.MapX(angle, m);
    const int py = same.MapY(m, angle);
    uint32_t pixel = 0;
    std::memcpy(&pixel, data + py * stride + px * 4, 4);
    // Red, up to the edge smoothing of a slanted line.
    const unsigned r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    EXPECT_TRUE(r == 255 && g < 0x40 && b < 0x40)
        << "point " << i << " at " << px << ", " << py << ": " << std::hex << pixel;
  }
  cairo_surface_destroy(image);
}

TEST(PlotCommand, RefusesBadFilesAndBadUsage) {
  const std::string good = FixtureBytes();
  const struct {
    std::string args;
    int status;
    const char* message;
  } cases[] = {
      {WriteFile("short.kur", good.substr(0, good.size() - 3)) + " --diagram SmithDiag", 1,
       "Kurve konnte nicht geladen werden"},
      {WriteFile("empty.kur", "") + " --diagram 4", 1, "Kurve konnte nicht geladen werden"},
      {kDir + "/missing.kur --diagram 3", 1, "Kurve konnte nicht geladen werden"},
      {WriteFile("ok.kur", good) + " --diagram NoSuchDiag", 2,
       "--diagram 'NoSuchDiag' is no diagram kind"},
      {kDir + "/ok.kur --diagram 6 --bogus 1", 2, "unknown option '--bogus'"},
      {kDir + "/ok.kur --diagram 6 --width 80", 2, "--width and --font need --pictex"},
      {kDir + "/ok.kur --diagram 6 --pictex x.tex --width 0", 2,
       "--width '0' is no width of 1 to 500 mm"},
      {kDir + "/ok.kur --diagram 6 --pictex x.tex --width 501", 2,
       "--width '501' is no width of 1 to 500 mm"},
      {kDir + "/ok.kur --diagram 6 --size 0x10", 2, "--size '0x10' is not WxH"},
      {kDir + "/ok.kur --diagram RecPlanDiag --log", 2, "--log needs a frequency diagram"},
      {kDir + "/ok.kur --diagram LogMagDiag --eye 1e-9", 2, "--eye needs a LinTimeDiag"},
      {kDir + "/ok.kur --diagram 12 --eye 0", 2, "--eye '0' is no period in seconds"},
      {kDir + "/ok.kur --diagram 12 --eye 1ns", 2, "--eye '1ns' is no period"},
      {kDir + "/ok.kur --log", 2, "--log needs a frequency diagram"},
  };
  for (const auto& c : cases) {
    std::string out;
    EXPECT_EQ(RunPlot(c.args, out), c.status) << c.args;
    EXPECT_NE(out.find(c.message), std::string::npos) << c.args << "\n" << out;
  }
}

// The fixtures: logmag.kur, S21 of 11 points from 1 to 20 GHz falling 6 dB a point (phase.kur
// and spec.kur the same for PhaseDiag and SpecLogMag); eye.kur, 40 samples 0.1 ns apart over
// four bit periods of 1 ns, 0.5 V in the first two and 0.2 V after; plane.kur, nine complex
// points on a circle of radius 1.5 around 1.5 + j0 with their frequencies 1 to 9 GHz
// (plotplane.kur the same for PlotPlaneDiag).
TEST(PlotCommand, DrawsEveryRectangularKindThroughItsMappedPoints) {
  RegisterRectDiagrams();
  const std::string dir = VOSTRANE_PLOT_FIXTURES;
  const struct {
    const char* file;
    const char* kind;
    const char* options;
    std::vector<int> points;
  } cases[] = {
      {"logmag.kur", "LogMagDiag", " --log", {1, 2, 5, 9}},
      {"phase.kur", "2", "", {1, 4, 9}},
      {"spec.kur", "SpecLogMag", "", {3, 8}},
      {"eye.kur", "LinTimeDiag", " --eye 1e-9", {5, 15, 25, 35}},  // both traces at 0.5 T
      {"plane.kur", "5", "", {1, 2, 3, 5, 7}},
      {"plotplane.kur", "PlotPlaneDiag", "", {2, 4, 6}},
  };
  for (const auto& c : cases) {
    const std::string png = kDir + "/" + c.kind + ".png";
    std::string out;
    const std::string args = dir + "/" + c.file + " --diagram " + c.kind + c.options;
    ASSERT_EQ(RunPlot(args + " --png " + png, out), 0) << out;
    // The same diagram beside it: kind, screen, curve and axis as the command sets them.
    const DiagramKind* kind = std::isdigit(static_cast<unsigned char>(c.kind[0]))
                                  ? DiagramKinds::Global().Find(std::atoi(c.kind))
                                  : DiagramKinds::Global().Find(std::string_view(c.kind));
    std::unique_ptr<Diagramm> same = kind->create(nullptr, 0, 0, 600, 450);
    std::ifstream in(dir + "/" + c.file, std::ios::binary);
    pf::Archive ar(in);
    same->LoadCurve(ar);
    if (std::string(c.options) == " --log") same->SetXAxisMode('E');
    same->UpdateXAxis();
    if (auto* eye = dynamic_cast<LinTimeDiag*>(same.get())) eye->SetEyeMode();
    const DiagKurve* curve = same->GetCurrentCurve();
    ASSERT_NE(curve, nullptr);

    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int i : c.points) {
      const int px = same->MapX(curve->GetX(i), curve->GetY1(i));
      const int py = same->MapY(curve->GetY1(i), curve->GetX(i));
      uint32_t pixel = 0;
      std::memcpy(&pixel, data + py * stride + px * 4, 4);
      const unsigned r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
      // Red, up to the smoothing of a corner.
      EXPECT_TRUE(r >= 0xC0 && g < 0x40 && b < 0x40)
          << c.kind << " point " << i << " at " << px << ", " << py << ": " << std::hex << pixel;
    }
    cairo_surface_destroy(image);
  }
}

// polar.kur: "S21 <a>|b" for LogPolDiag, network "Netz <1>|2", date "12:00:00  1.2.2024", five
// points from 2 to 6 GHz; logo.kur: two points made for the logo.
const std::string kFixtures = VOSTRANE_PLOT_FIXTURES;

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The PiCTeX text of the curve file in the given kind ("" for the curve's own); the exit status.
int PlotPicTex(const std::string& file, const std::string& kind, std::string& tex,
               std::string& out) {
  const std::string path = kDir + "/" + file + kind + ".tex";
  std::remove(path.c_str());
  const std::string diagram = kind.empty() ? "" : " --diagram " + kind;
  const int status = RunPlot(kFixtures + "/" + file + diagram + " --pictex " + path, out);
  tex = ReadText(path);
  return status;
}

TEST(PlotCommand, TakesTheKindOfTheCurveAndRefusesAnother) {
  const struct {
    const char* file;
    const char* kind;
    int status;
    const char* shows;  // in the picture, or in the messages when refused
  } cases[] = {
      {"s11.kur", "", 0, "\\footnotesize j0.5}"},
      {"polar.kur", "", 0, "LogPol  \\textgreater{}REF:"},
      {"logmag.kur", "", 0, "LogMag  \\textgreater{}REF:"},
      {"eye.kur", "", 0, "LinTime  \\textgreater{}REF:"},
      {"plane.kur", "", 0, "RecPlane  \\textgreater{}yREF:"},
      {"s11.kur", "LogPolDiag", 1, "Kurve konnte nicht geladen werden: Diagrammtyp SmithDiag"},
      {"logmag.kur", "2", 1, "Kurve konnte nicht geladen werden: Diagrammtyp LogMagDiag"},
      {"plane.kur", "PlotPlaneDiag", 1,
       "Kurve konnte nicht geladen werden: Diagrammtyp RecPlanDiag"},
      {"polar.kur", "Logo", 1, "Kurve konnte nicht geladen werden: Diagrammtyp LogPolDiag"},
  };
  for (const auto& c : cases) {
    std::string tex;
    std::string out;
    EXPECT_EQ(PlotPicTex(c.file, c.kind, tex, out), c.status) << c.file << " " << c.kind << out;
    const std::string& where = c.status == 0 ? tex : out;
    EXPECT_NE(where.find(c.shows), std::string::npos) << c.file << " " << c.kind << "\n" << where;
    if (c.status != 0) {
      EXPECT_TRUE(tex.empty()) << c.file << " " << c.kind;
    }
  }
  // A kind that no diagram has.
  std::string bytes = FixtureBytes();
  const std::string kind = "SmithDiag";
  bytes.replace(bytes.find(kind), kind.size(), "DumDiagX\0", kind.size());
  std::string out;
  EXPECT_EQ(RunPlot(WriteFile("dum.kur", bytes), out), 1);
  EXPECT_NE(out.find("Kurve konnte nicht geladen werden: Diagrammtyp DumDiagX\n"),
            std::string::npos)
      << out;
}

// Every kind with a fixture whose curve it can show.
struct KindOfCurve {
  const char* fixture;
  const char* kind;
};
constexpr KindOfCurve kEveryKind[] = {
    {"logmag.kur", "LogMagDiag"},  {"logmag.kur", "LinMagDiag"},   {"phase.kur", "PhaseDiag"},
    {"polar.kur", "LogPolDiag"},   {"polar.kur", "LinPolDiag"},    {"plane.kur", "RecPlanDiag"},
    {"s11.kur", "SmithDiag"},      {"logmag.kur", "LinRealDiag"},  {"logmag.kur", "LinImagDiag"},
    {"logo.kur", "Logo"},          {"spec.kur", "SpecLogMag"},     {"eye.kur", "LinTimeDiag"},
    {"plotplane.kur", "PlotPlaneDiag"}};

// The fixture's curve in the kind, of the network and date, written as the scratch file; "" when
// the fixture does not load.
std::string NamedCurve(const KindOfCurve& k, const std::string& network, const std::string& date,
                       const std::string& file) {
  std::ifstream in(kFixtures + "/" + k.fixture, std::ios::binary);
  pf::Archive from(in);
  DiagKurve curve(nullptr, nullptr);
  if (!curve.Load(from)) return "";
  curve.SetKind(k.kind);
  curve.SetNetwork(network.c_str());
  curve.SetDate(date.c_str());
  std::ostringstream bytes;
  pf::Archive to(bytes);
  curve.Serialize(to);
  return WriteFile(file, bytes.str());
}

// Every kind, its curve from a circuit named with 80 characters, at the sizes "plot" takes: its
// smallest, tall and wide, the sizes whose circle ran past the sides; one pixel less either way,
// or 200 x 150, is refused with the smallest size, and nothing is written.
TEST(PlotCommand, DrawsEveryKindAtTheSizesItTakesAndRefusesSmallerOnes) {
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  for (const KindOfCurve& k : kEveryKind) {
    const std::string file = NamedCurve(
        k, "Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm",
        "23:59:59  31.12.2026", std::string("long_") + k.kind + ".kur");
    ASSERT_FALSE(file.empty()) << k.fixture;
    const pf::Size least = DiagramKinds::Global()
                               .Find(std::string_view(k.kind))
                               ->create(nullptr, 0, 0, 600, 450)
                               ->SmallestSize();
    const auto size = [](int w, int h) { return std::to_string(w) + "x" + std::to_string(h); };
    std::vector<pf::Size> taken = {least, {least.cx, 1200}, {1600, least.cy}};
    for (const pf::Size s : {pf::Size{450, 600}, pf::Size{333, 777}}) {
      if (s.cx >= least.cx && s.cy >= least.cy) taken.push_back(s);
    }
    for (const pf::Size& s : taken) {
      const std::string png = kDir + "/long.png";
      std::remove(png.c_str());
      std::string out;
      ASSERT_EQ(RunPlot(file + " --size " + size(s.cx, s.cy) + " --png " + png, out), 0)
          << k.kind << " " << size(s.cx, s.cy) << "\n"
          << out;
      cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
      EXPECT_EQ(cairo_image_surface_get_width(image), s.cx) << k.kind;
      EXPECT_EQ(cairo_image_surface_get_height(image), s.cy) << k.kind;
      cairo_surface_destroy(image);
    }
    for (const pf::Size s : {pf::Size{least.cx - 1, least.cy}, pf::Size{least.cx, least.cy - 1},
                             pf::Size{200, 150}}) {
      const std::string png = kDir + "/refused.png";
      std::remove(png.c_str());
      std::string out;
      EXPECT_EQ(RunPlot(file + " --size " + size(s.cx, s.cy) + " --png " + png, out), 2)
          << k.kind << " " << size(s.cx, s.cy);
      const std::string why = "plot: --size '" + size(s.cx, s.cy) + "' is too small for " +
                              k.kind + ", whose texts need at least " +
                              size(least.cx, least.cy) + "\n";
      EXPECT_NE(out.find(why), std::string::npos) << out;
      EXPECT_FALSE(std::ifstream(png).good()) << k.kind << " " << size(s.cx, s.cy);
    }
  }
}

// As the analyser shows a curve: header line 2 names it, bottom line 1 gives its network and
// date, no placeholder anywhere; circular charts are labelled with the curve's first and last
// frequency, a time curve is shown over its whole span.
TEST(PlotCommand, LabelsTheDiagramFromTheCurve) {
  const struct {
    const char* file;
    const char* kind;
    std::vector<std::string> shows;
  } cases[] = {
      {"s11.kur", "SmithDiag", {"{\\footnotesize S11\\_a\\%b}", "{\\footnotesize 1GHz ",
                                "{\\footnotesize 5GHz "}},
      {"polar.kur", "LogPolDiag",
       {"{\\footnotesize S21 \\textless{}a\\textgreater{}\\textbar{}b}",
        "{\\footnotesize Netz \\textless{}1\\textgreater{}\\textbar{}2  12:00:00  1.2.2024}",
        "{\\footnotesize 2GHz ", "{\\footnotesize 6GHz "}},
      {"eye.kur", "LinTimeDiag", {"{\\footnotesize U1}", "{\\footnotesize 0Sec}",
                                  "{\\footnotesize 5nSec}"}},
      {"logmag.kur", "LogMagDiag", {"{\\footnotesize S21}", "{\\footnotesize 20GHz}"}},
      {"plane.kur", "RecPlanDiag", {"{\\footnotesize S11}"}},
      {"logo.kur", "Logo", {}},
  };
  for (const auto& c : cases) {
    std::string tex;
    std::string out;
    ASSERT_EQ(PlotPicTex(c.file, c.kind, tex, out), 0) << c.file << out;
    for (const std::string& text : c.shows) {
      EXPECT_NE(tex.find(text), std::string::npos) << c.kind << ": " << text << "\n" << tex;
    }
    for (const char* placeholder : {"Unbekannt", "BotLin0"}) {
      EXPECT_EQ(tex.find(placeholder), std::string::npos) << c.kind << ": " << placeholder;
    }
  }
}

// The largest width that a refusal names is taken and the next is refused: the writer's
// largest on the usual screen, less where a grid far taller than wide would take PiCTeX's
// dimensions beyond TeX's.
TEST(PlotCommand, TakesTheWidestPicTeXItNamesAndNoWider) {
  const std::string prefix = "--width '99999' is no width of 1 to ";
  const struct {
    const char* size;
    bool narrower;
  } cases[] = {{"600x450", false}, {"300x4096", true}};
  for (const auto& c : cases) {
    const std::string args = kFixtures + "/logmag.kur --size " + c.size + " --pictex " + kDir +
                             "/widest.tex --width ";
    std::string out;
    ASSERT_EQ(RunPlot(args + "99999", out), 2) << out;
    const size_t named = out.find(prefix);
    ASSERT_NE(named, std::string::npos) << out;
    const int largest = std::atoi(out.c_str() + named + prefix.size());
    EXPECT_EQ(largest < 500, c.narrower) << c.size << ": " << largest;
    EXPECT_EQ(RunPlot(args + std::to_string(largest), out), 0) << c.size << out;
    ASSERT_EQ(RunPlot(args + std::to_string(largest + 1), out), 2) << c.size;
    EXPECT_NE(out.find("is no width of 1 to " + std::to_string(largest) + " mm"), std::string::npos)
        << out;
  }
}

// A RecPlanDiag curve of 9 points on a circle without a frequency column.
std::string PlaneCurveWithoutFrequencies() {
  DiagKurve curve(nullptr, nullptr);
  curve.SetKind("RecPlanDiag");
  curve.Allocate(9, 1);
  for (int i = 0; i < 9; ++i) {
    curve.Append(1.5 + 1.5 * std::cos(i * M_PI / 4), 1.5 * std::sin(i * M_PI / 4));
  }
  std::ostringstream bytes;
  pf::Archive ar(bytes);
  curve.Serialize(ar);
  return WriteFile("nofrequency.kur", bytes.str());
}

// Every kind's picture, from narrow to the widest and from the smallest font size to the
// largest, as pdflatex sets it: a network named with 90 characters, German letters and TeX's
// special ones among them, makes it no wider than a network of three does, its bottom line
// shortened in the middle where it would reach past the grid.
TEST(PlotCommand, ALongNameNeverWidensThePicTeXPicture) {
  if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdflatex";
  const std::string names[] = {
      "BS4", "Bandsperre_vierter_Ordnung_für_Störfestigkeit_nach_EN55032_mit_100%_Saugkreisen_"
             "auf_Platine_B7"};
  const int widths[] = {20, 45, 90, 160, 500};
  const char fonts[] = "TSFNL";
  std::string document = "\\documentclass{article}\\usepackage{pictex}\\newbox\\p"
                         "\\begin{document}\n";
  std::vector<std::string> pictures;
  for (size_t k = 0; k < std::size(kEveryKind); ++k) {
    const KindOfCurve& kind = kEveryKind[k];
    const int width = widths[k % std::size(widths)];
    const char font = fonts[(k * 2) % 5];
    for (size_t n = 0; n < std::size(names); ++n) {
      const std::string picture = std::string("named-") + kind.kind + "-" + std::to_string(n);
      const std::string file = NamedCurve(kind, names[n], "7:05:09  1.2.2027", picture + ".kur");
      ASSERT_FALSE(file.empty()) << kind.fixture;
      std::string out;
      const std::string options = " --pictex " + kDir + "/" + picture + ".tex --font " + font;
      int status = RunPlot(file + options + " --width " + std::to_string(width), out);
      // A kind whose picture may not be as wide takes its widest.
      const std::string prefix = "is no width of 1 to ";
      if (status == 2 && out.find(prefix) != std::string::npos) {
        const int widest = std::atoi(out.c_str() + out.find(prefix) + prefix.size());
        status = RunPlot(file + options + " --width " + std::to_string(widest), out);
      }
      ASSERT_EQ(status, 0) << kind.kind << " " << width << out;
      document += "\\setbox\\p=\\hbox{\\input{" + kDir + "/" + picture +
                  ".tex}}\\typeout{WIDE " + picture + " \\the\\wd\\p}\n";
      pictures.push_back(picture);
    }
  }
  document += "\\end{document}\n";
  WriteFile("named.tex", document);
  const std::string command = "cd " + kDir +
                              " && pdflatex -interaction=nonstopmode -halt-on-error named.tex"
                              " >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << "named.tex does not compile";
  std::ifstream log(kDir + "/named.log");
  std::map<std::string, double> wide;
  for (std::string line; std::getline(log, line);) {
    char picture[100] = {};
    double points = 0.0;
    if (std::sscanf(line.c_str(), "WIDE %99s %lfpt", picture, &points) == 2) wide[picture] = points;
  }
  ASSERT_EQ(wide.size(), pictures.size());
  for (size_t k = 0; k < std::size(kEveryKind); ++k) {
    const std::string kind = std::string("named-") + kEveryKind[k].kind;
    EXPECT_LE(wide[kind + "-1"], wide[kind + "-0"] + 0.01) << kind;
  }
}

// The plotter's plane never shows the symbol labels under its grid, nor the analyser's plane
// without frequencies, nor the logo any text line: the picture holds none of them.
TEST(PlotCommand, WritesNoTextLineTheScreenNeverShows) {
  const struct {
    std::string file;
    const char* absent;
  } cases[] = {{kFixtures + "/plotplane.kur", "Unbekannt"},
               {PlaneCurveWithoutFrequencies(), "Unbekannt"},
               {kFixtures + "/logo.kur", "\\put "}};
  for (const auto& c : cases) {
    const std::string path = kDir + "/unshown.tex";
    std::string out;
    ASSERT_EQ(RunPlot(c.file + " --pictex " + path, out), 0) << c.file << out;
    const std::string tex = ReadText(path);
    EXPECT_EQ(tex.find(c.absent), std::string::npos) << c.file << "\n" << tex;
    EXPECT_NE(tex.find("\\endpicture"), std::string::npos) << c.file;
  }
}

// The chart's resistance and reactance labels, in the dialog font: "0" left of the chart, "j"
// above it, where nothing else is drawn.
// A time curve of 3,000 points over 10 ms: a sine of four periods with a sawtooth of its own
// on top, so that most pixel columns hold several points.
std::string DenseCurveFile() {
  constexpr int kPoints = 3000;
  DiagKurve curve(nullptr, nullptr);
  curve.SetKind("LinTimeDiag");
  curve.Allocate(kPoints, 1);
  for (int i = 0; i < kPoints; ++i) {
    const double t = 1e-2 * i / kPoints;
    curve.Append(t, 0.3 * std::sin(2 * M_PI * 400 * t) + 0.01 * (i % 7));
  }
  std::ostringstream bytes;
  pf::Archive ar(bytes);
  curve.Serialize(ar);
  return WriteFile("dense.kur", bytes.str());
}

// The points of the \plot lines of a PiCTeX text.
int PlottedPoints(const std::string& tex) {
  int numbers = 0;
  bool inPlot = false;
  std::istringstream lines(tex);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("\\plot ", 0) == 0) inPlot = true;
    if (!inPlot) continue;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
      if (word == "/") inPlot = false;
      if (std::isdigit(static_cast<unsigned char>(word.back()))) ++numbers;
    }
  }
  return numbers / 2;
}

TEST(PlotCommand, ThinsADenseCurveToItsPixelColumnsAndSaysSo) {
  const std::string dense = DenseCurveFile();
  const struct {
    std::string file;
    bool thinned;
  } cases[] = {{dense, true}, {kFixtures + "/eye.kur", false}};
  for (const auto& c : cases) {
    const std::string path = kDir + "/thinned.tex";
    std::string out;
    ASSERT_EQ(RunPlot(c.file + " --pictex " + path, out), 0) << out;
    const std::string tex = ReadText(path);
    const size_t comment = tex.find("% 3000 points thinned to ");
    EXPECT_EQ(comment != std::string::npos, c.thinned) << c.file;
    if (!c.thinned) continue;
    // The grid's width: a column keeps at most its first, extremes and last, and one step.
    const int kept = std::atoi(tex.c_str() + comment + std::strlen("% 3000 points thinned to "));
    EXPECT_LT(kept, 600 * 5);
    EXPECT_GT(kept, 300);
    // A column's strokes go out as one rule, the stretches between columns as point lists.
    EXPECT_LE(PlottedPoints(tex.substr(comment)), kept);
    EXPECT_NE(tex.find("\\put {\\vrule width .4pt height ", comment), std::string::npos);
  }
}

TEST(PlotCommand, WritesTheSmithChartsScale) {
  const std::string png = kDir + "/scale.png";
  std::string out;
  ASSERT_EQ(RunPlot(kFixture + " --diagram SmithDiag --png " + png, out), 0) << out;
  SmithDiag same(nullptr, 0, 0, 600, 450);
  const int left = same.MapX(180.0f, 1.0f);
  const int top = same.MapY(1.0f, 90.0f);
  const int cx = same.GetCentreX();
  const int cy = same.GetCentreY();
  const struct {
    const char* label;
    pf::Rect box;
  } cases[] = {{"0", {left - 14, cy - 8, left - 1, cy + 8}},
               {"j", {cx - 6, top - 18, cx + 6, top - 2}}};
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  for (const auto& c : cases) {
    int dark = 0;
    for (int y = c.box.top; y < c.box.bottom; ++y) {
      for (int x = c.box.left; x < c.box.right; ++x) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, data + y * stride + x * 4, 4);
        if (((pixel >> 16) & 0xFF) < 0x80 && ((pixel >> 8) & 0xFF) < 0x80 && (pixel & 0xFF) < 0x80)
          ++dark;
      }
    }
    EXPECT_GT(dark, 3) << "label " << c.label;
  }
  cairo_surface_destroy(image);
}

}  // namespace

int main(int argc, char** argv) { return RunTests(argc, argv, {}); }
