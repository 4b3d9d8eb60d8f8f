// The audio source, the data generator and the pulse generator: their netlist and SPICE lines,
// the spectra they feed, their dialogs' refusals and up-down limits, and their archives.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
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
#include "pf/profile.h"
#include "instruments/ui/generators/AudioSourceSymbol.h"
#include "instruments/ui/generators/DataGeneratorDialogs.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "formats/WaveFile.h"
#include "pf/archive.h"
#include "pf/headless.h"
#include "resources/SourceIds.h"
#include "editor/tests/support/SymbolStreams.h"
#include "platform/core/tests/locked_terminal.h"
#include "platform/core/tests/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const MyStrng& s) { return s.ToCString(); }

std::vector<std::string> Lines(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

// The one-port netlist of a source on node 1 into R to C, as the document writes it.
LineFile Netlist(const char* source) {
  LineFile lines;
  for (const char* line : {"*", "BLK", source, "RES 1 2 R = 1kohm", "CAP 2 C = 100nF",
                           "Netzwerk: 1POR 1 ", "END"}) {
    lines.AddLine(line);
  }
  return lines;
}

TEST(DataGeneratorSymbol, NetLineAndSpiceSourceOfOnePeriod) {
  // With 2.5 Gbit/s: Tb = 400 ps, edges of 40 ps.
  struct Case {
    const char* bits;
    std::vector<std::string> spice;
  };
  const Case cases[] = {
      {"1000000000000000", {"VDataGen 8 0 PWL ( 0 0.0  40P 1 360P 1 400P 0.0   )"}},
      {"1111111111111111", {"VDataGen 8 0 PWL ( 0 0.0  40P 1 6.36N 1 6.4N 0.0   )"}},
      {"0000000000000001", {"VDataGen 8 0 PWL ( 0 0.0  6N 0.0  6.04N 1 6.36N 1 6.4N 0.0   )"}},
      // Long patterns continue on "+ " lines.
      {"0101010101010101",
       {"VDataGen 8 0 PWL ( 0 0.0  400P 0.0  440P 1 0.76N 1 0.8N 0.0  1.2N 0.0  1.24N 1 ",
        "+ 1.56N 1 1.6N 0.0  2N 0.0  2.04N 1 2.36N 1 2.4N 0.0  2.8N 0.0  2.84N 1 ",
        "+ 3.16N 1 3.2N 0.0  3.6N 0.0  3.64N 1 3.96N 1 4N 0.0  4.4N 0.0  4.44N 1 ",
        "+ 4.76N 1 4.8N 0.0  5.2N 0.0  5.24N 1 5.56N 1 5.6N 0.0  6N 0.0  6.04N 1 6.36N 1 6.4N 0.0  "
        " )"}},
  };
  for (const Case& c : cases) {
    DataGeneratorSymbol generator;
    generator.elementName = "DataGen";
    generator.nodes[0] = 3;
    generator.sequence = BitFolge(c.bits);
    generator.sequence.bitRate = "2.5GBit/s";
    generator.SetRunning(true);
    LineFile spice;
    EXPECT_EQ(generator.WriteSpiceLines(spice, 7), 1);
    std::vector<std::string> expected = c.spice;
    expected.push_back("RDataGen 3 8 50");
    EXPECT_EQ(Lines(spice), expected) << c.bits;
    generator.WriteNetLine();
    EXPECT_EQ(Text(generator.netLine), "UQU 3  U= 1V R= 50ohm DataGen");
  }
}

// Beside the analysis of another instrument a generator drives nothing in a small-signal or DC
// analysis: 0 V behind its resistance, whatever waveform, offset or amplitude it holds, active
// flag or not. In a transient every waveform in time drives (a mixer's two sources), while a
// small-signal magnitude or a recording still gives 0 V.
TEST(MessMasterSymbol, IdleGeneratorsDriveOnlyTheirWaveformsInTime) {
  auto pulse = [](int pins) {
    auto generator = std::make_unique<ImpulsGeneratorSymbol>();
    generator->pinCount = pins;
    generator->offset = "300mV";
    return generator;
  };
  auto data = [] {
    auto generator = std::make_unique<DataGeneratorSymbol>();
    generator->sequence = BitFolge("0000000000000001");
    generator->sequence.bitRate = "2.5GBit/s";
    return generator;
  };
  struct Case {
    std::unique_ptr<MessMasterSymbol> generator;
    std::vector<std::string> otherwise;
    std::vector<std::string> transient;
  };
  Case cases[] = {
      {std::make_unique<SignalGenSymbol>(), {"VSigGen 8 0 DC 0", "RSigGen 3 8 50"},
       {"VSigGen 8 0 DC 0", "RSigGen 3 8 50"}},
      {data(), {"VDataGen 8 0 DC 0", "RDataGen 3 8 50"},
       {"VDataGen 8 0 PWL ( 0 0.0  6N 0.0  6.04N 1 6.36N 1 6.4N 0.0   )", "RDataGen 3 8 50"}},
      {std::make_unique<AudioSourceSymbol>(), {"VTonband 8 0 DC 0", "RTonband 3 8 50"},
       {"VTonband 8 0 DC 0", "RTonband 3 8 50"}},
      {pulse(1), {"VImpG 3 0 DC 0"}, {"VImpG 3 0 SIN(300m 1 50)"}},
      {pulse(2), {"VImpG 3 5 DC 0"}, {"VImpG 3 5 SIN(300m 1 50)"}},
  };
  for (Case& c : cases) {
    MessMasterSymbol& generator = *c.generator;
    generator.nodes[0] = 3;
    generator.nodes[1] = 5;
    generator.SetActiveFlag(1);
    generator.SetRunning(false);
    for (const bool transient : {false, true}) {
      generator.SetTransient(transient);
      LineFile spice;
      generator.WriteSpiceLines(spice, 7);
      EXPECT_EQ(Lines(spice), transient ? c.transient : c.otherwise)
          << generator.GetClassKey().ToCString() << " transient " << transient;
    }
  }
}

// A supply is a supply whatever runs: its fixed or start value, of its kind, running or idle,
// active or not.
TEST(DcGeneratorSymbol, SuppliesKeepTheirValueInEveryRun) {
  const struct {
    char kind, setting;
    std::string name, value;
  } cases[] = {
      {'U', 'F', "VDczteil", "5"},
      {'U', 'V', "VDczteil", "2"},
      {'I', 'F', "IDczteil", "2m"},
      {'I', 'V', "IDczteil", "3m"},
  };
  for (const auto& c : cases) {
    for (const bool running : {false, true}) {
      for (const int active : {0, 1}) {
        DcGeneratorSymbol supply;
        supply.SetKind(c.kind);
        supply.setting = c.setting;
        supply.fixedVoltage = "5V";
        supply.startVoltage = "2V";
        supply.fixedCurrent = "2mA";
        supply.startCurrent = "3mA";
        supply.resistorFlag = 1;
        supply.nodes = {3, 5};
        supply.SetActiveFlag(active);
        supply.SetRunning(running);
        LineFile spice;
        supply.WriteSpiceLines(spice, 7);
        EXPECT_EQ(Lines(spice), (std::vector<std::string>{c.name + " 3 5 " + c.value,
                                                           "R" + c.name + " 5 3 100m"}))
            << c.kind << c.setting << " running " << running << " active " << active;
      }
    }
  }
}

TEST(DataGeneratorSymbol, TransientCardWhileActiveOnly) {
  DataGeneratorSymbol generator;
  LineFile card;
  generator.WriteSpiceControl(card);
  EXPECT_EQ(Lines(card), std::vector<std::string>{".TRAN 20P 6.8N 0 20P"});
  // Computed times keep 9 digits.
  generator.sequence.bitRate = "3GBit/s";
  generator.SetupTransient();
  generator.SetActiveFlag(0);
  generator.WriteSpiceControl(card);
  EXPECT_EQ(Lines(card).size(), 1u);
  generator.SetActiveFlag(1);
  generator.WriteSpiceControl(card);
  EXPECT_EQ(Lines(card).back(), ".TRAN 16.6666667P 5.66666667N 0 16.6666667P");
}

TEST(DataGeneratorSymbol, UpDownLimits) {
  DataGeneratorSymbol generator;
  for (int i = 0; i < 20; ++i) generator.StepSamples(-1);
  EXPECT_EQ(generator.sampleCount, 32768);
  for (int i = 0; i < 20; ++i) generator.StepSamples(1);
  EXPECT_EQ(generator.sampleCount, 16);  // not below the 16 bits
  generator.sampleCount = 256;
  for (int i = 0; i < 20; ++i) generator.StepBitCount(1);
  EXPECT_EQ(generator.bitCount, 2);
  for (int i = 0; i < 20; ++i) generator.StepBitCount(-1);
  // Doubling stops once N / bits is 1.
  EXPECT_EQ(generator.bitCount, 256);
  EXPECT_EQ(generator.sequence.GetLength(), 256);
}

TEST(DataGeneratorSymbol, RunFeedsHalfTheSamplesAtTheFundamental) {
  pf::Headless headless;
  DataGeneratorSymbol generator;
  generator.sequence = BitFolge("1011001110001011");
  generator.sequence.bitRate = "2.5GBit/s";
  ASSERT_EQ(generator.RunAnalysis(Netlist("UQU 1  U= 1V R= 50ohm DataGen")), 1);
  EXPECT_EQ(generator.StartRun(), 128);
  EXPECT_DOUBLE_EQ(generator.masterSignal.df, 2.5e9 / 16);
  EXPECT_NE(generator.attachedNet, nullptr);
  EXPECT_EQ(generator.record, 1);
}

// Handed another master's point, a source neither steps nor ends anything.
TEST(DataGeneratorSymbol, StepsOnlyItsOwnRun) {
  pf::Headless headless;
  DataGeneratorSymbol generator;
  AudioSourceSymbol other;
  ASSERT_EQ(generator.RunAnalysis(Netlist("UQU 1  U= 1V R= 50ohm DataGen")), 1);
  ASSERT_EQ(generator.StartRun(), 128);
  generator.MeasureStep(other);
  EXPECT_EQ(generator.masterSignal.cursor, 0);
  generator.MeasureStep(generator);
  EXPECT_EQ(generator.masterSignal.cursor, 1);
}

TEST(DataGeneratorDialog, RefusedPatternKeepsResistanceAndAmplitude) {
  pf::Headless headless;
  DataGeneratorSymbol generator;
  headless.ExpectDialog(datagen_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Type(datagen_ids::kResistance, "75ohm");
    d.Type(datagen_ids::kAmplitude, "2V");
    d.Type(datagen_ids::kSequence, "1011001110001012");
    d.Click(1);
    d.Type(datagen_ids::kSequence, "101");
    d.Click(1);
    d.Type(datagen_ids::kSequence, "1011001110001011");
    d.Type(datagen_ids::kBitRate, "1GBit/s");
    d.Click(datagen_ids::kRaisedCosine);
    d.Ok();
  });
  EXPECT_TRUE(generator.EditDialog(nullptr));
  const auto& shown = headless.Ui().Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Fehler in Bitfolge");
  EXPECT_EQ(shown[1].text, "Falsche Bitanzahl");
  EXPECT_EQ(Text(generator.resistance), "75ohm");
  EXPECT_EQ(Text(generator.amplitude), "2V");
  EXPECT_EQ(Text(generator.sequence), "1011001110001011");
  EXPECT_EQ(Text(generator.sequence.bitRate), "1GBit/s");
  EXPECT_EQ(generator.sequence.shape, 'C');
}

// The SPICE variant: the bit count's arrows resize the pattern at once; OK takes amplitude,
// pattern and bit rate and sets the transient run up for them.
TEST(DataGeneratorDialog, SpiceVariantSetsTheTransientUp) {
  pf::Headless headless;
  DataGeneratorSymbol generator;
  headless.ExpectDialog(datagen_ids::kSpiceTemplate, [](pf::DialogDriver& d) {
    d.Spin(datagen_ids::kBitCountSpin, false);
    d.Spin(datagen_ids::kBitCountSpin, false);
    d.Type(datagen_ids::kSequence, "0110");
    d.Type(datagen_ids::kAmplitude, "3V");
    d.Type(datagen_ids::kBitRate, "1GBit/s");
    d.Ok();
  });
  DataGeneratorDialog dialog(&generator, nullptr, true);
  EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
  EXPECT_EQ(generator.bitCount, 4);
  EXPECT_EQ(Text(generator.sequence), "0110");
  EXPECT_EQ(Text(generator.amplitude), "3V");
  EXPECT_EQ(Text(generator.tranStop), "5nSec");
  EXPECT_EQ(Text(generator.tranStep), "50pSec");
  EXPECT_EQ(Text(generator.simulatorName), "TranAna");
}

// An arrow rewrites what it changed and the figures, these at the rate as typed (blank while it
// gives none, and with nothing queued for the next OK); a typed pattern survives the N arrow.
TEST(DataGeneratorDialog, ArrowsKeepWhatWasTyped) {
  struct Case {
    const char* rate;
    int spin;
    bool up;
    const char* bits;
    const char* perBit;
    const char* nyquist;
    const char* fundamental;
  };
  const Case cases[] = {
      {"1GBit/s", datagen_ids::kSamplesSpin, true, "16", "32", "16GHz", "62.5MHz"},
      {"1GBit/s", datagen_ids::kSamplesSpin, false, "16", "8", "4GHz", "62.5MHz"},
      {"1GBit/s", datagen_ids::kBitCountSpin, true, "32", "8", "4GHz", "31.25MHz"},
      {"1GBit/s", datagen_ids::kBitCountSpin, false, "8", "32", "16GHz", "125MHz"},
      {"1GHz", datagen_ids::kSamplesSpin, true, "16", "32", "", ""},
      {"0Bit/s", datagen_ids::kBitCountSpin, false, "8", "32", "", ""},
      {"", datagen_ids::kSamplesSpin, false, "16", "8", "", ""},
  };
  const std::string typed = "1000000000000000";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rate) + (c.up ? " up " : " down ") + std::to_string(c.spin));
    pf::Headless headless;
    DataGeneratorSymbol generator;
    const std::string stored = Text(generator.sequence);
    std::string pattern;
    std::vector<std::string> shown;
    headless.ExpectDialog(datagen_ids::kTemplate, [&](pf::DialogDriver& d) {
      d.Type(datagen_ids::kSequence, typed);
      d.Type(datagen_ids::kBitRate, c.rate);
      d.Spin(c.spin, c.up);
      pattern = d.Text(datagen_ids::kSequence);
      for (int id : {datagen_ids::kBitRate, datagen_ids::kBitCount, datagen_ids::kSamplesPerBit,
                     datagen_ids::kNyquist, datagen_ids::kFundamental}) {
        shown.push_back(d.Text(id));
      }
      d.Cancel();
    });
    EXPECT_FALSE(generator.EditDialog(nullptr));
    EXPECT_EQ(shown, (std::vector<std::string>{c.rate, c.bits, c.perBit, c.nyquist,
                                               c.fundamental}));
    if (c.spin == datagen_ids::kSamplesSpin) {
      EXPECT_EQ(pattern, typed);
      EXPECT_EQ(Text(generator.sequence), stored);
    } else {
      EXPECT_EQ(pattern, Text(generator.sequence));
      EXPECT_EQ(std::to_string(pattern.size()), c.bits);
    }
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_TRUE(headless.Ui().Messages().empty());
  }
}

TEST(ImpulsGeneratorSymbol, SourcesAndCard) {
  struct Case {
    char waveform;
    int pins;
    const char* offset;
    const char* amplitude;
    const char* line;
  };
  const Case cases[] = {
      {'S', 1, "0V", "1V", "VImpG 2 0 SIN(0 1 50)"},
      {'S', 2, "0V", "1V", "VImpG 2 5 SIN(0 1 50)"},
      {'R', 1, "1V", "2V", "VImpG 2 0 PULSE( -1 3 10m 0.0 0.0 10m 20m)"},
      {'D', 1, "1V", "2V", "VImpG 2 0 PULSE(-1 3 0.0 10m 9.98m 20U 20m)"},
      {'I', 1, "0V", "2V", "VImpG 2 0 PWL( 0.0 2 20m 2 20.02m 0.0)"},
  };
  for (const Case& c : cases) {
    ImpulsGeneratorSymbol generator;
    generator.waveform = c.waveform;
    generator.pinCount = c.pins;
    generator.nodes[0] = 2;
    generator.nodes[1] = 5;
    generator.offset = c.offset;
    generator.amplitude = c.amplitude;
    generator.SetRunning(true);
    LineFile spice;
    EXPECT_EQ(generator.WriteSpiceLines(spice, 4), 0);
    EXPECT_EQ(Lines(spice), std::vector<std::string>{c.line}) << c.waveform;
  }
  ImpulsGeneratorSymbol generator;
  LineFile card;
  generator.WriteSpiceControl(card);
  generator.SetActiveFlag(0);
  generator.WriteSpiceControl(card);
  EXPECT_EQ(Lines(card), std::vector<std::string>{".TRAN 1m 100m 0 1m"});
}

TEST(ImpulsGeneratorDialog, WaveformAtOnceAndFrequencyZeroRefused) {
  pf::Headless headless;
  ImpulsGeneratorSymbol generator;
  headless.ExpectDialog(impuls_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Click(impuls_ids::kRectangle);
    d.Type(impuls_ids::kAmplitude, "2V");
    d.Type(impuls_ids::kOffset, "1V");
    d.Type(impuls_ids::kFrequency, "0Hz");
    d.Click(1);
    d.Click(impuls_ids::kTwoPin);
    d.Cancel();
  });
  EXPECT_FALSE(generator.EditDialog(nullptr));
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler FreqEdit:");
  // The waveform acted at once and stays; the refused OK stored none of the fields.
  EXPECT_EQ(generator.waveform, 'R');
  EXPECT_EQ(Text(generator.amplitude), "1V");
  EXPECT_EQ(Text(generator.frequency), "50Hz");
  EXPECT_EQ(generator.pinCount, 1);
  EXPECT_EQ(Text(generator.tranStop), "100mSec");
  headless.ExpectDialog(impuls_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Type(impuls_ids::kAmplitude, "2V");
    d.Type(impuls_ids::kFrequency, "1kHz");
    d.Click(impuls_ids::kTwoPin);
    d.Ok();
  });
  EXPECT_TRUE(generator.EditDialog(nullptr));
  EXPECT_EQ(generator.waveform, 'R');
  EXPECT_EQ(Text(generator.amplitude), "2V");
  EXPECT_EQ(generator.pinCount, 2);
  EXPECT_EQ(Text(generator.tranStop), "5mSec");
  EXPECT_EQ(Text(generator.tranStep), "50uSec");
}

class AudioSourceTest : public testing::Test {
 protected:
  std::string Recording(uint16_t channels, uint16_t bits, const std::vector<uint8_t>& bytes) {
    const std::string path = dir / "tape.wav";
    WaveFormat format;
    format.channels = channels;
    format.bitsPerSample = bits;
    format.samplesPerSec = 8000;
    WaveHandle handle;
    WaveChunk fmt;
    WaveChunk riff;
    WaveChunk data;
    WaveIoInfo io;
    uint32_t count = 0;
    EXPECT_EQ(WaveCreate(path, handle, format, fmt, riff), 0U);
    EXPECT_EQ(WaveStartData(handle, data, io), 0U);
    EXPECT_EQ(WaveWriteData(handle, static_cast<uint32_t>(bytes.size()), bytes.data(), count, io),
              0U);
    EXPECT_EQ(WaveCloseWrite(handle, data, riff, io, count), 0U);
    return path;
  }

  pf::Headless headless;
  pf::test::TempDir dir;
  // The file dialog moves the working folder into the recordings' folder.
  pf::test::WorkingDir here{fs::current_path()};
};

TEST_F(AudioSourceTest, ShortMonoRecordingRunsHalfOfNLinesAtRateOverN) {
  std::vector<uint8_t> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(128 + (i % 20) - 5);
  AudioSourceSymbol tape;
  tape.path = MyStrng(Recording(1, 8, bytes).c_str());
  tape.noFile = 0;
  tape.amplitude = "2V";
  ASSERT_EQ(tape.RunAnalysis(Netlist("UQU 1  U= 2V R= 50ohm Tonband")), 1);
  EXPECT_EQ(tape.StartRun(), 2048);
  EXPECT_DOUBLE_EQ(tape.masterSignal.df, 8000.0 / 4096);
  ASSERT_EQ(tape.samples.GetSize(), 4096);
  // The larger excursion (+14) reaches the amplitude; the missing samples are 0.
  EXPECT_DOUBLE_EQ(tape.samples[19], 2.0);
  EXPECT_DOUBLE_EQ(tape.samples[0], -5.0 * 2.0 / 14);
  EXPECT_EQ(tape.samples[1000], 0.0);
  EXPECT_EQ(tape.samples[4095], 0.0);
}

TEST_F(AudioSourceTest, OtherFormatsAndSilenceGiveNoRun) {
  struct Case {
    uint16_t channels;
    uint16_t bits;
    uint8_t level;
    int steps;
  };
  for (const Case& c : {Case{2, 8, 100, 0}, Case{1, 16, 100, 0}, Case{1, 8, 128, 2048}}) {
    AudioSourceSymbol tape;
    // A run before with a usable file must not leave its samples behind.
    tape.path = MyStrng(Recording(1, 8, std::vector<uint8_t>(64, 90)).c_str());
    ASSERT_EQ(tape.RunAnalysis(Netlist("UQU 1  U= 1V R= 50ohm Tonband")), 1);
    ASSERT_EQ(tape.StartRun(), 2048);
    tape.path = MyStrng(Recording(c.channels, c.bits, std::vector<uint8_t>(64, c.level)).c_str());
    EXPECT_EQ(tape.StartRun(), c.steps) << c.channels << " " << c.bits;
    for (int32_t i = 0; i < tape.samples.GetSize(); ++i) EXPECT_EQ(tape.samples[i], 0.0);
  }
}

TEST_F(AudioSourceTest, FirstEditChoosesAFileAndABrokenOneIsReported) {
  AudioSourceSymbol tape;
  headless.Ui().QueueFileAnswer(std::nullopt);
  EXPECT_FALSE(tape.EditDialog(nullptr));
  EXPECT_EQ(tape.noFile, 1);
  const std::string path = Recording(1, 8, std::vector<uint8_t>(16, 130));
  headless.Ui().QueueFileAnswer(path);
  EXPECT_TRUE(tape.EditDialog(nullptr));
  EXPECT_EQ(tape.noFile, 0);
  EXPECT_EQ(Text(tape.fileName), "tape.wav");
  EXPECT_EQ(tape.sampleRate, 8000U);
  EXPECT_EQ(headless.Ui().FileDialogs().at(0).filter, "Wave Files (*.wav)|*.wav|");
  // The dialog: N halves and doubles within its limits, Play plays the file, Cancel keeps N.
  headless.ExpectDialog(audio_ids::kTemplate, [](pf::DialogDriver& d) {
    for (int i = 0; i < 20; ++i) d.Spin(audio_ids::kSamplesSpin, false);
    d.Click(audio_ids::kPlay);
    d.Cancel();
  });
  EXPECT_FALSE(tape.EditDialog(nullptr));
  EXPECT_EQ(tape.sampleCount, 2);
  EXPECT_EQ(headless.Ui().Sounds(), std::vector<std::string>{path});
  for (int i = 0; i < 20; ++i) tape.StepSamples(-1);
  EXPECT_EQ(tape.sampleCount, 262144);

  // A recording gone since is named; one there but malformed gets the box.
  fs::remove(path);
  const uint64_t before = VS_Error::ReportedCount();
  EXPECT_FALSE(tape.EditDialog(nullptr));
  EXPECT_EQ(VS_Error::ReportedCount() - before, 1U);
  EXPECT_EQ(std::string(VS_Error::LastReported().GetBuffer()), "Keine Datei: " + path);
  EXPECT_TRUE(headless.Ui().Messages().empty());
  std::ofstream(path, std::ios::binary) << "RIFF----AVI LIST";
  EXPECT_FALSE(tape.EditDialog(nullptr));
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Wave-Datei defekt?");
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler");
}

// The recording may change while the dialog is open: Start reads it again and a refusal says
// why once, the reader's reason with the file or, for a recording read and found malformed, the
// dialog's box, never the run's box beside it. A readable recording of another format is the
// run's to refuse.
TEST_F(AudioSourceTest, StartTellsWhyTheRecordingIsRefusedOnce) {
  const pf::test::LockedTerminal failing;
  struct Case {
    const char* change;
    std::function<void(const fs::path&)> apply;
    std::string box;     // "CAPTION: TEXT", or ""
    std::string queued;  // the reader's reason with the path behind it, or ""
  };
  const Case cases[] = {
      {"gone", [](const fs::path& wav) { fs::remove(wav); }, "", "Keine Datei: "},
      {"failing when opened",
       [&failing](const fs::path& wav) {
         fs::remove(wav);
         fs::create_symlink(failing.Path(), wav);
       },
       "", "Lesefehler: "},
      {"no longer WAVE",
       [](const fs::path& wav) { std::ofstream(wav, std::ios::binary) << "RIFF\x0c\0\0\0AVI LIST"; },
       "Fehler: Wave-Datei defekt?", ""},
      {"cut inside its data", [](const fs::path& wav) { fs::resize_file(wav, 50); },
       "Fehler: Wave-Datei defekt?", ""},
      {"unreadable",
       [](const fs::path& wav) {
         fs::remove(wav);
         fs::create_symlink("/proc/self/mem", wav);
       },
       "", "Lesefehler: "},
      {"a folder",
       [](const fs::path& wav) {
         fs::remove(wav);
         fs::create_directory(wav);
       },
       "", "Keine Datei: "},
      {"stereo now",
       [this](const fs::path&) { Recording(2, 8, std::vector<uint8_t>(300, 70)); },
       "Achtung: Fehler beim Start der Berechnung", ""},
  };
  fs::copy_file(fs::path(VOSTRANE_REPOSITORY) / "examples/tape_rc.vqe", dir / "band.vqe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    const fs::path wav = Recording(1, 8, std::vector<uint8_t>(700, 150));
    pf::Headless played;
    CVostraneApp app({dir / "band.vqe"},
                     [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    AudioSourceSymbol* tape = nullptr;
    view.GetDocument()->Symbols().ForEach([&tape](NetSymbol* s) {
      if (auto* t = dynamic_cast<AudioSourceSymbol*>(s)) tape = t;
    });
    ASSERT_NE(tape, nullptr);
    played.ExpectDialog(audio_ids::kTemplate, [&](pf::DialogDriver& d) {
      c.apply(wav);
      d.Click(audio_ids::kStart);
      d.Cancel();
    });
    const uint64_t before = VS_Error::ReportedCount();
    view.OpenSymbol(*tape);
    EXPECT_FALSE(view.Analysis().IsBusy());
    std::vector<std::string> boxes;
    for (const auto& m : played.Ui().Messages()) boxes.push_back(m.caption + ": " + m.text);
    EXPECT_EQ(boxes, c.box.empty() ? std::vector<std::string>{} : std::vector{c.box});
    EXPECT_EQ(VS_Error::ReportedCount() - before, c.queued.empty() ? 0U : 1U);
    if (!c.queued.empty()) {
      EXPECT_EQ(std::string(VS_Error::LastReported().GetBuffer()), c.queued + wav.string());
    }
    view.GetDocument()->SetModifiedFlag(false);
    fs::remove_all(wav);
  }
}

TEST(SourceArchives, RoundTripAndRefuseCountsOutOfReach) {
  AudioSourceSymbol tape;
  tape.path = "/a/tape.wav";
  tape.fileName = "tape.wav";
  tape.noFile = 0;
  tape.sampleCount = 1024;
  tape.resistance = "75ohm";
  AudioSourceSymbol tapeBack;
  Load(tapeBack, Store(tape));
  EXPECT_EQ(Text(tapeBack.path), "/a/tape.wav");
  EXPECT_EQ(tapeBack.sampleCount, 1024);
  EXPECT_EQ(tapeBack.noFile, 0);
  EXPECT_EQ(Text(tapeBack.resistance), "75ohm");

  DataGeneratorSymbol data;
  data.sequence = BitFolge("0110");
  data.sequence.bitRate = "1GBit/s";
  data.bitCount = 4;
  data.sampleCount = 64;
  DataGeneratorSymbol dataBack;
  Load(dataBack, Store(data));
  EXPECT_EQ(Text(dataBack.sequence), "0110");
  EXPECT_EQ(dataBack.bitCount, 4);
  EXPECT_EQ(dataBack.sampleCount, 64);
  EXPECT_EQ(Text(dataBack.tranStop), "5nSec");  // set up after loading

  ImpulsGeneratorSymbol pulse;
  pulse.waveform = 'D';
  pulse.frequency = "1kHz";
  pulse.SetupTransient();
  ImpulsGeneratorSymbol pulseBack;
  Load(pulseBack, Store(pulse));
  EXPECT_EQ(pulseBack.waveform, 'D');
  EXPECT_EQ(Text(pulseBack.frequency), "1kHz");
  EXPECT_EQ(Text(pulseBack.tranStop), "5mSec");

  // Cut records fail; counts and letters beyond reach fail.
  const std::string records[] = {Store(tape), Store(data), Store(pulse)};
  for (size_t cut = 0; cut < records[0].size(); cut += 5) {
    AudioSourceSymbol target;
    EXPECT_THROW(Load(target, records[0].substr(0, cut)), pf::ArchiveError) << cut;
  }
  tape.sampleCount = 1000;
  EXPECT_THROW(Load(tapeBack, Store(tape)), pf::ArchiveError);
  data.sampleCount = 1 << 20;
  EXPECT_THROW(Load(dataBack, Store(data)), pf::ArchiveError);
  pulse.waveform = 'X';
  EXPECT_THROW(Load(pulseBack, Store(pulse)), pf::ArchiveError);
}

// The committed examples lie on the grid, and the source heads the network of the meter.
TEST(SourceExamples, OpenOnTheGridWithTheSourceAsHeader) {
  pf::Headless headless;
  const struct {
    const char* file;
    const char* source;
  } examples[] = {{"tape_rc.vqe", "UQU 1  U= 1V R= 50ohm Tape1"},
                  {"datagen_rc.vqe", "UQU 1  U= 1V R= 50ohm DatG1"}};
  for (const auto& e : examples) {
    CVostraneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument((fs::path(VOSTRANE_REPOSITORY) / "examples" / e.file).string()))
        << e.file;
    doc.Symbols().ForEach([&e](NetSymbol* s) {
      for (int i = 0; i < std::min(s->pinCount, NetSymbol::kMaxPins); ++i) {
        const Point p = s->pins[i];
        EXPECT_TRUE(p.x >= 25 && p.y >= 25 && p.x % 25 == 0 && p.y % 25 == 0)
            << e.file << " " << Text(s->elementName) << " pin " << i;
      }
    });
    ASSERT_TRUE(doc.BuildNetlist(nullptr));
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), e.source), 1) << e.file;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Netzwerk: 1POR 1 "), 1) << e.file;
  }
}

// The data generator's run of its example to the end on the view's timer: the meter logged the
// lines that are not 0, and "MultiMeter.dat" is its log.
TEST(SourceExamples, DataGeneratorRunWritesTheMetersLog) {
  const pf::test::TempDir work;
  const pf::test::WorkingDir inside(work.Path());
  pf::Headless headless;
  {
    CVostraneApp app({(fs::path(VOSTRANE_REPOSITORY) / "examples/datagen_rc.vqe").string()},
                     [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    MultiMeterSymbol* meter = nullptr;
    DataGeneratorSymbol* generator = nullptr;
    view.GetDocument()->Symbols().ForEach([&](NetSymbol* s) {
      if (auto* m = dynamic_cast<MultiMeterSymbol*>(s)) meter = m;
      if (auto* g = dynamic_cast<DataGeneratorSymbol*>(s)) generator = g;
    });
    ASSERT_TRUE(meter != nullptr && generator != nullptr);
    headless.ExpectDialog(datagen_ids::kTemplate,
                          [](pf::DialogDriver& d) { d.Click(datagen_ids::kStart); });
    view.OpenSymbol(*generator);
    int ticks = 0;
    for (; ticks < 200 && view.Analysis().IsBusy(); ++ticks) headless.Advance(10);
    EXPECT_EQ(ticks, 128);
    // 7 of the 128 lines are 0 (every 16th but the first): fed, not computed, not logged.
    EXPECT_EQ(meter->GetLog().GetCount(), 121);
    LineFile written;
    ASSERT_GT(written.ReadFile(MultiMeterSymbol::kLogFile), 0);
    EXPECT_EQ(Lines(written), Lines(meter->GetLog()));
    EXPECT_EQ(generator->networkReady, 0);
    view.GetDocument()->SetModifiedFlag(false);
  }
}

}  // namespace
