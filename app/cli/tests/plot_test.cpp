// `vostrane-cli plot` end to end: a curve file in, pictures, PiCTeX and data text out.

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "basics/tests/RunTests.h"
#include "diagrams/SmithDiag.h"
#include "diagrams/elements/DiagKurve.h"
#include "pf/archive.h"

namespace {

const std::string kDir = VOSTRANE_PLOT_SCRATCH;

// Runs the program; stdout and stderr together in out. Each test has its own log, as ctest runs
// them side by side.
int RunPlot(const std::string& args, std::string& out) {
  const std::string log =
      kDir + "/" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
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
      {WriteFile("ok.kur", good) + " --diagram NoSuchDiag", 2, "Usage"},
      {kDir + "/ok.kur --diagram 6 --bogus 1", 2, "Usage"},
      {kDir + "/ok.kur --diagram 6 --width 80", 2, "Usage"},
      {kDir + "/ok.kur --diagram 6 --pictex x.tex --width 0", 2, "Usage"},
      {kDir + "/ok.kur --diagram 6 --size 0x10", 2, "Usage"},
  };
  for (const auto& c : cases) {
    std::string out;
    EXPECT_EQ(RunPlot(c.args, out), c.status) << c.args;
    EXPECT_NE(out.find(c.message), std::string::npos) << c.args << "\n" << out;
  }
}

}  // namespace

int main(int argc, char** argv) { return RunTests(argc, argv, {}); }
