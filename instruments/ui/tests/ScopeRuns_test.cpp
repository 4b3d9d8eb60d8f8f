// The instruments of the generator examples through a whole built-in run. With
// VOSTRANE_SCOPE_OUT set, the runs leave the master's spectrum, the oscilloscope's samples (also
// those beside an idle generator), the analyser's levels and the speaker's file in that folder
// for tools/crosscheck/scope_runs.py;
// with VOSTRANE_SCOPE_DOC set too, the SPICE results that the circuit of that file keeps in its
// spectrum analyser and plotter go there as well.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/desktop/BusyDialog.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/PlotterSymbol.h"
#include "instruments/ui/SpeakerSymbol.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/profile.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/SourceIds.h"

namespace {

namespace fs = std::filesystem;

template <class S>
S* Find(CVostraneDoc& doc) {
  S* found = nullptr;
  doc.Symbols().ForEach([&found](NetSymbol* s) {
    if (auto* t = dynamic_cast<S*>(s); t != nullptr && found == nullptr) found = t;
  });
  return found;
}

// "%.17g" a line: the first line, then each value (complex ones as "re im").
void Dump(const fs::path& file, double first, int32_t n, const auto& line) {
  std::FILE* out = std::fopen(file.string().c_str(), "w");
  ASSERT_NE(out, nullptr) << file;
  std::fprintf(out, "%.17g\n", first);
  for (int32_t i = 0; i < n; ++i) line(out, i);
  std::fclose(out);
}

class ScopeRuns : public testing::Test {
 protected:
  void SetUp() override {
    const char* dump = std::getenv("VOSTRANE_SCOPE_OUT");
    // A folder of each test's own unless the numbers are wanted: ctest runs tests side by side.
    out = dump != nullptr ? fs::absolute(dump) : own.Path();
    fs::create_directories(out);
    saved = pf::DriveRoot();
    pf::SetDriveRoot(out.string());
    // The voltmeters' log goes into the working folder.
    before = fs::current_path();
    fs::current_path(out);
  }
  void TearDown() override {
    fs::current_path(before);
    pf::SetDriveRoot(saved);
  }

  // Opens the example, starts its generator from the set-up dialog and lets the view's timer
  // run it to its end; then calls check with the document and the generator.
  template <class Check>
  void Run(const char* example, int dialog, int start, const Check& check) {
    Run(example, [](CVostraneView&) {}, dialog, start, check);
  }
  // The same, the example first changed by change(view).
  template <class Change, class Check>
  void Run(const char* example, const Change& change, int dialog, int start,
           const Check& check) {
    pf::Headless headless;
    CVostraneApp app({(fs::path(VOSTRANE_REPOSITORY) / "examples" / example).string()},
                     [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    CVostraneDoc& doc = *view.GetDocument();
    change(view);
    auto* generator = Find<SpectrumSource>(doc);
    ASSERT_NE(generator, nullptr);
    headless.ExpectDialog(dialog, [start](pf::DialogDriver& d) { d.Click(start); });
    view.OpenSymbol(*generator);
    for (int tick = 0; tick < 5000 && view.Analysis().IsBusy(); ++tick) headless.Advance(10);
    EXPECT_FALSE(view.Analysis().IsBusy());
    check(doc, *generator);
    doc.SetModifiedFlag(false);
  }

  void DumpTrace(const RealSignal& t, const char* name) {
    Dump(out / name, t.dt, t.GetSize(),
         [&t](std::FILE* f, int32_t i) { std::fprintf(f, "%.17g\n", t[i]); });
  }

  void DumpMaster(const SpectrumSource& generator, const char* name) {
    const CmplxSignal& x = generator.masterSignal;
    Dump(out / name, x.df, x.GetSize(), [&x](std::FILE* f, int32_t i) {
      std::fprintf(f, "%.17g %.17g\n", x[i].re, x[i].im);
    });
  }

  pf::test::TempDir own;
  fs::path out;
  fs::path before;
  std::string saved;
};

TEST_F(ScopeRuns, DataGeneratorFeedsTheOscilloscopeAndTheAnalyser) {
  Run("datagen_rc.vqe", datagen_ids::kTemplate, datagen_ids::kStart,
      [this](CVostraneDoc& doc, SpectrumSource& generator) {
        auto* oszi = Find<OsziSymbol>(doc);
        auto* analyser = Find<SpecAnaSymbol>(doc);
        ASSERT_TRUE(oszi != nullptr && analyser != nullptr);
        const int32_t lines = generator.masterSignal.GetSize();
        EXPECT_EQ(lines, 128);
        ASSERT_EQ(oszi->timeSignal.GetSize(), 2 * lines);
        EXPECT_DOUBLE_EQ(oszi->timeSignal.dt, 1.0 / (2.0 * generator.masterSignal.df * lines));
        ASSERT_EQ(analyser->signal.GetSize(), lines);
        EXPECT_EQ(analyser->signal.cursor, lines);
        DumpMaster(generator, "datagen_master.txt");
        DumpTrace(oszi->timeSignal, "datagen_oszi.txt");
        const CmplxSignal& s = analyser->signal;
        Dump(out / "datagen_specana.txt", s.df, s.GetSize(), [&s](std::FILE* f, int32_t i) {
          std::fprintf(f, "%.17g\n", SpecAnaSymbol::LineLevel(s[i], i));
        });
      });
}

// A signal generator of 100 ohm placed after the data generator, grounded through a resistor on
// a node of its own, stays idle: the oscilloscope shows the example's trace to the last bit.
TEST_F(ScopeRuns, AnIdleGeneratorLeavesTheTraceAlone) {
  RealSignal alone;
  Run("datagen_rc.vqe", datagen_ids::kTemplate, datagen_ids::kStart,
      [&alone](CVostraneDoc& doc, SpectrumSource&) { alone = Find<OsziSymbol>(doc)->timeSignal; });
  const auto addIdleGenerator = [](CVostraneView& view) {
    auto idle = std::make_unique<SignalGenSymbol>(Point(100, 300), Point(50, 300));
    idle->resistance = "100ohm";
    view.InsertSymbol(std::move(idle));
    view.InsertSymbol(std::make_unique<ResSymbol>(Point(100, 300), Point(200, 300)));
    view.InsertSymbol(std::make_unique<GndSymbol>(Point(200, 300), Point(200, 350)));
  };
  Run("datagen_rc.vqe", addIdleGenerator, datagen_ids::kTemplate, datagen_ids::kStart,
      [this, &alone](CVostraneDoc& doc, SpectrumSource&) {
        ASSERT_EQ(doc.CountSymbolsWithKey("SignalGenSymbol"), 1);
        const RealSignal& t = Find<OsziSymbol>(doc)->timeSignal;
        ASSERT_EQ(t.GetSize(), alone.GetSize());
        ASSERT_GT(t.GetSize(), 0);
        EXPECT_EQ(t.dt, alone.dt);
        int32_t differing = 0;
        for (int32_t i = 0; i < t.GetSize(); ++i) differing += t[i] != alone[i] ? 1 : 0;
        EXPECT_EQ(differing, 0);
        DumpTrace(t, "datagen_idle_oszi.txt");
      });
}

TEST_F(ScopeRuns, AudioSourceFeedsTheSpeaker) {
  fs::remove(out / "SPK1.wav");
  Run("tape_rc.vqe", audio_ids::kTemplate, audio_ids::kStart,
      [this](CVostraneDoc& doc, SpectrumSource& generator) {
        auto* speaker = Find<SpeakerSymbol>(doc);
        ASSERT_NE(speaker, nullptr);
        EXPECT_EQ(speaker->path, "C:/SPK1.wav");
        EXPECT_EQ(speaker->lastWaveResult, 0u);
        EXPECT_EQ(speaker->format.samplesPerSec, 8000u);
        EXPECT_EQ(speaker->sound.GetSize(), 4096);
        EXPECT_TRUE(fs::exists(out / "SPK1.wav"));
        DumpMaster(generator, "tape_master.txt");
      });
}

// Closing the busy window stops a spectral run; one stopped before its last line leaves no time
// signal. Each generator's example, with the oscilloscope, analyser and speaker it lacks added on
// C, runs whole, then stopped at the first tick and half-way: the oscilloscope holds no signal and
// names no run, the speaker's file of the whole run stays byte for byte, the analyser holds the
// lines reached. The circuit saved and opened again holds the same.
TEST_F(ScopeRuns, AStoppedRunLeavesNoTimeSignal) {
  const struct {
    const char* example;
    int dialog;
    int start;
  } kGenerators[] = {{"datagen_rc.vqe", datagen_ids::kTemplate, datagen_ids::kStart},
                     {"tape_rc.vqe", audio_ids::kTemplate, audio_ids::kStart}};
  // Not the numbers' folder: the circuits here are not the examples.
  pf::SetDriveRoot(own.Path().string());
  fs::current_path(own.Path());
  for (const auto& g : kGenerators) {
    SCOPED_TRACE(g.example);
    pf::Headless headless;
    CVostraneApp app({(fs::path(VOSTRANE_REPOSITORY) / "examples" / g.example).string()},
                     [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    CVostraneDoc& doc = *view.GetDocument();
    const Point c = Find<MultiMeterSymbol>(doc)->pins[0];
    const Point up = c + Point(0, -50);
    if (Find<OsziSymbol>(doc) == nullptr) view.InsertSymbol(std::make_unique<OsziSymbol>(c, up));
    if (Find<SpecAnaSymbol>(doc) == nullptr) {
      view.InsertSymbol(std::make_unique<SpecAnaSymbol>(c, up));
    }
    if (Find<SpeakerSymbol>(doc) == nullptr) {
      view.InsertSymbol(std::make_unique<SpeakerSymbol>(c, up));
    }
    auto* oszi = Find<OsziSymbol>(doc);
    auto* analyser = Find<SpecAnaSymbol>(doc);
    auto* speaker = Find<SpeakerSymbol>(doc);
    auto* generator = Find<SpectrumSource>(doc);
    // A run from the dialog's "Start": to its end, or stopped after the ticks.
    const auto run = [&](int ticks) {
      headless.ExpectDialog(g.dialog, [&g](pf::DialogDriver& d) { d.Click(g.start); });
      view.OpenSymbol(*generator);
      if (ticks < 0) {
        for (int tick = 0; tick < 5000 && view.Analysis().IsBusy(); ++tick) headless.Advance(10);
      } else {
        for (int tick = 0; tick < ticks; ++tick) headless.Advance(10);
        ASSERT_NE(view.Analysis().GetBusyDialog(), nullptr);
        headless.Close(*view.Analysis().GetBusyDialog());
        headless.Advance(10);
      }
      EXPECT_FALSE(view.Analysis().IsBusy());
    };
    run(-1);
    const int32_t lines = generator->masterSignal.GetSize();
    EXPECT_EQ(oszi->timeSignal.GetSize(), 2 * lines);
    const std::string sound = pf::test::ReadFile(speaker->FilePath());
    ASSERT_FALSE(sound.empty());
    for (const int ticks : {0, lines / 2 - 1}) {
      SCOPED_TRACE(ticks);
      run(ticks);
      EXPECT_LE(oszi->timeSignal.GetSize(), 1);
      EXPECT_EQ(oszi->GetResultCaption(), CircuitTitle(&view));
      EXPECT_EQ(analyser->signal.GetSize(), ticks + 1);
      EXPECT_EQ(pf::test::ReadFile(speaker->FilePath()), sound);
      const std::string saved = (own.Path() / "stopped.vqe").string();
      ASSERT_TRUE(doc.OnSaveDocument(saved));
      CVostraneDoc reopened;
      ASSERT_TRUE(reopened.OnOpenDocument(saved));
      EXPECT_LE(Find<OsziSymbol>(reopened)->timeSignal.GetSize(), 1);
      EXPECT_LE(Find<OsziSymbol>(reopened)->signal.GetSize(), 1);
      EXPECT_EQ(Find<OsziSymbol>(reopened)->GetResultCaption(), "Netzwerk");
      EXPECT_EQ(Find<SpecAnaSymbol>(reopened)->signal.GetSize(), ticks + 1);
      EXPECT_FALSE(Find<SpecAnaSymbol>(reopened)->resultDate.IsEmpty());
      reopened.SetModifiedFlag(false);
    }
    doc.SetModifiedFlag(false);
  }
}

}  // namespace

namespace {

TEST_F(ScopeRuns, SpiceResultsKeptByASavedCircuit) {
  const char* saved = std::getenv("VOSTRANE_SCOPE_DOC");
  if (saved == nullptr) GTEST_SKIP() << "VOSTRANE_SCOPE_DOC not set";
  CVostraneDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(saved));
  auto* analyser = Find<SpecAnaSymbol>(doc);
  auto* plotter = Find<PlotterSymbol>(doc);
  ASSERT_TRUE(analyser != nullptr && plotter != nullptr);
  ASSERT_EQ(analyser->spicePresent, 1);
  const CVektor& s = analyser->spiceSpectrum;
  const RVektor& f = analyser->spiceFrequencies;
  Dump(out / "spice_specana.txt", s.GetSize(), s.GetSize(), [&](std::FILE* file, int32_t i) {
    std::fprintf(file, "%.17g %.17g %.17g\n", f[i], s[i].re, s[i].im);
  });
  const RVektor& y = plotter->y.values;
  Dump(out / "spice_plot_y.txt", y.GetSize(), y.GetSize(),
       [&y](std::FILE* file, int32_t i) { std::fprintf(file, "%.17g\n", y[i]); });
  doc.SetModifiedFlag(false);
}

}  // namespace
