#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/SpiceManager.h"
#include "diagrams/graphics/DiagKurve.h"
#include "instruments/ui/MultiMeterDialog.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/OsziDialog.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/PlotterDialogs.h"
#include "instruments/ui/PlotterSymbol.h"
#include "instruments/ui/SpeakerSymbol.h"
#include "instruments/ui/SpecAnaDialog.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/models/SpecAnaElement.h"
#include "pf/archive.h"
#include "pf/clipboard.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/recording_dc.h"
#include "platform/core/tests/full_disk.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/MeterIds.h"
#include "resources/ScopeIds.h"

namespace {

namespace fs = std::filesystem;

template <class S>
std::string Store(S& s) {
  std::stringstream stream;
  pf::Archive out(static_cast<std::ostream&>(stream));
  s.Serialize(out);
  return stream.str();
}

template <class S>
void Load(const std::string& bytes, S& s) {
  std::stringstream stream(bytes);
  pf::Archive in(static_cast<std::istream&>(stream));
  s.Serialize(in);
}

// A master of three spectral lines whose network has one meter element of any name.
class FakeMaster : public MessMasterSymbol {
 public:
  FakeMaster() : element(NetLine("SPEC 1  RI= 50ohm X")) {
    masterSignal.Realloc(3);
    masterSignal.df = 1000.0;
  }
  NetElement* FindElement(const MyStrng&) const override {
    return present ? const_cast<SpecAnaElement*>(&element) : nullptr;
  }
  SpecAnaElement element;
  bool present = true;
};

// A raw file of one sweep: the scale and V(1), V(2) at each point.
struct Point3 {
  double scale;
  double v1;
  double v2;
};

std::string RawText(const char* plotname, const std::vector<Point3>& points, bool complex) {
  std::string text = std::string("Title: t.cir\nDate: Mon Dec  7 09:00:00  2026\nPlotname: ") +
                     plotname + "\nFlags: " + (complex ? "complex" : "real") +
                     "\nNo. Variables: 3\nNo. Points: " + std::to_string(points.size()) +
                     "\nCommand: test\nVariables:\n\t0\ttime\ttime\n\t1\tV(1)\tvoltage\n"
                     "\t2\tV(2)\tvoltage\nValues:\n";
  char line[200];
  for (size_t p = 0; p < points.size(); ++p) {
    if (complex) {
      std::snprintf(line, sizeof line, "%zu\t%.17g,0\n\t%.17g,0\n\t%.17g,0\n", p, points[p].scale,
                    points[p].v1, points[p].v2);
    } else {
      std::snprintf(line, sizeof line, "%zu\t%.17g\n\t%.17g\n\t%.17g\n", p, points[p].scale,
                    points[p].v1, points[p].v2);
    }
    text += line;
  }
  return text;
}

std::vector<std::string> Lines(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

bool LoadResult(SpiceManager& result, const std::string& text) {
  std::vector<MyStrng> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    MyStrng m(l);
    m.TrimLeft();
    m.TrimRight();
    if (!m.IsEmpty()) lines.push_back(m);
  }
  result.SetNetlistName("t.cir");
  return result.ReadRawLines(lines, "rawspice.raw");
}

TEST(OsziSymbol, CollectsZerosWhileNotRecordingAndNothingWithoutItsElement) {
  FakeMaster master;
  OsziSymbol oszi;
  oszi.BeginMeasurement(master);
  EXPECT_EQ(oszi.dataChanged, 1);
  ASSERT_EQ(oszi.signal.GetSize(), 3);
  EXPECT_EQ(oszi.signal.df, 1000.0);
  master.element.SetValue(Cmplx(0.5, -0.25));
  master.record = 0;
  oszi.MeasureStep(master);
  master.record = 1;
  oszi.MeasureStep(master);
  master.present = false;
  oszi.MeasureStep(master);
  EXPECT_EQ(oszi.signal.cursor, 2);
  EXPECT_EQ(oszi.signal[0].re, 0.0);
  EXPECT_EQ(oszi.signal[1].im, -0.25);
  master.present = true;
  oszi.MeasureStep(master);
  oszi.EndMeasurement();
  EXPECT_EQ(oszi.timeSignal.GetSize(), 6);
  EXPECT_DOUBLE_EQ(oszi.timeSignal.dt, 1.0 / (2 * 1000.0 * 3));
  // Without a run since, the time signal stays.
  const double first = oszi.timeSignal[1];
  oszi.signal.Zero();
  oszi.EndMeasurement();
  EXPECT_EQ(oszi.timeSignal[1], first);
}

TEST(SpecAnaSymbol, CollectsTheRealReadingAndKeepsItsFlag) {
  FakeMaster master;
  SpecAnaSymbol analyser;
  analyser.dataChanged = 0;
  analyser.BeginMeasurement(master);
  EXPECT_EQ(analyser.dataChanged, 0);
  master.element.SetValue(Cmplx(2.0, 7.0));
  analyser.MeasureStep(master);
  master.present = false;
  analyser.MeasureStep(master);
  EXPECT_EQ(analyser.signal.cursor, 1);
  EXPECT_EQ(analyser.signal[0].re, 2.0);
  EXPECT_EQ(analyser.signal[0].im, 0.0);
}

TEST(ScopeLines, NetlistAndSpiceLines) {
  OsziSymbol oszi;
  oszi.nodes[0] = 4;
  oszi.WriteNetLine();
  EXPECT_EQ(oszi.netLine, "MUME 4  R= 1Mohm U Oszi");
  SpeakerSymbol speaker;
  speaker.elementName = "SPK1";
  speaker.nodes[0] = 4;
  speaker.WriteNetLine();
  EXPECT_EQ(speaker.netLine, "MUME 4  R= 1Mohm U SPK1");
  SpecAnaSymbol analyser;
  analyser.nodes[0] = 3;
  analyser.WriteNetLine();
  EXPECT_EQ(analyser.netLine, "SPEC 3  RI= 50ohm SpecAna");
  LineFile lines;
  analyser.dataChanged = 1;
  analyser.WriteSpiceLines(lines, 3);
  EXPECT_EQ(Lines(lines), std::vector<std::string>{"RSpecAna  3 0 50"});
  EXPECT_EQ(analyser.dataChanged, 0);
  PlotterSymbol plotter;
  for (int i = 0; i < 4; ++i) plotter.nodes[i] = i + 1;
  plotter.SetXCurrent();
  LineFile plotted;
  plotter.WriteSpiceLines(plotted, 4);
  EXPECT_EQ(Lines(plotted), (std::vector<std::string>{"RyPlot 1 2 1MEG", "RxPlot 3 4 10m"}));
  plotter.WriteNetLine();
  EXPECT_TRUE(plotter.netLine.IsEmpty());
}

TEST(OsziSymbol, SpiceTransientOnlyAndTheTwoArchiveForms) {
  SpiceManager result;
  OsziSymbol oszi;
  oszi.nodes[0] = 1;
  oszi.freshScreen = 0;
  ASSERT_TRUE(LoadResult(result, RawText("AC Analysis", {{1e3, 1, 2}, {2e3, 3, 4}}, true)));
  // A result it cannot show leaves the screen as it was.
  oszi.ReadSpiceResults(result);
  EXPECT_EQ(oszi.freshScreen, 0);
  EXPECT_EQ(oszi.source, 'R');
  EXPECT_EQ(oszi.spiceValues.GetSize(), 1);
  const std::string builtIn = Store(oszi);

  ASSERT_TRUE(LoadResult(result, RawText("Transient Analysis", {{0, 1, 2}, {1e-6, 3, 4}}, false)));
  oszi.dataChanged = 0;
  oszi.ReadSpiceResults(result);
  EXPECT_EQ(oszi.source, 'S');
  EXPECT_EQ(oszi.dataChanged, 1);
  ASSERT_EQ(oszi.spiceValues.GetSize(), 2);
  EXPECT_EQ(oszi.spiceValues[1], 3.0);
  EXPECT_EQ(oszi.spiceTimes[1], 1e-6);
  // The same times again are no change.
  oszi.dataChanged = 0;
  oszi.ReadSpiceResults(result);
  EXPECT_EQ(oszi.dataChanged, 0);
  // Node 0 reads zeros.
  oszi.nodes[0] = 0;
  oszi.ReadSpiceResults(result);
  EXPECT_EQ(oszi.spiceValues[1], 0.0);

  // 'R' holds the one-sample time signal (4 + 8 + 8 bytes) twice; 'S' holds it once and the
  // two vectors of two doubles; only the SPICE result has titles.
  const std::string spice = Store(oszi);
  MyStrng none;
  EXPECT_EQ(spice.size(), builtIn.size() - 20 + 2 * (4 + 16) + Store(oszi.resultTitle).size() +
                              Store(oszi.resultDate).size() - 2 * Store(none).size());
  OsziSymbol loaded;
  Load(spice, loaded);
  EXPECT_EQ(loaded.source, 'S');
  EXPECT_EQ(loaded.spiceTimes[1], 1e-6);
  OsziSymbol again;
  Load(builtIn, again);
  EXPECT_EQ(again.source, 'R');
  for (size_t cut = 0; cut < spice.size(); cut += 11) {
    OsziSymbol target;
    EXPECT_THROW(Load(spice.substr(0, cut), target), pf::ArchiveError) << cut;
  }
}

// What an instrument shows is the latest run that fed it: a built-in run drops an earlier SPICE
// result, also from the file, and a SPICE result replaces a run; the caption names which.
TEST(ScopeSymbols, ShowTheLatestRunThatFedThem) {
  OsziSymbol oszi;
  SpecAnaSymbol transient;
  SpecAnaSymbol ac;
  const struct {
    const char* name;
    MessGeraetSymbol& symbol;
    const char* plot;
    bool complex;
  } kCases[] = {{"oscilloscope", oszi, "Transient Analysis", false},
                {"analyser, transient", transient, "Transient Analysis", false},
                {"analyser, small signal", ac, "AC Analysis", true}};
  const char* spiceCaption = "Spice: t.cir Mon Dec  7 09:00:00  2026";
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    FakeMaster master;
    SpiceManager result;
    ASSERT_TRUE(LoadResult(result, RawText(c.plot, {{0, 1, 2}, {1, 3, 4}}, c.complex)));
    // The symbol as its saved circuit opens it.
    const auto reopened = [&c] {
      std::unique_ptr<pf::Object> copy(c.symbol.GetRuntimeClass()->create());
      Load(Store(c.symbol), *copy);
      return std::unique_ptr<MessGeraetSymbol>(dynamic_cast<MessGeraetSymbol*>(copy.release()));
    };
    c.symbol.nodes[0] = 1;
    EXPECT_EQ(c.symbol.GetResultCaption(), "Netzwerk");
    c.symbol.ReadSpiceResults(result);
    EXPECT_TRUE(c.symbol.ShowsSpiceResult());
    EXPECT_EQ(c.symbol.GetResultCaption(), spiceCaption);
    EXPECT_EQ(reopened()->GetResultCaption(), spiceCaption);
    c.symbol.BeginMeasurement(master);
    EXPECT_FALSE(c.symbol.ShowsSpiceResult());
    // Nothing of the run is a result before its end.
    EXPECT_EQ(c.symbol.GetResultCaption(), "Netzwerk");
    for (int32_t line = 0; line < master.masterSignal.GetSize(); ++line) {
      c.symbol.MeasureStep(master);
    }
    c.symbol.EndMeasurement();
    const std::string caption = c.symbol.GetResultCaption().ToCString();
    EXPECT_EQ(caption.rfind("Ravilone: Netzwerk ", 0), 0u) << caption;
    const auto saved = reopened();
    EXPECT_FALSE(saved->ShowsSpiceResult());
    EXPECT_EQ(saved->GetResultCaption(), caption.c_str());
    EXPECT_EQ(Store(*saved), Store(c.symbol));
    c.symbol.ReadSpiceResults(result);
    EXPECT_EQ(c.symbol.GetResultCaption(), spiceCaption);
  }
}

// The screens' records end with their result's title and date from version 2 on. Older ones
// load, with the circuit's title as their caption, and leave the next record where it stands;
// a newer version fails the load.
TEST(ScopeSymbols, OlderRecordsWithoutTheirRunsTitlesLoad) {
  OsziSymbol oszi;
  SpecAnaSymbol analyser;
  PlotterSymbol plotter;
  const struct {
    NetSymbol& symbol;
    MyStrng& title;
    MyStrng& date;
    MyStrng (*caption)(const NetSymbol&);
  } kCases[] = {
      {oszi, oszi.resultTitle, oszi.resultDate,
       [](const NetSymbol& s) { return dynamic_cast<const OsziSymbol&>(s).GetResultCaption(); }},
      {analyser, analyser.resultTitle, analyser.resultDate,
       [](const NetSymbol& s) { return dynamic_cast<const SpecAnaSymbol&>(s).GetResultCaption(); }},
      {plotter, plotter.resultTitle, plotter.resultDate,
       [](const NetSymbol& s) { return dynamic_cast<const PlotterSymbol&>(s).GetResultCaption(); }},
  };
  MyStrng next("ResSymbol");
  const std::string nextRecord = Store(next);
  MyStrng none;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.symbol.classKey.ToCString());
    c.title = "t.cir";
    c.date = "12:0:0  7.12.2026";
    const auto load = [&c](const std::string& bytes) {
      std::unique_ptr<pf::Object> copy(c.symbol.GetRuntimeClass()->create());
      Load(bytes, *copy);
      return std::unique_ptr<NetSymbol>(dynamic_cast<NetSymbol*>(copy.release()));
    };
    EXPECT_EQ(c.caption(*load(Store(c.symbol))), c.caption(c.symbol));
    c.symbol.version = 1;
    const std::string titles = Store(c.title) + Store(c.date);
    const std::string current = Store(c.symbol);
    const std::string older = current.substr(0, current.size() - titles.size());
    std::stringstream stream(older + nextRecord);
    pf::Archive in(static_cast<std::istream&>(stream));
    std::unique_ptr<pf::Object> copy(c.symbol.GetRuntimeClass()->create());
    auto& loaded = dynamic_cast<NetSymbol&>(*copy);
    loaded.Serialize(in);
    EXPECT_EQ(c.caption(loaded), "Netzwerk");
    MyStrng key;
    key.Serialize(in);
    EXPECT_EQ(key, "ResSymbol");
    // Saved again, the record is of the newest version and keeps its (empty) titles.
    EXPECT_EQ(Store(loaded).size(), older.size() + 2 * Store(none).size());
    c.symbol.version = 3;
    EXPECT_THROW(load(Store(c.symbol)), pf::ArchiveError);
  }
}

// The analyser's frame that a SPICE spectrum set holds the built-in run that follows; one the
// user set after a run stays.
TEST(SpecAnaSymbol, BuiltInRunAfterSpiceIsFramed) {
  FakeMaster master;
  SpiceManager result;
  SpecAnaSymbol analyser;
  analyser.nodes[0] = 1;
  ASSERT_TRUE(LoadResult(result, RawText("AC Analysis", {{1e6, 1, 0}, {2e6, 2, 0}}, true)));
  analyser.ReadSpiceResults(result);
  ASSERT_EQ(analyser.start.Value(), 1e6f);
  analyser.BeginMeasurement(master);
  EXPECT_EQ(analyser.start.Value(), 0.0f);
  EXPECT_EQ(analyser.stop.Value(), 2000.0f);
  analyser.stop = FreqWert(5000.0);
  analyser.BeginMeasurement(master);
  EXPECT_EQ(analyser.stop.Value(), 5000.0f);
}

// The multimeter: a built-in run after a SPICE result opens its set-up, not the stale readings;
// a SPICE result clears the built-in reading under the symbol.
TEST(MultiMeterSymbol, ShowsTheLatestRun) {
  pf::Headless headless;
  FakeMaster master;
  SpiceManager result;
  ASSERT_TRUE(LoadResult(result, RawText("Transient Analysis", {{0, 1, 2}, {1, 3, 4}}, false)));
  MultiMeterSymbol meter;
  meter.nodes[0] = 1;
  meter.BeginMeasurement(master);
  master.element.SetValue(Cmplx(0.5, 0.0));
  meter.MeasureStep(master);
  EXPECT_FALSE(meter.GetReading().IsEmpty());
  meter.ReadSpiceResults(result);
  EXPECT_TRUE(meter.GetReading().IsEmpty());
  EXPECT_EQ(meter.dataChanged, 1);
  meter.BeginMeasurement(master);
  int opened = 0;
  headless.ExpectDialog(multimeter_ids::kTemplate, [&opened](pf::DialogDriver& d) {
    opened = multimeter_ids::kTemplate;
    d.Cancel();
  });
  meter.EditDialog(nullptr);
  EXPECT_EQ(opened, multimeter_ids::kTemplate);
}

TEST(SpecAnaSymbol, TransientSpectrumKeepsDcAndDoublesTheRest) {
  SpiceManager result;
  SpecAnaSymbol analyser;
  analyser.nodes[0] = 1;
  analyser.nodes[1] = 2;
  // V(1) - V(2) is 1 + cos(2 pi t / 4) over four points one second apart.
  ASSERT_TRUE(LoadResult(result, RawText("Transient Analysis",
                                         {{0, 3, 1}, {1, 2, 1}, {2, 1, 1}, {3, 2, 1}}, false)));
  analyser.ReadSpiceResults(result);
  EXPECT_EQ(analyser.spicePresent, 1);
  EXPECT_EQ(analyser.dataChanged, 1);
  ASSERT_EQ(analyser.spiceSpectrum.GetSize(), 2);
  EXPECT_NEAR(analyser.spiceSpectrum[0].re, 1.0, 1e-12);
  EXPECT_NEAR(analyser.spiceSpectrum[1].Abs(), 1.0, 1e-12);
  EXPECT_NEAR(analyser.spiceFrequencies[1], 0.25, 1e-12);
  EXPECT_NEAR(analyser.spiceSpectrum[1].Abs(), 2.0 * analyser.signal[1].Abs(), 1e-12);
  EXPECT_EQ(analyser.start.Value(), 0.0f);
  EXPECT_NEAR(analyser.stop.Value(), 0.25, 1e-6);
}

TEST(SpecAnaSymbol, AcResultOfOnePointHasStepZero) {
  SpiceManager result;
  SpecAnaSymbol analyser;
  analyser.nodes[0] = 2;
  ASSERT_TRUE(LoadResult(result, RawText("AC Analysis", {{1e6, 1, 0.001}}, true)));
  analyser.ReadSpiceResults(result);
  ASSERT_EQ(analyser.spiceSpectrum.GetSize(), 1);
  EXPECT_EQ(analyser.signal.df, 0.0);
  EXPECT_EQ(analyser.spiceFrequencies[0], 1e6);
  // 1 mV at the default level is 0 dBmV; nothing measurable is -250.
  EXPECT_STREQ(analyser.LevelUnit(), "dBmV");
  EXPECT_NEAR(analyser.SpiceLevel(analyser.spiceSpectrum[0]), 0.0, 1e-9);
  EXPECT_EQ(analyser.SpiceLevel(Cmplx()), -250.0);
  analyser.levelMode = 'P';
  EXPECT_STREQ(analyser.LevelUnit(), "dBm");
  // 1 V peak in 50 ohm: 10 mW.
  EXPECT_NEAR(analyser.SpiceLevel(Cmplx(1.0, 0.0)), 10.0, 1e-6);
  analyser.levelReference = 1.0;
  EXPECT_STREQ(analyser.LevelUnit(), "dBW");
  analyser.levelMode = 'U';
  EXPECT_STREQ(analyser.LevelUnit(), "dBV");
  const std::string bytes = Store(analyser);
  SpecAnaSymbol loaded;
  Load(bytes, loaded);
  EXPECT_EQ(loaded.spiceSpectrum.GetSize(), 1);
  EXPECT_EQ(loaded.levelReference, 1.0);
}

// The drawn level of a built-in line is the power of its component at the node, whatever the
// element's reading (|u|^2 / (2 Ri) of the two-sided line u) says.
TEST(SpecAnaSymbol, LineLevelIsTheComponentsPowerInDbm) {
  const struct {
    Cmplx u;
    int32_t k;
    double dbm;
  } rows[] = {
      {Cmplx(0.5, 0.0), 1, 10.0},                     // 1 V peak sine: 10 mW in 50 ohm
      {Cmplx(0.3, -0.4), 9, 10.0},                    // its phase does not count
      {Cmplx(1.0, 0.0), 0, 10.0 * std::log10(20.0)},  // 1 V DC: 20 mW
      {Cmplx(-1.0, 0.0), 0, 10.0 * std::log10(20.0)},
      {Cmplx(1e-3, 0.0), 3, 10.0 * std::log10(4e-5)},  // 2 mV peak: 40 nW
      {Cmplx(), 2, -250.0},
      {Cmplx(1e-14, 0.0), 1, -250.0},                 // 4e-27 mW is below what is shown
  };
  SpecAnaElement element(NetLine("SPEC 1  RI= 50ohm X"));
  for (const auto& row : rows) {
    const Cmplx reading = element.SetReading(row.u);
    EXPECT_NEAR(SpecAnaSymbol::LineLevel(reading, row.k), row.dbm, 1e-12) << row.k;
  }
}

TEST(PlotterSymbol, RangesStopAtTheirLimits) {
  struct Case {
    int32_t from;
    bool up;
    int32_t to;
    bool changed;
  };
  const Case cases[] = {{12, true, 12, false}, {9, true, 12, true},     {-15, false, -15, false},
                        {-12, false, -15, true}, {0, true, 3, true}};
  for (const Case& c : cases) {
    PlotterSymbol plotter;
    plotter.x.range = c.from;
    EXPECT_EQ(c.up ? plotter.XRangeUp() : plotter.XRangeDown(), c.changed) << c.from;
    EXPECT_EQ(plotter.x.range, c.to) << c.from;
  }
  PlotterSymbol plotter;
  plotter.y.range = -3;
  EXPECT_EQ(plotter.GetYRangeText(), "mV");
  EXPECT_DOUBLE_EQ(plotter.GetYFactor(), 1000.0);
  plotter.SetYCurrent();
  EXPECT_EQ(plotter.GetYRangeText(), "mA");
}

TEST(PlotterSymbol, CurrentInputDividesByItsShuntAndGroundGivesZeros) {
  SpiceManager result;
  PlotterSymbol plotter;
  plotter.nodes[0] = 1;
  plotter.nodes[1] = 2;
  plotter.nodes[2] = 1;
  plotter.nodes[3] = 0;
  plotter.SetYCurrent();
  ASSERT_TRUE(LoadResult(result, RawText("Transient Analysis", {{0, 1, 0.5}, {1, 2, 0.5}}, false)));
  plotter.ReadSpiceResults(result);
  ASSERT_EQ(plotter.y.values.GetSize(), 2);
  // The shunt's value is parsed in single precision.
  EXPECT_NEAR(plotter.y.values[1], 1.5 / 0.01, 1.5e-4);
  EXPECT_EQ(plotter.x.values[1], 2.0);
  EXPECT_EQ(plotter.curveCount, 1);
  EXPECT_EQ(plotter.pointsPerCurve, 2);
  EXPECT_EQ(plotter.GetResultCaption(), "Spice: t.cir Mon Dec  7 09:00:00  2026");
  const std::string bytes = Store(plotter);
  PlotterSymbol loaded;
  Load(bytes, loaded);
  EXPECT_EQ(loaded.y.quantity, 'I');
  EXPECT_EQ(loaded.pointsPerCurve, 2);
  // A curve layout beyond the stored values fails the load.
  plotter.pointsPerCurve = 3;
  const std::string beyond = Store(plotter);
  PlotterSymbol refused;
  EXPECT_THROW(Load(beyond, refused), pf::ArchiveError);
}

// Upright, the instrument's oblong picture is turned whole: its copy is as tall as the picture
// is wide, and no column of it is lost.
TEST(OsziSymbol, UprightPictureIsDrawnWhole) {
  OsziSymbol oszi(Point(100, 150), Point(100, 100));
  oszi.UpdateGeometry();
  ASSERT_EQ(oszi.orientation, 'O');
  const int w = oszi.bitmap->Width();
  const int h = oszi.bitmap->Height();
  ASSERT_NE(w, h);
  pf::RecordingDc dc;
  oszi.Draw(dc);
  const pf::DcCall* copy = nullptr;
  for (const pf::DcCall& call : dc.Calls()) {
    if (call.op == "BitBlt") copy = &call;
  }
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->points[1].x - copy->points[0].x, h);
  EXPECT_EQ(copy->points[1].y - copy->points[0].y, w);
}

TEST(PlotterSymbol, DrawsItsNameAndPointingRightItsInputs) {
  struct Case {
    Point end;
    std::vector<std::string> texts;
  };
  const Case cases[] = {{Point(150, 100), {"Plot", "Ix", "Uy"}}, {Point(100, 150), {"Plot"}}};
  for (const Case& c : cases) {
    PlotterSymbol plotter(Point(100, 100), c.end);
    plotter.SetXCurrent();
    pf::RecordingDc dc;
    plotter.Draw(dc);
    std::vector<std::string> texts;
    for (const pf::DcCall& call : dc.Calls()) {
      if (call.op == "TextOut") texts.push_back(call.text);
    }
    EXPECT_EQ(texts, c.texts) << c.end.y;
  }
}

class SpeakerTest : public testing::Test {
 protected:
  void SetUp() override {
    // A folder per process: ctest runs the fixture's tests at once.
    root = fs::temp_directory_path() / ("vostrane_speaker_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    saved = pf::DriveRoot();
    pf::SetDriveRoot(root.string());
    VS_Error::ClearQueue();
  }
  void TearDown() override {
    pf::SetDriveRoot(saved);
    fs::remove_all(root);
    VS_Error::ClearQueue();
  }
  fs::path root;
  std::string saved;
};

TEST_F(SpeakerTest, WritesTheRunAtItsOwnRateUnderTheDriveRoot) {
  FakeMaster master;
  master.masterSignal.Realloc(4);
  master.masterSignal.df = 8000.0 / 8;
  SpeakerSymbol speaker;
  speaker.elementName = "SPK1";
  // Nothing collected since the last run: nothing written.
  speaker.EndMeasurement();
  EXPECT_FALSE(fs::exists(root / "SPK1.wav"));
  speaker.BeginMeasurement(master);
  for (int i = 0; i < 4; ++i) {
    master.element.SetValue(Cmplx(i == 1 ? 1.0 : 0.0, 0.0));
    speaker.MeasureStep(master);
  }
  speaker.EndMeasurement();
  EXPECT_EQ(speaker.path, "C:/SPK1.wav");
  EXPECT_EQ(speaker.lastWaveResult, 0u);
  EXPECT_EQ(speaker.format.samplesPerSec, 8000u);
  EXPECT_EQ(speaker.dataChanged, 0);
  ASSERT_TRUE(fs::exists(root / "SPK1.wav"));
  // 44 header bytes, the fact chunk of 12, then the 8 samples.
  EXPECT_EQ(fs::file_size(root / "SPK1.wav"), 44u + 12u + 8u);
}

TEST_F(SpeakerTest, FailedWriteIsReportedAndLeavesNoFile) {
  FakeMaster master;
  SpeakerSymbol speaker;
  speaker.elementName = "a/b";
  EXPECT_EQ(speaker.SoundPath(), "C:/a_b.wav");
  fs::create_directories(root / "a_b.wav");  // a folder where the file should go
  speaker.BeginMeasurement(master);
  for (int i = 0; i < 3; ++i) speaker.MeasureStep(master);
  speaker.EndMeasurement();
  EXPECT_NE(speaker.lastWaveResult, 0u);
  ASSERT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_NE(VS_Error::GetFirstMessage().ToCString().find("Wave-Datei konnte nicht geschrieben "
                                                          "werden: "),
            std::string::npos);
}

// On a full disk the sound of the last run stays as it was, and no part of the new one is left.
TEST_F(SpeakerTest, AFullDiskKeepsThePreviousSound) {
  FakeMaster master;
  master.masterSignal.Realloc(4);
  master.masterSignal.df = 8000.0 / 8;
  SpeakerSymbol speaker;
  speaker.elementName = "SPK1";
  std::ofstream(root / "SPK1.wav") << "previous";
  speaker.BeginMeasurement(master);
  for (int i = 0; i < 4; ++i) speaker.MeasureStep(master);
  {
    const pf::test::FullDisk full;
    speaker.EndMeasurement();
  }
  EXPECT_NE(speaker.lastWaveResult, 0u);
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(pf::test::ReadFile((root / "SPK1.wav").string()), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
}

TEST_F(SpeakerTest, PlayPlaysTheWrittenFile) {
  pf::Headless headless;
  SpeakerSymbol speaker;
  speaker.elementName = "SPK1";
  speaker.path = speaker.SoundPath();
  headless.ExpectDialog(speaker_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Click(speaker_ids::kPlay);
    d.Cancel();
  });
  EXPECT_TRUE(speaker.EditDialog(nullptr));
  ASSERT_EQ(headless.Ui().Sounds().size(), 1u);
  EXPECT_EQ(fs::path(headless.Ui().Sounds()[0]), root / "SPK1.wav");
}

TEST(SpeakerSymbol, SampleRatesSaturate) {
  struct Case {
    double dt;
    uint32_t rate;
  };
  const Case cases[] = {{1.0 / 8000, 8000},    {1.0 / 22050.5, 22050},       {0.0, 4294967295u},
                        {1e-12, 4294967295u}, {std::nan(""), 0},           {-1.0, 0},
                        {3.0, 0}};
  for (const Case& c : cases) EXPECT_EQ(SpeakerSymbol::SampleRate(c.dt), c.rate) << c.dt;
}

// The windows, played headless.
class ScopeWindowTest : public testing::Test {
 protected:
  pf::Headless headless;
};

// A new screen shows the zero line only while there is no run: the first opening after one
// shows its signal, and OK keeps the screen.
TEST_F(ScopeWindowTest, NewOscilloscopeShowsTheZeroLineOnlyBeforeARun) {
  OsziSymbol oszi;
  int points = -1;
  auto countPoints = [&points](pf::DialogDriver& d) {
    auto& window = dynamic_cast<OsziDialog&>(d.GetDialog());
    points = window.Screen().Current()->GetCurrentCurve()->GetCount();
    d.Cancel();
  };
  headless.ExpectDialog(oszi_ids::kTemplate, countPoints);
  oszi.EditDialog(nullptr);
  EXPECT_EQ(points, 50);
  oszi.timeSignal = RealSignal(RVektor(8));
  oszi.timeSignal.dt = 1e-9;
  headless.ExpectDialog(oszi_ids::kTemplate, countPoints);
  oszi.EditDialog(nullptr);
  EXPECT_EQ(points, 8);
  EXPECT_EQ(oszi.freshScreen, 1);
  headless.ExpectDialog(oszi_ids::kTemplate, [](pf::DialogDriver& d) { d.Ok(); });
  oszi.EditDialog(nullptr);
  EXPECT_EQ(oszi.freshScreen, 0);
}

// The analyser's bottom line names the run its screen shows.
TEST_F(ScopeWindowTest, AnalyserBottomLineNamesTheRunShown) {
  FakeMaster master;
  SpiceManager result;
  ASSERT_TRUE(LoadResult(result, RawText("Transient Analysis", {{0, 1, 2}, {1, 3, 4}}, false)));
  SpecAnaSymbol analyser;
  analyser.nodes[0] = 1;
  std::string bottom;
  const auto open = [&] {
    headless.ExpectDialog(specana_ids::kTemplate, [&bottom](pf::DialogDriver& d) {
      auto& window = dynamic_cast<SpecAnaDialog&>(d.GetDialog());
      bottom = window.Screen().Current()->GetBottomLineText().ToCString();
      d.Cancel();
    });
    analyser.EditDialog(nullptr);
  };
  analyser.ReadSpiceResults(result);
  open();
  EXPECT_EQ(bottom, "Spice: t.cir Mon Dec  7 09:00:00  2026");
  analyser.BeginMeasurement(master);
  open();
  EXPECT_EQ(bottom, "Netzwerk") << "no run's result while the run goes";
  for (int32_t line = 0; line < master.masterSignal.GetSize(); ++line) {
    analyser.MeasureStep(master);
  }
  analyser.EndMeasurement();
  open();
  EXPECT_EQ(bottom.rfind("Ravilone: Netzwerk ", 0), 0u) << bottom;
}

TEST_F(ScopeWindowTest, SpiceDataBeyondTenDivisionsWidensTheTimeBase) {
  OsziSymbol oszi;
  oszi.freshScreen = 0;
  oszi.source = 'S';
  oszi.dataChanged = 1;
  oszi.spiceTimes = RVektor(3);
  oszi.spiceValues = RVektor(3);
  oszi.spiceTimes[1] = 1e-3;
  oszi.spiceTimes[2] = 2e-3;
  double span = 0.0;
  headless.ExpectDialog(oszi_ids::kTemplate, [&span](pf::DialogDriver& d) {
    span = dynamic_cast<OsziDialog&>(d.GetDialog()).Screen().GetTimeSpan();
    d.Cancel();
  });
  oszi.EditDialog(nullptr);
  EXPECT_GE(span, 2e-3);
  EXPECT_EQ(oszi.dataChanged, 0);
}

TEST_F(ScopeWindowTest, FormatSwitchesEyeAndTimeOnlyOnAChange) {
  OsziSymbol oszi;
  oszi.freshScreen = 0;
  char modes[3] = {};
  headless.ExpectDialog(oszi_ids::kTemplate, [&](pf::DialogDriver& d) {
    auto& window = dynamic_cast<OsziDialog&>(d.GetDialog());
    auto mode = [&window] {
      return dynamic_cast<LinTimeDiag*>(window.Screen().Current())->GetMode();
    };
    headless.ExpectDialog(oszi_ids::kFormatTemplate, [](pf::DialogDriver& f) {
      EXPECT_EQ(f.GetDialog().GetDlgItem(oszi_ids::kDataRate)->GetWindowText(),
                RBitWert(1e9).ToCString());
      f.Click(oszi_ids::kEyeMode);
      f.Ok();
    });
    d.Click(oszi_ids::kFormat);
    modes[0] = mode();
    headless.ExpectDialog(oszi_ids::kFormatTemplate, [](pf::DialogDriver& f) { f.Ok(); });
    d.Click(oszi_ids::kFormat);
    modes[1] = mode();
    headless.ExpectDialog(oszi_ids::kFormatTemplate, [](pf::DialogDriver& f) {
      f.Click(oszi_ids::kTimeMode);
      f.Ok();
    });
    d.Click(oszi_ids::kFormat);
    modes[2] = mode();
    d.Ok();
  });
  oszi.EditDialog(nullptr);
  EXPECT_EQ(std::string(modes, 3), "AAZ");
  EXPECT_EQ(oszi.display, 'Z');
}

TEST_F(ScopeWindowTest, SpectrumSettingsStopAtTheBadFieldAndOkKeepsTheRange) {
  SpecAnaSymbol analyser;
  analyser.signal.Realloc(4);
  analyser.signal.df = 1e6;
  analyser.signal[2] = Cmplx(1.0, 0.0);
  float firstY = 0.0f;
  float thirdX = 0.0f;
  float thirdY = 0.0f;
  headless.ExpectDialog(specana_ids::kTemplate, [&](pf::DialogDriver& d) {
    auto& window = dynamic_cast<SpecAnaDialog&>(d.GetDialog());
    const DiagKurve* curve = window.Screen().Current()->GetCurrentCurve();
    firstY = curve->GetY1(0);
    thirdX = curve->GetX(2);
    thirdY = curve->GetY1(2);
    headless.ExpectDialog(specana_ids::kSettingsTemplate, [](pf::DialogDriver& f) {
      f.Type(specana_ids::kStart, "1MHz");
      f.Type(specana_ids::kStop, "5x");
      f.Click(specana_ids::kSpectrum);
      f.Click(1);
      f.Type(specana_ids::kStop, "10MHz");
      f.Type(specana_ids::kResistance, "75ohm");
      f.Ok();
    });
    d.Click(specana_ids::kParameter);
    d.Ok();
  });
  EXPECT_TRUE(analyser.EditDialog(nullptr));
  // Line 2 at its own 2 MHz, whatever the range; a reading of 1 mW is a component of 4 mW.
  EXPECT_EQ(firstY, -250.0f);
  EXPECT_EQ(thirdX, 2e6f);
  EXPECT_FLOAT_EQ(thirdY, static_cast<float>(10.0 * std::log10(4.0)));
  EXPECT_EQ(analyser.start.Value(), 1e6f);
  EXPECT_EQ(analyser.stop.Value(), 1e7f);
  EXPECT_EQ(analyser.ri, "75ohm");
  EXPECT_EQ(analyser.curveStyle, 'S');
  EXPECT_EQ(analyser.freshScreen, 0);
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler FreqEdit:");
}

// Every window's spins reach their diagram keys: the upper arrow raises the reference value
// and coarsens a scale, the lower one lifts the reference position, and the marker steps on
// with the upper arrow once there is one.
TEST_F(ScopeWindowTest, SpinsStepTheirDiagramKeys) {
  using Get = float (*)(Diagramm&);
  const Get refPos = [](Diagramm& d) { return static_cast<float>(d.GetYRefPos()); };
  const Get refValue = [](Diagramm& d) { return d.GetRefValue(); };
  const Get yScale = [](Diagramm& d) { return static_cast<float>(d.GetYScaleIndex()); };
  const Get xRefValue = [](Diagramm& d) { return d.GetXRefValue(); };
  const Get xScale = [](Diagramm& d) { return d.GetXScale(); };
  const Get marker = [](Diagramm& d) { return static_cast<float>(d.GetMarkerIndex()); };
  const struct {
    int spin;
    bool up;
    Get get;
  } scopeSpins[] = {{oszi_ids::kRefPos, false, refPos},    {oszi_ids::kRefValue, true, refValue},
                    {oszi_ids::kYScale, true, yScale},     {oszi_ids::kStartTime, true, xRefValue},
                    {oszi_ids::kTimePerDiv, true, xScale}, {oszi_ids::kMarkerStep, true, marker}},
    plotterSpins[] = {{plotter_ids::kRefPos, false, refPos},
                      {plotter_ids::kRefValue, true, refValue},
                      {plotter_ids::kYScale, true, yScale},
                      {plotter_ids::kXRefValue, true, xRefValue},
                      {plotter_ids::kXScale, true, xScale},
                      {plotter_ids::kMarkerStep, true, marker}},
    analyserSpins[] = {{specana_ids::kRefPos, false, refPos},
                       {specana_ids::kRefValue, true, refValue},
                       {specana_ids::kYScale, true, yScale}};
  const auto play = [this](int templateId, int markerKey, const auto& spins) {
    headless.ExpectDialog(templateId, [&](pf::DialogDriver& d) {
      Diagramm& diagram = *dynamic_cast<ScreenDialog&>(d.GetDialog()).Screen().Current();
      d.Click(markerKey);
      for (const auto& s : spins) {
        const float before = s.get(diagram);
        d.Spin(s.spin, s.up);
        EXPECT_GT(s.get(diagram), before) << templateId << " " << s.spin;
      }
      d.Cancel();
    });
  };
  OsziSymbol scope;
  play(oszi_ids::kTemplate, oszi_ids::kMarker, scopeSpins);
  scope.EditDialog(nullptr);
  PlotterSymbol plotter;
  plotter.setUpPending = 0;
  play(plotter_ids::kTemplate, plotter_ids::kMarker, plotterSpins);
  plotter.EditDialog(nullptr);
  SpecAnaSymbol analyser;
  play(specana_ids::kTemplate, specana_ids::kMarker, analyserSpins);
  analyser.EditDialog(nullptr);
}

TEST_F(ScopeWindowTest, PlotterSetUpFirstThenThePlotWithItsRanges) {
  PlotterSymbol plotter;
  headless.ExpectDialog(plotter_ids::kSetUpTemplate, [](pf::DialogDriver& d) {
    d.Click(plotter_ids::kXCurrent);
    d.Spin(plotter_ids::kSetUpYRangeSpin, false);
    d.Cancel();
  });
  EXPECT_FALSE(plotter.EditDialog(nullptr));
  // "Strom" took at once; the range too.
  EXPECT_EQ(plotter.x.quantity, 'I');
  EXPECT_EQ(plotter.x.resistance, "10mohm");
  EXPECT_EQ(plotter.y.range, -3);
  headless.ExpectDialog(plotter_ids::kSetUpTemplate, [](pf::DialogDriver& d) { d.Ok(); });
  EXPECT_TRUE(plotter.EditDialog(nullptr));
  EXPECT_EQ(plotter.setUpPending, 0);
  std::string yText;
  headless.ExpectDialog(plotter_ids::kTemplate, [&yText](pf::DialogDriver& d) {
    for (int i = 0; i < 3; ++i) d.Spin(plotter_ids::kYRangeSpin, false);
    yText = d.GetDialog().GetDlgItem(plotter_ids::kYRange)->GetWindowText();
    d.Ok();
  });
  EXPECT_TRUE(plotter.EditDialog(nullptr));
  EXPECT_EQ(plotter.y.range, -12);
  EXPECT_EQ(yText, "pV");
  EXPECT_EQ(plotter.freshScreen, 0);
}

// A screen that shows no run's result (the zero line, a new analyser's line of nothing, a plotter
// before its run, a run still going, an oscilloscope after a run stopped before its last line) is
// neither copied nor written: each key says so once and asks for nothing, and the clipboard keeps
// what it held. A run's result is, also the lines a stopped run reached.
TEST_F(ScopeWindowTest, KeysCopyOrWriteOnlyARunsResult) {
  // The first lines of a run of the master; it ends unless it is still going.
  const auto run = [](MessGeraetSymbol& symbol, FakeMaster& master, int32_t lines, bool ends) {
    symbol.BeginMeasurement(master);
    for (int32_t line = 0; line < lines; ++line) symbol.MeasureStep(master);
    if (ends) symbol.EndMeasurement();
  };
  FakeMaster master;
  OsziSymbol freshOszi;
  OsziSymbol ranOszi;
  ranOszi.timeSignal = RealSignal(RVektor(8));
  ranOszi.timeSignal.dt = 1e-9;
  OsziSymbol runningOszi;
  run(runningOszi, master, 3, true);
  run(runningOszi, master, 2, false);
  OsziSymbol stoppedOszi;
  run(stoppedOszi, master, 3, true);
  run(stoppedOszi, master, 2, true);
  SpecAnaSymbol freshAnalyser;
  SpecAnaSymbol ranAnalyser;
  run(ranAnalyser, master, 3, true);
  SpecAnaSymbol runningAnalyser;
  run(runningAnalyser, master, 2, false);
  SpecAnaSymbol stoppedAnalyser;
  run(stoppedAnalyser, master, 1, true);
  SpecAnaSymbol oneLineAnalyser;
  FakeMaster oneLine;
  oneLine.masterSignal.Realloc(1);
  oneLine.masterSignal.df = 1000.0;
  run(oneLineAnalyser, oneLine, 1, true);
  PlotterSymbol freshPlotter;
  freshPlotter.setUpPending = 0;
  PlotterSymbol ranPlotter;
  ranPlotter.setUpPending = 0;
  ranPlotter.curveCount = 2;
  ranPlotter.pointsPerCurve = 3;
  ranPlotter.x.values = RVektor(6);
  ranPlotter.y.values = RVektor(6);
  for (int32_t i = 0; i < 6; ++i) ranPlotter.x.values[i] = ranPlotter.y.values[i] = i;
  const char* none = "Achtung: Keine Ergebnisse vorhanden";
  const struct {
    const char* what;
    NetSymbol* symbol;
    int window;
    int key;
    const char* box;  // nullptr: the PiCTeX dialog opens
    bool copied;
  } cases[] = {
      {"oscilloscope, screen, no run", &freshOszi, oszi_ids::kTemplate, oszi_ids::kScreenCopy,
       none, false},
      {"oscilloscope, PiCTeX, no run", &freshOszi, oszi_ids::kTemplate, oszi_ids::kPicTex, none,
       false},
      {"oscilloscope, screen", &ranOszi, oszi_ids::kTemplate, oszi_ids::kScreenCopy,
       "Oszi: Bildschirm ins Clipboard kopiert", true},
      {"oscilloscope, PiCTeX", &ranOszi, oszi_ids::kTemplate, oszi_ids::kPicTex, nullptr, false},
      {"oscilloscope, screen, run going", &runningOszi, oszi_ids::kTemplate,
       oszi_ids::kScreenCopy, none, false},
      {"oscilloscope, PiCTeX, run going", &runningOszi, oszi_ids::kTemplate, oszi_ids::kPicTex,
       none, false},
      {"oscilloscope, screen, run stopped", &stoppedOszi, oszi_ids::kTemplate,
       oszi_ids::kScreenCopy, none, false},
      {"oscilloscope, PiCTeX, run stopped", &stoppedOszi, oszi_ids::kTemplate,
       oszi_ids::kPicTex, none, false},
      {"spectrum analyser, screen, no run", &freshAnalyser, specana_ids::kTemplate,
       specana_ids::kScreenCopy, none, false},
      {"spectrum analyser, screen", &ranAnalyser, specana_ids::kTemplate,
       specana_ids::kScreenCopy, "SpecAna: Bildschirm ins Clipboard kopiert", true},
      {"spectrum analyser, screen, a run of one line", &oneLineAnalyser, specana_ids::kTemplate,
       specana_ids::kScreenCopy, "SpecAna: Bildschirm ins Clipboard kopiert", true},
      {"spectrum analyser, screen, run going", &runningAnalyser, specana_ids::kTemplate,
       specana_ids::kScreenCopy, none, false},
      {"spectrum analyser, screen, run stopped", &stoppedAnalyser, specana_ids::kTemplate,
       specana_ids::kScreenCopy, "SpecAna: Bildschirm ins Clipboard kopiert", true},
      {"plotter, screen, no run", &freshPlotter, plotter_ids::kTemplate,
       plotter_ids::kScreenCopy, none, false},
      {"plotter, data, no run", &freshPlotter, plotter_ids::kTemplate, plotter_ids::kDataCopy,
       none, false},
      {"plotter, screen", &ranPlotter, plotter_ids::kTemplate, plotter_ids::kScreenCopy,
       "Plot: Bildschirm ins Clipboard kopiert", true},
      {"plotter, data", &ranPlotter, plotter_ids::kTemplate, plotter_ids::kDataCopy,
       "Plot: Daten ins Clipboard kopiert", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    headless.Ui().Reset();
    pf::TheClipboard().SetText("vorher");
    headless.ExpectDialog(c.window, [&c](pf::DialogDriver& d) {
      d.Click(c.key);
      d.Cancel();
    });
    if (c.box == nullptr) {
      headless.ExpectDialog(pictex_ids::kTemplate, [](pf::DialogDriver& d) { d.Cancel(); });
    }
    c.symbol->EditDialog(nullptr);
    EXPECT_EQ(headless.PendingScripts(), 0);
    std::vector<std::string> boxes;
    for (const auto& m : headless.Ui().Messages()) boxes.push_back(m.caption + ": " + m.text);
    EXPECT_EQ(boxes, c.box != nullptr ? std::vector<std::string>{c.box} : std::vector<std::string>{});
    EXPECT_EQ(headless.Ui().Beeps().size(), c.box == none ? 1u : 0u);
    EXPECT_TRUE(headless.Ui().FileDialogs().empty());
    EXPECT_EQ(pf::TheClipboard().GetText() == "vorher", !c.copied);
  }
}

}  // namespace
