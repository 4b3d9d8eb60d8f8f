#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/generators/SignalGenDialog.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "pf/archive.h"
#include "pf/controls.h"
#include "pf/headless.h"
#include "pf/profile.h"
#include "editor/tests/support/SymbolStreams.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/MeterIds.h"

namespace {

// Every cut of a record fails its load.
template <class S>
void ExpectCutsFail(const std::string& bytes) {
  for (size_t cut = 0; cut < bytes.size(); cut += 7) {
    S target;
    EXPECT_THROW(Load(target, bytes.substr(0, cut)), pf::ArchiveError) << cut;
  }
}

std::string Text(const MyStrng& s) { return s.ToCString(); }

std::vector<std::string> Lines(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

int Checked(pf::DialogDriver& d, int id) {
  return d.GetDialog().IsDlgButtonChecked(id);
}

TEST(MultiMeterSymbol, ArchiveKeepsModeDisplayAndResistance) {
  MultiMeterSymbol meter;
  meter.SetAmmeter();
  meter.display = 'M';
  const std::string bytes = Store(meter);
  MultiMeterSymbol back;
  Load(back, bytes);
  EXPECT_EQ(back.mode, 'I');
  EXPECT_EQ(back.display, 'M');
  EXPECT_EQ(Text(back.ri), "100mohm");
  EXPECT_EQ(Text(back.elementName), "Mu");
  ExpectCutsFail<MultiMeterSymbol>(bytes);
  // The two letters close the record: an unknown one fails the load.
  for (size_t from_end : {1u, 2u}) {
    std::string bad = bytes;
    bad[bad.size() - from_end] = 'X';
    MultiMeterSymbol target;
    EXPECT_THROW(Load(target, bad), pf::ArchiveError) << from_end;
  }
}

// Ground is left out of the built-in line and written as node 0 for SPICE, where the meter is
// its internal resistance.
TEST(MultiMeterSymbol, NetlistAndSpiceLines) {
  struct Case {
    int n1, n2;
    bool ammeter;
    const char* net;
    const char* spice;
  };
  const Case cases[] = {
      {3, 0, false, "MUME 3 R = 1Mohm U Mu", "RMu  3 0 1MEG"},
      {3, 5, false, "MUME 3 5 R = 1Mohm U Mu", "RMu  3 5 1MEG"},
      {0, 4, true, "MUME 4 R = 100mohm I Mu", "RMu  0 4 100m"},
  };
  for (const Case& c : cases) {
    MultiMeterSymbol meter;
    if (c.ammeter) meter.SetAmmeter();
    meter.nodes[0] = c.n1;
    meter.nodes[1] = c.n2;
    meter.WriteNetLine();
    EXPECT_EQ(Text(meter.netLine), c.net);
    LineFile spice;
    meter.dataChanged = 1;
    EXPECT_EQ(meter.WriteSpiceLines(spice, 7), 0);
    EXPECT_EQ(Lines(spice), std::vector<std::string>{c.spice});
    EXPECT_EQ(meter.dataChanged, 0);
  }
}

// Without a network the reading blinks and nothing is logged, so the run's end leaves an
// earlier "MultiMeter.dat" as it was.
TEST(MultiMeterSymbol, MissingElementBlinksAndKeepsOldFile) {
  const pf::test::TempDir work;
  const pf::test::WorkingDir inside(work.Path());
  { std::ofstream("MultiMeter.dat") << "alt\n"; }
  MultiMeterSymbol meter;
  MessMasterSymbol master;
  meter.BeginMeasurement(master);
  meter.MeasureStep(master);
  EXPECT_EQ(Text(meter.GetReading()), "Error");
  meter.MeasureStep(master);
  EXPECT_EQ(Text(meter.GetReading()), "");
  meter.EndMeasurement();
  std::ifstream in("MultiMeter.dat");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "alt");
}

// Three meters in one run of the RC example: each ends its measurement in document order, so
// the file holds the last voltmeter's log; the ammeter after it logs nothing and leaves it.
TEST(MultiMeterSymbol, LastVoltmeterWritesTheLog) {
  namespace fs = std::filesystem;
  const pf::test::TempDir work;
  const pf::test::WorkingDir inside(work.Path());
  pf::Headless headless;
  {
    CVostraneApp app({(fs::path(VOSTRANE_REPOSITORY) / "examples/siggen_rc.vqe").string()},
                     [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    CVostraneDoc& doc = *view.GetDocument();
    MultiMeterSymbol* first = nullptr;
    SignalGenSymbol* generator = nullptr;
    doc.Symbols().ForEach([&](NetSymbol* s) {
      if (auto* m = dynamic_cast<MultiMeterSymbol*>(s)) first = m;
      if (auto* g = dynamic_cast<SignalGenSymbol*>(s)) generator = g;
    });
    ASSERT_TRUE(first != nullptr && generator != nullptr);
    // Across the generator's node and ground, then an ammeter in the same place.
    auto* second = new MultiMeterSymbol(Point(200, 100), Point(200, 200));
    auto* ammeter = new MultiMeterSymbol(Point(200, 100), Point(200, 200));
    ammeter->SetAmmeter();
    for (MultiMeterSymbol* m : {second, ammeter}) {
      m->UpdateGeometry();
      m->SetView(&view);
      doc.AddSymbol(m);
    }
    headless.ExpectDialog(siggen_ids::kTemplate,
                          [](pf::DialogDriver& d) { d.Click(siggen_ids::kStart); });
    view.OpenSymbol(*generator);
    for (int tick = 0; tick < 30 && view.Analysis().IsBusy(); ++tick) headless.Advance(500);
    EXPECT_FALSE(view.Analysis().IsBusy());
    EXPECT_EQ(first->GetLog().GetCount(), 21);
    EXPECT_EQ(ammeter->GetLog().GetCount(), 0);
    EXPECT_FALSE(ammeter->GetReading().IsEmpty());
    LineFile written;
    ASSERT_GT(written.ReadFile(MultiMeterSymbol::kLogFile), 0);
    EXPECT_EQ(Lines(written), Lines(second->GetLog()));
    EXPECT_NE(Lines(written), Lines(first->GetLog()));
    doc.SetModifiedFlag(false);
  }
}

// The generators' examples load and lie on the grid, the generators' pins among them.
TEST(GeneratorExamples, LieOnTheGrid) {
  for (const char* name : {"siggen_rc.vqe", "diode_dc.vqe"}) {
    CVostraneDoc doc;
    const std::string path = std::string(VOSTRANE_REPOSITORY) + "/examples/" + name;
    ASSERT_TRUE(doc.OnOpenDocument(path)) << name;
    int generators = 0;
    doc.Symbols().ForEach([&](NetSymbol* s) {
      generators += dynamic_cast<MessMasterSymbol*>(s) != nullptr;
      for (int i = 0; i < std::min(s->pinCount, NetSymbol::kMaxPins); ++i) {
        const Point p = s->pins[i];
        EXPECT_TRUE(p.x >= 25 && p.y >= 25 && p.x % 25 == 0 && p.y % 25 == 0)
            << name << " " << s->elementName.ToCString() << " pin " << i;
      }
    });
    EXPECT_EQ(generators, 1) << name;
  }
}

// A supply beside a circuit without a diode cannot start; the network built for the attempt is
// not kept, so a start after the circuit changed builds it anew.
TEST(DcGeneratorDialog, RefusedStartKeepsNoNetwork) {
  pf::Headless headless;
  CVostraneApp app({std::string(VOSTRANE_REPOSITORY) + "/examples/siggen_rc.vqe"},
                   [] { return std::make_unique<pf::MemoryProfile>(); });
  ASSERT_TRUE(app.InitInstance());
  auto& view = dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
  auto* supply = new DcGeneratorSymbol(Point(200, 100), Point(200, 200));
  supply->UpdateGeometry();
  supply->SetView(&view);
  view.GetDocument()->AddSymbol(supply);
  headless.ExpectDialog(dcgen_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Click(dcgen_ids::kStart);
    d.Cancel();
  });
  view.OpenSymbol(*supply);
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Fehler beim Start der Berechnung");
  EXPECT_EQ(supply->networkReady, 0);
  EXPECT_FALSE(view.Analysis().IsBusy());
  view.GetDocument()->SetModifiedFlag(false);
}

// A swept supply lists the document's other supplies; with "NoSlave" the last one becomes its
// slave on OK. A fixed one lists none.
TEST(DcGeneratorDialog, SlaveListOfTheDocument) {
  pf::Headless headless;
  CVostraneApp app({std::string(VOSTRANE_REPOSITORY) + "/examples/diode_dc.vqe"},
                   [] { return std::make_unique<pf::MemoryProfile>(); });
  ASSERT_TRUE(app.InitInstance());
  auto& view = dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
  CVostraneDoc& doc = *view.GetDocument();
  DcGeneratorSymbol* first = nullptr;
  doc.Symbols().ForEach([&first](NetSymbol* s) {
    if (auto* supply = dynamic_cast<DcGeneratorSymbol*>(s)) first = supply;
  });
  ASSERT_NE(first, nullptr);
  std::vector<std::string> others;
  for (int i = 0; i < 2; ++i) {
    auto* other = new DcGeneratorSymbol(Point(600, 100), Point(600, 200));
    doc.AddSymbol(other);
    others.push_back(Text(other->elementName));
  }
  std::vector<std::string> listed;
  headless.ExpectDialog(dcgen_ids::kTemplate, [&listed](pf::DialogDriver& d) {
    auto* combo = dynamic_cast<pf::ComboBox*>(d.GetDialog().GetDlgItem(dcgen_ids::kSlave));
    for (int i = 0; combo != nullptr && i < combo->GetCount(); ++i) {
      listed.push_back(combo->GetText(i));
    }
    d.Ok();
  });
  view.OpenSymbol(*first);
  EXPECT_EQ(listed, others);
  EXPECT_EQ(Text(first->slaveName), others.back());

  first->setting = 'F';
  listed.clear();
  headless.ExpectDialog(dcgen_ids::kTemplate, [&listed](pf::DialogDriver& d) {
    auto* combo = dynamic_cast<pf::ComboBox*>(d.GetDialog().GetDlgItem(dcgen_ids::kSlave));
    listed.push_back(std::to_string(combo != nullptr ? combo->GetCount() : -1));
    d.Ok();
  });
  view.OpenSymbol(*first);
  EXPECT_EQ(listed, std::vector<std::string>{"0"});
  EXPECT_EQ(Text(first->slaveName), others.back());
  doc.SetModifiedFlag(false);
}

TEST(MultiMeterDialog, ButtonsSwitchTheMeterAtOnce) {
  pf::Headless headless;
  MultiMeterSymbol meter;
  headless.ExpectDialog(multimeter_ids::kTemplate, [](pf::DialogDriver& d) {
    EXPECT_EQ(Checked(d, multimeter_ids::kVoltage), 1);
    d.Click(multimeter_ids::kCurrent);
    d.Cancel();
  });
  EXPECT_FALSE(meter.EditDialog(nullptr));
  EXPECT_EQ(meter.mode, 'I');
  EXPECT_EQ(Text(meter.ri), "100mohm");
  headless.ExpectDialog(multimeter_ids::kTemplate, [](pf::DialogDriver& d) {
    EXPECT_EQ(Checked(d, multimeter_ids::kCurrent), 1);
    d.Click(multimeter_ids::kVoltage);
    d.Ok();
  });
  EXPECT_TRUE(meter.EditDialog(nullptr));
  EXPECT_EQ(meter.mode, 'U');
  EXPECT_EQ(Text(meter.ri), "1Mohm");
}

TEST(SignalGenSymbol, NetlistHeaderAndSpice) {
  SignalGenSymbol generator;
  generator.nodes[0] = 3;
  generator.WriteNetLine();
  EXPECT_EQ(Text(generator.netLine), "UQU 3 U= 10mV R= 50ohm SigGen");
  EXPECT_EQ(Text(generator.GetNetHeader()), "Netzwerk: 1POR 3 ");
  LineFile spice;
  generator.SetRunning(true);
  // The resistance stays in series, through the node after the last one.
  EXPECT_EQ(generator.WriteSpiceLines(spice, 7), 1);
  EXPECT_EQ(Lines(spice), (std::vector<std::string>{"VSigGen 8 0 AC 10m", "RSigGen 3 8 50"}));
  LineFile card;
  generator.WriteSpiceControl(card);
  EXPECT_EQ(Lines(card), std::vector<std::string>{".AC LIN 51 1K 20K"});
  generator.SetActiveFlag(0);
  EXPECT_EQ(Text(generator.GetNetHeader()), "");
  LineFile none;
  generator.WriteSpiceControl(none);
  EXPECT_EQ(none.GetCount(), 0);
}

TEST(SignalGenSymbol, AcCardPointsPerDecade) {
  struct Case {
    double start, stop;
    int count;
    char mode;
    const char* card;
  };
  const Case cases[] = {
      {1e3, 2e4, 51, 'E', ".AC DEC 39 1K 20K"},
      {1e3, 1e5, 21, 'E', ".AC DEC 10 1K 100K"},
      {1e6, 1e6, 11, 'E', ".AC DEC 11 1MEG 1MEG"},       // no decade: the count
      {1.5e9, 2.25e9, 3, 'L', ".AC LIN 3 1.5G 2.25G"},  // 9 digits, not 4
      {1234567.8, 2e6, 2, 'L', ".AC LIN 2 1.2345678MEG 2MEG"},
  };
  for (const Case& c : cases) {
    SignalGenSymbol generator;
    generator.sweep.SetStart(c.start);
    generator.sweep.SetStop(c.stop);
    generator.sweep.SetCount(c.count);
    generator.sweep.mode = c.mode;
    generator.sweep.Prepare();
    EXPECT_EQ(Text(generator.AcCard()), c.card);
  }
}

TEST(SignalGenSymbol, ArchiveKeepsSweepAndValues) {
  SignalGenSymbol generator;
  generator.voltage = "1V";
  generator.resistance = "75ohm";
  generator.sweep.SetStart(1e3);
  generator.sweep.SetStop(1e5);
  generator.sweep.SetCount(21);
  generator.sweep.mode = 'E';
  const std::string bytes = Store(generator);
  SignalGenSymbol back;
  Load(back, bytes);
  EXPECT_EQ(Text(back.voltage), "1V");
  EXPECT_EQ(Text(back.resistance), "75ohm");
  EXPECT_EQ(back.sweep.start, 1e3);
  EXPECT_EQ(back.sweep.stop, 1e5);
  EXPECT_EQ(back.sweep.count, 21);
  EXPECT_EQ(back.sweep.mode, 'E');
  EXPECT_EQ(back.sweep.previousMode, 'L');
  ExpectCutsFail<SignalGenSymbol>(bytes);
  // The tail: start, stop (doubles), count (int32), mode.
  const size_t tail = bytes.size() - 21;
  const auto corrupt = [&](size_t at, std::string with) {
    std::string bad = bytes;
    bad.replace(at, with.size(), with);
    SignalGenSymbol target;
    EXPECT_THROW(Load(target, bad), pf::ArchiveError) << at;
  };
  corrupt(bytes.size() - 1, "X");
  corrupt(bytes.size() - 5, std::string("\0\0\0\0", 4));
  corrupt(tail, std::string("\0\0\0\0\0\0\xf8\x7f", 8));  // NaN
}

// A refused OK stores no field, those that passed before the refused one included, and
// "Abbrechen" keeps the generator as it was; a count of 0 is refused under its own caption.
TEST(SignalGenDialog, ARefusedOkStoresNoFieldAndOkStoresThemAll) {
  pf::Headless headless;
  SignalGenSymbol generator;
  const auto expectUnchanged = [&] {
    EXPECT_EQ(generator.sweep.start, 1e3);
    EXPECT_EQ(generator.sweep.stop, 20e3);
    EXPECT_EQ(generator.sweep.count, 51);
    EXPECT_EQ(Text(generator.voltage), "10mV");
    EXPECT_EQ(Text(generator.resistance), "50ohm");
  };
  headless.ExpectDialog(siggen_ids::kTemplate, [&](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(siggen_ids::kStartFrequency), "1kHz");
    EXPECT_EQ(d.Text(siggen_ids::kResistance), "50ohm");
    d.Type(siggen_ids::kStartFrequency, "30kHz");
    d.Type(siggen_ids::kStopFrequency, "2kHz");
    d.Type(siggen_ids::kCount, "0");
    d.Ok();
    expectUnchanged();
    d.Type(siggen_ids::kCount, "5");
    d.Type(siggen_ids::kVoltage, "2V");
    d.Type(siggen_ids::kResistance, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    expectUnchanged();
    d.Cancel();
  });
  EXPECT_FALSE(generator.EditDialog(nullptr));
  const auto& shown = headless.Ui().Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].caption, "Fehler Schritte:");
  EXPECT_EQ(shown[0].text, "Anzahl der Frequenzwerte muß > 0 sein");
  EXPECT_EQ(shown[1].caption, "Fehler Innenwiderstand:");
  expectUnchanged();

  headless.ExpectDialog(siggen_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Type(siggen_ids::kStartFrequency, "30kHz");
    d.Type(siggen_ids::kStopFrequency, "2kHz");
    d.Type(siggen_ids::kCount, "5");
    d.Type(siggen_ids::kVoltage, "2V");
    d.Type(siggen_ids::kResistance, "60ohm");
    d.Click(siggen_ids::kLogarithmic);
    d.Ok();
  });
  EXPECT_TRUE(generator.EditDialog(nullptr));
  // Stop below start is taken; Prepare orders them.
  EXPECT_EQ(generator.sweep.start, 2e3);
  EXPECT_EQ(generator.sweep.stop, 30e3);
  EXPECT_EQ(generator.sweep.count, 5);
  EXPECT_EQ(generator.sweep.mode, 'E');
  EXPECT_EQ(Text(generator.voltage), "2V");
  EXPECT_EQ(Text(generator.resistance), "60ohm");
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

// A logarithmic sweep has no end at or below 0: the dialog refuses it under that end's caption,
// stores nothing (the start that passed neither), stays open and leaves nothing queued; a linear sweep takes 0 Hz, and
// either takes its ends in any order.
TEST(SignalGenDialog, LogarithmicSweepNeedsBothEndsAboveZero) {
  const struct {
    int mode;
    const char* start;
    const char* stop;
    const char* caption;  // null: taken
    const char* message;
    double wantStart, wantStop;
  } cases[] = {
      {siggen_ids::kLogarithmic, "1kHz", "0Hz", "Fehler Stopfrequenz:",
       SweepFreq::kStopNotPositive, 1e3, 20e3},
      {siggen_ids::kLogarithmic, "0Hz", "20kHz", "Fehler Startfrequenz:",
       SweepFreq::kStartNotPositive, 1e3, 20e3},
      {siggen_ids::kLogarithmic, "5kHz", "-5Hz", "Fehler Stopfrequenz:", "Negative Frequenz", 1e3,
       20e3},
      {siggen_ids::kLogarithmic, "20kHz", "10Hz", nullptr, "", 10, 20e3},
      {siggen_ids::kLinear, "1kHz", "0Hz", nullptr, "", 0, 1e3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.stop);
    pf::Headless headless;
    SignalGenSymbol generator;
    bool open = false;
    headless.ExpectDialog(siggen_ids::kTemplate, [&](pf::DialogDriver& d) {
      d.Click(c.mode);
      d.Type(siggen_ids::kStartFrequency, c.start);
      d.Type(siggen_ids::kStopFrequency, c.stop);
      d.Ok();
      open = !d.GetDialog().HasEnded();
      if (open) d.Cancel();
    });
    EXPECT_EQ(generator.EditDialog(nullptr), c.caption == nullptr);
    EXPECT_EQ(open, c.caption != nullptr);
    const auto& shown = headless.Ui().Messages();
    ASSERT_EQ(shown.size(), c.caption != nullptr ? 1u : 0u);
    if (c.caption != nullptr) {
      EXPECT_EQ(shown[0].caption, c.caption);
      EXPECT_EQ(shown[0].text, c.message);
      EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
    } else {
      EXPECT_EQ(generator.sweep.mode, c.mode == siggen_ids::kLogarithmic ? 'E' : 'L');
    }
    EXPECT_EQ(generator.sweep.start, c.wantStart);
    EXPECT_EQ(generator.sweep.stop, c.wantStop);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

// Every instrument but the master reads the master's point; a generator that is not the
// master neither steps nor ends anything then.
TEST(Generators, StepOnlyTheirOwnRun) {
  SignalGenSymbol generator;
  DcGeneratorSymbol supply;
  generator.networkReady = 1;
  supply.networkReady = 1;
  generator.sweep.Rewind();
  generator.MeasureStep(supply);
  supply.MeasureStep(generator);
  EXPECT_EQ(generator.sweep.index, 0);
  EXPECT_EQ(generator.networkReady, 1);
  EXPECT_EQ(supply.networkReady, 1);
  // Its own step without a network ends its run.
  supply.MeasureStep(supply);
  EXPECT_EQ(supply.networkReady, 0);
}

// A frequency run drives the top-level network, which must be linear and hold the generator's
// source: beside a diode the last linear network is a sub-circuit's, and the run would compute
// it with no source in it.
TEST(Generators, StartOnlyOnALinearNetworkThatHoldsTheirSource) {
  struct Case {
    const char* what;
    std::vector<const char*> lines;
    bool starts;
  };
  const Case cases[] = {
      {"linear", {"BLK", "UQU 1 U= 1V R= 50ohm G", "RES 1 R = 50ohm", "TOP: 1POR 1 ", "END"}, true},
      {"diode",
       {"BLK", "UQU 1 U= 1V R= 50ohm G", "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "TOP: 1POR 1 ", "END"},
       false},
      {"diode beside a linear sub-circuit",
       {"BLK", "SUB1: 1POR 5 ", "RES 5 R = 50ohm", "END", "BLK", "UQU 1 U= 1V R= 50ohm G", "SUB1 1",
        "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "TOP: 1POR 1 ", "END"},
       false},
      {"diode beside a sub-circuit whose source bears the generator's name",
       {"BLK", "UQU 5 U= 1V R= 50ohm G", "RES 5 R = 50ohm", "SUB1: 1POR 5 ", "END", "BLK",
        "UQU 1 U= 1V R= 50ohm G", "SUB1 1", "HLD 1 IS = 10fA NE = 1 RS = 0ohm", "TOP: 1POR 1 ",
        "END"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LineFile lines;
    for (const char* line : c.lines) lines.AddLine(line);
    SignalGenSymbol signal;
    DataGeneratorSymbol data;
    for (MessMasterSymbol* generator : {static_cast<MessMasterSymbol*>(&signal),
                                        static_cast<MessMasterSymbol*>(&data)}) {
      generator->elementName = "G";
      ASSERT_EQ(generator->RunAnalysis(lines), 1) << Text(VS_Error::GetFirstMessage());
      EXPECT_EQ(generator->StartRun() != 0, c.starts) << Text(generator->classKey);
      EXPECT_EQ(generator->attachedNet != nullptr, c.starts) << Text(generator->classKey);
    }
  }
}

// A swept supply steps from start to stop; a fixed one is one step at its value.
TEST(DcGeneratorSymbol, NetlistStepCount) {
  struct Case {
    char setting;
    const char *start, *stop, *step;
    const char* line;
  };
  const Case cases[] = {
      {'V', "0.1V", "10V", "0.495V", "DCQU 4 UA= 0.1V UB= 10V N= 20 R= 100mohm Netzteil"},
      {'V', "0V", "5V", "100mV", "DCQU 4 UA= 0V UB= 5V N= 50 R= 100mohm Netzteil"},
      {'V', "5V", "0V", "-1V", "DCQU 4 UA= 5V UB= 0V N= 5 R= 100mohm Netzteil"},
      {'V', "1V", "2V", "0V", "DCQU 4 UA= 1V UB= 2V N= 1 R= 100mohm Netzteil"},  // no step width
      {'V', "1V", "1V", "1V", "DCQU 4 UA= 1V UB= 1V N= 1 R= 100mohm Netzteil"},
      {'F', "0V", "5V", "100mV", "DCQU 4 UA= 9V UB= 9V N= 1 R= 100mohm Netzteil"},
  };
  for (const Case& c : cases) {
    DcGeneratorSymbol supply;
    supply.setting = c.setting;
    supply.fixedVoltage = "9V";
    supply.startVoltage = c.start;
    supply.stopVoltage = c.stop;
    supply.voltageStep = c.step;
    supply.nodes = {4, 0};
    supply.WriteNetLine();
    EXPECT_EQ(Text(supply.netLine), c.line);
  }
}

TEST(DcGeneratorSymbol, SpiceLinesAndChainedCard) {
  DcGeneratorSymbol master;
  master.SetRunning(true);
  master.nodes = {2, 0};
  LineFile lines;
  master.WriteSpiceLines(lines, 9);
  master.WriteSpiceControl(lines);  // fixed: no card
  EXPECT_EQ(Lines(lines), std::vector<std::string>{"VNetzteil 2 0 1"});

  master.SetKind('U');
  EXPECT_EQ(Text(master.elementName), "VDczteil");
  master.elementName = "VDc1";
  master.setting = 'V';
  master.SetActiveFlag(1);
  master.resistorFlag = 1;
  DcGeneratorSymbol slave;
  slave.elementName = "VDc2";
  slave.setting = 'V';
  slave.startVoltage = "1V";
  slave.stopVoltage = "2V";
  slave.voltageStep = "500mV";
  LineFile spice;
  master.WriteSpiceLines(spice, 9);
  LineFile card;
  master.WriteSpiceControl(card);
  slave.WriteSpiceControl(card);
  EXPECT_EQ(Lines(spice), (std::vector<std::string>{"VDc1 2 0 0", "RVDc1 0 2 100m"}));
  EXPECT_EQ(Lines(card), std::vector<std::string>{".Dc VDc1 0 5 100m VDc2 1 2 500m"});

  master.SetKind('I');
  EXPECT_EQ(Text(master.elementName), "IDc1");
  LineFile current;
  master.WriteSpiceLines(current, 9);
  master.WriteSpiceControl(current);
  EXPECT_EQ(Lines(current),
            (std::vector<std::string>{"IDc1 2 0 0", "RIDc1 0 2 100m", ".Dc IDc1 0 5m 1m"}));
}

// The kind and the currents follow the stored fields; a file without them loads a voltage
// source.
TEST(DcGeneratorSymbol, ArchiveKeepsKindAndCurrents) {
  DcGeneratorSymbol supply;
  supply.SetKind('I');
  supply.setting = 'V';
  supply.stopCurrent = "20mA";
  supply.startVoltage = "2V";
  const std::string bytes = Store(supply);
  DcGeneratorSymbol back;
  Load(back, bytes);
  EXPECT_EQ(back.kind, 'I');
  EXPECT_EQ(back.setting, 'V');
  EXPECT_EQ(Text(back.stopCurrent), "20mA");
  EXPECT_EQ(Text(back.startVoltage), "2V");
  EXPECT_EQ(Text(back.elementName), "IDczteil");
  ExpectCutsFail<DcGeneratorSymbol>(bytes);

  DcGeneratorSymbol old;
  old.version = 1;
  old.kind = 'I';
  old.setting = 'V';
  old.stopCurrent = "20mA";
  std::string oldBytes = Store(old);
  // Version 1 ends with the setting.
  EXPECT_EQ(oldBytes.back(), 'V');
  DcGeneratorSymbol fromOld;
  Load(fromOld, oldBytes);
  EXPECT_EQ(fromOld.kind, 'U');
  EXPECT_EQ(Text(fromOld.stopCurrent), "5mA");
  EXPECT_EQ(fromOld.version, DcGeneratorSymbol::kVersion);
  oldBytes.back() = 'X';
  DcGeneratorSymbol bad;
  EXPECT_THROW(Load(bad, oldBytes), pf::ArchiveError);
}

TEST(DcGeneratorDialog, CurrentCaptionsAndKindButtons) {
  pf::Headless headless;
  DcGeneratorSymbol supply;
  headless.ExpectDialog(dcgen_ids::kTemplate, [&](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(dcgen_ids::kFixedValue), "1V");
    d.Click(dcgen_ids::kCurrentSource);  // current source: the current values
    EXPECT_EQ(d.Text(dcgen_ids::kFixedValue), "1mA");
    d.Click(dcgen_ids::kVariable);
    d.Type(dcgen_ids::kStartValue, "2mA");
    d.Type(dcgen_ids::kStopValue, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    EXPECT_EQ(Text(supply.startCurrent), "0A");
    d.Cancel();
  });
  EXPECT_FALSE(supply.EditDialog(nullptr));
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler Stopstrom:");
  // The buttons acted at once and stay; the start before the failing field is not stored.
  EXPECT_EQ(supply.kind, 'I');
  EXPECT_EQ(supply.setting, 'V');
  EXPECT_EQ(Text(supply.elementName), "IDczteil");
  EXPECT_EQ(Text(supply.startCurrent), "0A");
  // The corrected OK stores the currents; without other supplies the chosen slave is empty, and
  // OK takes it.
  headless.ExpectDialog(dcgen_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Type(dcgen_ids::kStartValue, "2mA");
    d.Type(dcgen_ids::kStopValue, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Type(dcgen_ids::kStopValue, "5mA");
    d.Ok();
  });
  EXPECT_TRUE(supply.EditDialog(nullptr));
  EXPECT_EQ(Text(supply.startCurrent), "2mA");
  EXPECT_EQ(Text(supply.stopCurrent), "5mA");
  EXPECT_EQ(Text(supply.slaveName), "");
}

}  // namespace
