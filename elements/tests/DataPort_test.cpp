// The data two-port's file handling (option lines, row conversion, records) and the
// sub-circuit's sources (netlist texts and circuit files), with the netlists they give.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/data/TwoPortSymbol.h"
#include "elements/data/UserNetSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/ui_services.h"
#include "simulator/ScomFile.h"

namespace {

namespace fs = std::filesystem;

fs::path Scratch() {
  const fs::path dir = fs::temp_directory_path() / ("data_port_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

fs::path WriteFile(const std::string& name, const std::string& text) {
  const fs::path file = Scratch() / name;
  std::ofstream(file) << text;
  return file;
}

std::vector<std::string> Lines(const LineFile& lines) {
  std::vector<std::string> out;
  lines.ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

class DataPortTest : public ::testing::Test {
 protected:
  void SetUp() override { VS_Error::ResetQueue(); }
  void TearDown() override { VS_Error::ResetQueue(); }
};

TEST_F(DataPortTest, OptionLines) {
  const struct {
    const char* line;
    bool parsed;
    const char* unit;
    char format;
    float z;
    const char* message;
  } kCases[] = {
      {"# GHz S MA R 50", true, "GHz", 'L', 50.0f, ""},
      {"# mhz s db r 75", true, "MHz", 'D', 75.0f, ""},
      {"#GHz S MA R 50", true, "GHz", 'L', 50.0f, ""},
      {"# kHz S DB R 1.5E+01", true, "kHz", 'D', 15.0f, ""},
      {"# MHz S RI R 50", false, "MHz", 'L', 50.0f, "RI-Format wird nicht unterstützt"},
      // Rows of other parameters than S are refused by name, wherever the word stands.
      {"# Hz Y MA R 50", false, "Hz", 'L', 50.0f, "Y-Parameter werden nicht unterstützt"},
      {"# GHz Z MA R 50", false, "GHz", 'L', 50.0f, "Z-Parameter werden nicht unterstützt"},
      {"# kHz h db r 50", false, "kHz", 'D', 50.0f, "H-Parameter werden nicht unterstützt"},
      {"# G MHz DB R 50", false, "MHz", 'D', 50.0f, "G-Parameter werden nicht unterstützt"},
      {"# MHz Y RI R 50", false, "MHz", 'L', 50.0f, "Y-Parameter werden nicht unterstützt"},
      {"# RI GHz S R 50", false, "GHz", 'L', 50.0f, "RI-Format wird nicht unterstützt"},
      // Each word is taken for what it is, in any order and case.
      {"# MHz DB S R 50", true, "MHz", 'D', 50.0f, ""},
      {"# S DB R 75 MHz", true, "MHz", 'D', 75.0f, ""},
      {"# R 30 kHz S db", true, "kHz", 'D', 30.0f, ""},
      {"# r 75 ma hz s", true, "Hz", 'L', 75.0f, ""},
      {"# GHz\tS\tMA\tR\t25", true, "GHz", 'L', 25.0f, ""},
      {"# GHz,\tS,\tMA,\tR=\t25", true, "GHz", 'L', 25.0f, ""},
      {"# MHz S DB R 50 ! written by a tool", true, "MHz", 'D', 50.0f, ""},
      // A missing word leaves the rest to the dialog, with the words there are.
      {"# GHz S MA", false, "GHz", 'L', 50.0f, ""},
      {"# S DB R 75", false, "GHZ", 'D', 50.0f, ""},
      {"# MHz R 75 S", false, "MHz", 'L', 50.0f, ""},
      {"#", false, "GHZ", 'L', 50.0f, ""},
      // A word that is none of them, or a second of its kind, is named with the file.
      {"# THz S MA R 50", false, "GHZ", 'L', 50.0f,
       "Unbekanntes Wort in der Optionszeile von a.s2p: THz"},
      {"# MHz S DB R 50 X", false, "MHz", 'D', 50.0f,
       "Unbekanntes Wort in der Optionszeile von a.s2p: X"},
      {"# MHz ; S DB R 50", false, "MHz", 'D', 50.0f,
       "Unbekanntes Wort in der Optionszeile von a.s2p: ;"},
      {"# MHz S DB R 50;", false, "MHz", 'D', 50.0f,
       "Unbekanntes Wort in der Optionszeile von a.s2p: 50;"},
      {"# MHz S DB 50 R 75", false, "MHz", 'D', 50.0f,
       "Unbekanntes Wort in der Optionszeile von a.s2p: 50"},
      {"# MHz S DB R 50 ghz", false, "MHz", 'D', 50.0f,
       "Doppeltes Wort in der Optionszeile von a.s2p: ghz"},
      {"# MHz S DB MA R 50", false, "MHz", 'D', 50.0f,
       "Doppeltes Wort in der Optionszeile von a.s2p: MA"},
      {"# MHz S S DB R 50", false, "MHz", 'D', 50.0f,
       "Doppeltes Wort in der Optionszeile von a.s2p: S"},
      {"# MHz S DB R 50 R 75", false, "MHz", 'D', 50.0f,
       "Doppeltes Wort in der Optionszeile von a.s2p: R"},
      {"# GHz S DB Z 50", false, "GHz", 'D', 50.0f,
       "Doppeltes Wort in der Optionszeile von a.s2p: Z"},
      // A reference the simulator could not take (it would fall back to 50 ohm) is reported.
      {"# GHz S MA R 5x0", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 5x0"},
      {"# GHz S MA R 0", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 0"},
      {"# GHz S MA R -50", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: -50"},
      {"# GHz S MA R nan", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: nan"},
      {"# GHz S MA R inf", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: inf"},
      {"# GHz S MA R 1e999", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 1e999"},
      {"# GHz S MA R 1e2", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 1e2"},
      {"# GHz S MA R", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: "},
      {"# GHz S MA R 1e-3", false, "GHz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 1e-3"},
      {"# GHz S MA R 1.0E-03", true, "GHz", 'L', 0.001f, ""},
      // The simulator takes the reference wherever the line states it.
      {"# THz S MA R 0", false, "GHZ", 'L', 50.0f, "Bezugswiderstand fehlerhaft: 0"},
      {"# Hz X MA R abc", false, "Hz", 'L', 50.0f, "Bezugswiderstand fehlerhaft: abc"},
      // One reason: the parameter before the reference.
      {"# Hz Y MA R abc", false, "Hz", 'L', 50.0f, "Y-Parameter werden nicht unterstützt"},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    TwoPortSymbol s;
    s.dataLines.fileName = "a.s2p";
    s.dataLines.AddLine("! comment");
    s.dataLines.AddLine(c.line);
    EXPECT_EQ(s.FindOptionLine(), c.parsed) << c.line;
    EXPECT_EQ(s.frequencyUnit, c.unit) << c.line;
    EXPECT_EQ(s.format, c.format) << c.line;
    EXPECT_EQ(s.z01, c.z) << c.line;
    EXPECT_EQ(s.z02, c.z) << c.line;
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message)
        << c.line;
    EXPECT_LE(VS_Error::MessageCount(), 1) << c.line;
  }
  TwoPortSymbol none;
  none.dataLines.AddLine("1 0.5 0");
  EXPECT_FALSE(none.FindOptionLine());
}

TEST_F(DataPortTest, RowConversion) {
  const struct {
    const char* unit;
    char format;
    const char* line;
    const char* converted;  // "" when the row is refused
    const char* message;
  } kCases[] = {
      {"GHz", 'L', "1.5 0.9 -45", "1.5GHz 0.9 -45", ""},
      {"MHz", 'L', "1500 0.9 -45", "1.5GHz 0.9 -45", ""},
      {"GHZ", 'L', "2 1 0", "2GHz 1 0", ""},
      {"Hz", 'L', "1.0e+09 9.5e-01 1.2e+02", "1GHz 0.95 120", ""},
      {"kHz", 'L', "12.5 1 0", "12.5kHz 1 0", ""},
      {"Hz", 'L', "50 1 0", "50Hz 1 0", ""},
      {"GHz", 'D', "1 -6.0206 30", "1GHz 0.499999995 30", ""},
      {"GHz", 'D', "1 0 90 -20 180", "1GHz 1 90 0.1 180", ""},
      {"GHz", 'L', "1 0.5 10 ! measured", "1GHz 0.5 10", ""},
      {"GHz", 'D', "1 0 10 !", "1GHz 1 10", ""},
      {"GHz", 'L', "1 0.5 10 ! | # ;", "1GHz 0.5 10", ""},
      {"GHz", 'L', "1,0.5=10", "1GHz 0.5 10", ""},
      // A character that belongs to no number would drop the values behind it.
      {"GHz", 'D', "1 0 10 | 3 4", "", "Datenzeile fehlerhaft: 1 0 10 | 3 4"},
      {"MHz", 'D', "1 0.5 -30 ; 0.1 45", "", "Datenzeile fehlerhaft: 1 0.5 -30 ; 0.1 45"},
      {"GHz", 'L', "1 0.5 10 #", "", "Datenzeile fehlerhaft: 1 0.5 10 #"},
      {"GHz", 'L', "1;0.5 10", "", "Datenzeile fehlerhaft: 1;0.5 10"},
      {"GHz", 'L', "1\t0.5\t10", "1GHz 0.5 10", ""},
      {"GHz", 'L', "! only a comment", "! only a comment", ""},
      {"GHz", 'L', "* star comment", "* star comment", ""},
      {"GHz", 'L', "abc 0.5 10", "", "Frequenz fehlerhaft: abc 0.5 10"},
      {"GHz", 'L', "| 0.5 10", "", "Frequenz fehlerhaft: | 0.5 10"},
      {"GHz", 'L', "1 0.5x 10", "", "Datenzeile fehlerhaft: 1 0.5x 10"},
      {"GHz", 'L', "1 1.0E+20 10", "", "Datenzeile fehlerhaft: 1 1.0E+20 10"},
      // Written by other programs: more digits than a typed value has, exponents without sign.
      {"MHz", 'D', "100.0 -6.0205999132796239 25.000000000000007",
       "100MHz 0.5 25", ""},
      {"Hz", 'L', "1e9 0.123456789012345 1.5E+002", "1GHz 0.123456789 150", ""},
      {"GHz", 'L', "1 0x1p-1 0", "", "Datenzeile fehlerhaft: 1 0x1p-1 0"},
      {"GHz", 'L', "1 nan 0", "", "Datenzeile fehlerhaft: 1 nan 0"},
      {"GHz", 'L', "1 inf 0", "", "Datenzeile fehlerhaft: 1 inf 0"},
      {"GHz", 'L', "1 0.5 -inf", "", "Datenzeile fehlerhaft: 1 0.5 -inf"},
      {"GHz", 'L', "1 0.5 1e999", "", "Datenzeile fehlerhaft: 1 0.5 1e999"},
      {"GHz", 'L', "1e999 0.5 0", "", "Frequenz fehlerhaft: 1e999 0.5 0"},
      {"Hz", 'L', "0x10 0.5 0", "", "Frequenz fehlerhaft: 0x10 0.5 0"},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    TwoPortSymbol s;
    s.frequencyUnit = c.unit;
    s.format = c.format;
    s.currentLine = c.line;
    const bool refused = c.converted[0] == '\0';
    EXPECT_EQ(s.ConvertDataLine(), !refused) << c.line;
    EXPECT_EQ(s.currentLine, refused ? c.line : c.converted) << c.line;
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message)
        << c.line;
  }
}

TEST_F(DataPortTest, PlainDecimalsStayWithinTheNumberCheck) {
  const struct {
    double value;
    const char* text;
  } kCases[] = {{0.5, "0.5"},       {-45.0, "-45"},           {1e-11, "0"},
                {-1e-12, "0"},      {9999999999.0, "9999999999"}, {1e10, ""},
                {0.12345678912, "0.1234567891"}};
  for (const auto& c : kCases) EXPECT_EQ(PlainDecimal(c.value), c.text) << c.value;
}

// The block header counts comment lines, which reach the table unchanged.
TEST_F(DataPortTest, NetlistLineAndDataBlock) {
  const struct {
    int pins;
    char kind;
    const char* line;
  } kCases[] = {{2, 'T', "TWO 1 0 S1"}, {1, 'T', "ONE 1 S1"}, {2, 'P', "ONE 1 0 S1"}};
  for (const auto& c : kCases) {
    CVostraneDoc doc;
    doc.SetTitle("Daten.vqe");
    auto* node = new ExKnotenSymbol(Point(100, 100), Point(50, 100));
    node->UpdateGeometry();
    node->portNumber = 1;
    doc.AddSymbol(node);
    doc.AddSymbol(new GndSymbol(Point(200, 100), Point(200, 150)));
    auto* s = new TwoPortSymbol(Point(100, 100), Point(200, 100));
    s->pinCount = c.pins;
    s->portKind = c.kind;
    s->dataLines.AddLine("! two rows");
    s->dataLines.AddLine("# MHz S DB R 50");
    s->dataLines.AddLine("100 0 0 -6.0206 0 -6.0206 0 0 0");
    ASSERT_TRUE(s->FindOptionLine());
    doc.AddSymbol(s);
    s->elementName = "S1";
    ASSERT_TRUE(doc.BuildNetlist(nullptr));
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    EXPECT_EQ(lines[2], c.line);
    const std::vector<std::string> block(lines.end() - 6, lines.end());
    EXPECT_EQ(block, (std::vector<std::string>{"DATA", "S1:  S 3", "! two rows", "# MHz S DB R 50",
                                               "100MHz 1 0 0.499999995 0 0.499999995 0 1 0",
                                               "END"}));
  }
}

// A file says in its option line what its rows hold, in whatever order the words come.
TEST_F(DataPortTest, OptionWordsInAnyOrderReadAlike) {
  for (const char* line : {"# MHz S DB R 75", "# MHz DB S R 75", "# S DB R 75 MHz",
                           "# R 75 MHz S DB", "# db mhz r 75 s"}) {
    VS_Error::ResetQueue();
    TwoPortSymbol s;
    const fs::path file = WriteFile("order.s1p", std::string(line) + "\n200 -6.0206 30\n");
    ASSERT_TRUE(s.LoadFile(file.string(), "order")) << line;
    EXPECT_EQ(s.frequencyUnit, "MHz") << line;
    EXPECT_EQ(s.format, 'D') << line;
    EXPECT_EQ(s.z01, 75.0f) << line;
    s.dataLines.Reset();
    s.GetNextDataLine();
    EXPECT_EQ(s.GetNextDataLine(), "200MHz 0.499999995 30") << line;
    EXPECT_EQ(VS_Error::MessageCount(), 0) << line;
  }
}

// A circuit keeps the lines of its file with the settings an earlier reading took from them;
// its netlist reads them as the option line says, and refuses what a file would be refused for.
TEST_F(DataPortTest, KeptFilesReadAsTheirOptionLineSays) {
  const struct {
    const char* option;
    const char* row;
    const char* unit;  // as kept: an earlier reading's, or the dialog's
    char format;
    const char* converted;  // "" when the netlist is refused
    const char* message;
  } kCases[] = {
      {"# S DB R 50 MHz", "200 -6.0206 30", "GHZ", 'L', "200MHz 0.499999995 30", ""},
      {"# MHz DB S R 50", "200 -6.0206 30", "MHz", 'L', "200MHz 0.499999995 30", ""},
      // Without a unit the dialog's choice stands.
      {"# S MA R 50", "200 0.5 30", "kHz", 'L', "200kHz 0.5 30", ""},
      {"# MHz S DB R 50 X", "200 -6 30", "MHz", 'D', "",
       "Unbekanntes Wort in der Optionszeile von /kept/a.s1p: X"},
      {"# MHz S DB R 50", "200 -6 30 ; 1 2", "MHz", 'D', "",
       "Datenzeile fehlerhaft: 200 -6 30 ; 1 2"},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    CVostraneDoc doc;
    doc.SetTitle("Daten.vqe");
    auto* node = new ExKnotenSymbol(Point(100, 100), Point(50, 100));
    node->UpdateGeometry();
    node->portNumber = 1;
    doc.AddSymbol(node);
    auto* s = new TwoPortSymbol(Point(100, 100), Point(200, 100));
    s->pinCount = 1;
    s->dataLines.fileName = "/kept/a.s1p";
    s->dataLines.AddLine(c.option);
    s->dataLines.AddLine(c.row);
    s->frequencyUnit = c.unit;
    s->format = c.format;
    doc.AddSymbol(s);
    s->elementName = "S1";
    const bool refused = c.converted[0] == '\0';
    EXPECT_EQ(doc.BuildNetlist(nullptr), !refused) << c.option;
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message)
        << c.option;
    if (refused) continue;
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    EXPECT_EQ(lines[lines.size() - 2], c.converted) << c.option;
  }
}

TEST_F(DataPortTest, ARowWithoutFrequencyFailsTheNetlist) {
  CVostraneDoc doc;
  doc.AddSymbol(new GndSymbol(Point(200, 100), Point(200, 150)));
  auto* s = new TwoPortSymbol(Point(100, 100), Point(200, 100));
  s->dataLines.AddLine("f 1 0");
  doc.AddSymbol(s);
  EXPECT_FALSE(doc.BuildNetlist(nullptr));
  EXPECT_EQ(VS_Error::Message(0), "Frequenz fehlerhaft: f 1 0");
}

TEST_F(DataPortTest, RecordsOfBothVersionsRoundTrip) {
  for (const char* version : {NewDataSet::kUnitVersion, "KT-Morvaburg V1.0 1996"}) {
    TwoPortSymbol s(Point(100, 100), Point(200, 100));
    s.dataVersion = version;
    s.frequencyUnit = "MHz";
    s.format = 'D';
    s.dataName = "amp";
    s.z01 = 75.0f;
    s.z02 = 30.0f;
    s.portKind = 'P';
    s.dataLines.fileName = "/tmp/amp.s2p";
    s.dataLines.AddLine("# MHz S DB R 75");
    s.dataLines.AddLine("1 2 3 4 5 6 7 8 9");
    const std::string bytes = Store(s);
    TwoPortSymbol back;
    Load(back, bytes);
    EXPECT_EQ(Store(back), bytes) << version;
    EXPECT_EQ(back.dataVersion, version);
    const bool withUnit = back.dataVersion == NewDataSet::kUnitVersion;
    EXPECT_EQ(back.frequencyUnit, withUnit ? "MHz" : "GHZ");
    EXPECT_EQ(back.format, withUnit ? 'D' : 'L');
    EXPECT_EQ(Lines(back.dataLines), Lines(s.dataLines));
    EXPECT_EQ(back.dataLines.fileName, "/tmp/amp.s2p");
    EXPECT_EQ(back.dataName, "amp");
    EXPECT_EQ(back.z02, 30.0f);
    EXPECT_EQ(back.portKind, 'P');
    for (size_t n = 0; n < bytes.size(); n += 7) {
      TwoPortSymbol cut;
      EXPECT_THROW(Load(cut, bytes.substr(0, n)), pf::ArchiveError) << n;
    }
  }
}

TEST_F(DataPortTest, TextRecordRoundTrips) {
  TwoPortSymbol s(Point(100, 100), Point(200, 100));
  s.elementName = "S7";
  s.textFormInteger = 3;
  s.z01 = 75.0f;
  s.z02 = 25.0f;
  TwoPortSymbol back;
  ASSERT_TRUE(ReadBack(back, Text(s)));
  EXPECT_EQ(Text(back), Text(s));
  EXPECT_EQ(back.elementName, "S7");
  EXPECT_EQ(back.z02, 25.0f);
}

TEST_F(DataPortTest, FilesThatAreNotTaken) {
  const fs::path ri = WriteFile("ri.s2p", "# GHz S RI R 50\n1 0.1 0.2\n");
  const fs::path empty = WriteFile("empty.s1p", "\n   \n");
  const std::string word = WriteFile("word.s1p", "# R 50 MHz S DB ohm\n100 -6 0\n").string();
  const std::string twice = WriteFile("twice.s1p", "# MHz S DB R 50 MA\n100 -6 0\n").string();
  const std::string kOption = " in der Optionszeile von ";
  const struct {
    std::string path;
    std::string message;
  } kCases[] = {
      {word, "Unbekanntes Wort" + kOption + word + ": ohm"},
      {twice, "Doppeltes Wort" + kOption + twice + ": MA"},
      // A row is read whole: a character that belongs to no number would drop what follows.
      {WriteFile("semicolon.s1p", "# MHz S DB R 50\n100 -6 0\n200 0.5 -30 ; 0.1 45\n").string(),
       "Datenzeile fehlerhaft: 200 0.5 -30 ; 0.1 45"},
      {WriteFile("bar.s2p", "# GHz S MA R 50\n1 1 0 1 0 1 0 1 0 | 7 7\n").string(),
       "Datenzeile fehlerhaft: 1 1 0 1 0 1 0 1 0 | 7 7"},
      {ri.string(), "RI-Format wird nicht unterstützt"},
      {WriteFile("z.s2p", "! Impedanzen\n# GHz Z MA R 50\n1 50 0 5 0 5 0 50 0\n").string(),
       "Z-Parameter werden nicht unterstützt"},
      {empty.string(), "Datei konnte nicht gelesen werden: "},
      {(Scratch() / "missing.s2p").string(), "Datei konnte nicht gelesen werden: "},
      {WriteFile("comments.s1p", "! a\n* b\n").string(), "Datei konnte nicht gelesen werden: "},
      {WriteFile("option.s1p", "! a\n# MHz S MA R 50\n").string(),
       "Datei konnte nicht gelesen werden: "},
      {WriteFile("r0.s1p", "# MHz S MA R 0\n100 0.5 0\n").string(),
       "Bezugswiderstand fehlerhaft: 0"},
      {WriteFile("rows.s1p", "# MHz S MA R 50\n100 0.5 0\n200 0.5 inf\n").string(),
       "Datenzeile fehlerhaft: 200 0.5 inf"},
      // Every row holds as many values as the first, one pair or four.
      {WriteFile("short.s1p", "# MHz S MA R 50\n100 0.5 0\n200 0.4\n").string(),
       "Datenzeile hat 1 statt 2 Werte: 200 0.4"},
      {WriteFile("extra.s1p", "# MHz S MA R 50\n100 0.5 0\n! x\n200 0.4 10 0.3\n").string(),
       "Datenzeile hat 3 statt 2 Werte: 200 0.4 10 0.3"},
      {WriteFile("short.s2p", "# MHz S DB R 50\n100 0 0 -20 30 -20 30 0\n").string(),
       "Datenzeile hat 7 statt 2 oder 8 Werte: 100 0 0 -20 30 -20 30 0"},
      {WriteFile("extra.s2p", "100 1 0 1 0 1 0 1 0\n200 1 0 1 0 1 0 1 0 7\n").string(),
       "Datenzeile hat 9 statt 8 Werte: 200 1 0 1 0 1 0 1 0 7"},
      {WriteFile("mixed.s2p", "100 1 0 1 0 1 0 1 0\n200 1 0\n").string(),
       "Datenzeile hat 2 statt 8 Werte: 200 1 0"},
      {WriteFile("frequency.s1p", "100\n").string(), "Datenzeile hat 0 statt 2 oder 8 Werte: 100"},
      // A NUL byte would cut the row's numbers behind it; in a comment it is harmless.
      {WriteFile("nul.s1p", std::string("100 0.5 0\n200 0.4") + '\0' + " 10\n").string(),
       "Datenzeile mit Nullzeichen: 200 0.4"},
      {WriteFile("nul_end.s1p",
                 std::string("! a") + '\0' + "b\n100 0.5 0\n200 0.4 10" + '\0' + "\n")
           .string(),
       "Datenzeile mit Nullzeichen: 200 0.4 10"},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    TwoPortSymbol s;
    EXPECT_FALSE(s.LoadFile(c.path, "x")) << c.path;
    EXPECT_EQ(s.dataLines.GetCount(), 0) << c.path;
    EXPECT_EQ(s.frequencyUnit, "GHZ") << c.path;
    EXPECT_EQ(s.format, 'L') << c.path;
    EXPECT_EQ(VS_Error::Message(0).Find(c.message.c_str()), 1) << c.path;
    EXPECT_EQ(VS_Error::MessageCount(), 1) << c.path;
  }
  TwoPortSymbol good;
  const fs::path file = WriteFile("good.s1p", "!x\n#MHz S MA R 30\n100 0.5 0\n");
  ASSERT_TRUE(good.LoadFile(file.string(), "good"));
  EXPECT_EQ(good.dataName, "good");
  EXPECT_EQ(good.dataLines.fileName.ToCString(), file.string());
  EXPECT_EQ(good.frequencyUnit, "MHz");
  EXPECT_EQ(good.z01, 30.0f);
  // Lines that end in CR alone are lines.
  TwoPortSymbol cr;
  ASSERT_TRUE(cr.LoadFile(WriteFile("cr.s1p", "!x\r#MHz S MA R 30\r100 0.5 0\r").string(), "cr"));
  EXPECT_EQ(Lines(cr.dataLines), Lines(good.dataLines));
  EXPECT_EQ(cr.z01, 30.0f);
}

// A circuit file of the given external nodes (a resistor from node 1 to ground, the others
// left open) holding a two-pin sub-circuit of each file (a circuit file, or a netlist text by its
// extension ".net").
fs::path WriteCircuit(const std::string& name, int ports, const std::vector<fs::path>& uses) {
  CVostraneDoc doc;
  for (int i = 1; i <= ports; ++i) {
    const Point at(100, 100 * i);
    auto* node = new ExKnotenSymbol(at, at - Point(50, 0));
    node->UpdateGeometry();
    node->portNumber = i;
    doc.AddSymbol(node);
  }
  doc.AddSymbol(new ResSymbol(Point(100, 100), Point(200, 100)));
  doc.AddSymbol(new GndSymbol(Point(200, 100), Point(200, 150)));
  for (size_t i = 0; i < uses.size(); ++i) {
    const int y = 500 + 200 * static_cast<int>(i);
    auto* sub = new UserNetSymbol(Point(500, y), Point(600, y));
    sub->sourceKind = uses[i].extension() == ".net" ? 'N' : 'F';
    sub->path = MyStrng(uses[i].string());
    sub->subName = MyStrng(uses[i].stem().string());
    if (sub->sourceKind == 'N') sub->subLines.ReadFile(sub->path);
    doc.AddSymbol(sub);
  }
  const fs::path file = Scratch() / name;
  fs::create_directories(file.parent_path());
  doc.OnSaveDocument(file.string());
  return file;
}

// The same, optionally holding instances of one other circuit file.
fs::path WriteCircuit(const std::string& name, int ports, const std::string& uses = {},
                      int instances = 1) {
  return WriteCircuit(name, ports,
                      std::vector<fs::path>(uses.empty() ? 0 : instances, fs::path(uses)));
}

TEST_F(DataPortTest, NetlistSources) {
  const std::string kFilter = "* a filter\nBLK\nfilter: 2POR 1 3 RG1 = 50ohm RG2 = 50ohm\nRES 1 3 "
                              "R = 50ohm\nEND\n";
  const struct {
    std::string file;
    std::string text;
    bool taken;
    int pins;
    const char* message;  // queued; "" for none
  } kCases[] = {
      {"filter.net", kFilter, true, 2, ""},
      {"FILTER.NET", "BLK\nFILTER: 2POR 1 2\nEND\n", true, 2, ""},
      {"Filter.txt", kFilter, false, 2, ""},
      {"three.txt", "BLK\nthree: 3POR 1 2 3\nEND\n", true, 3, ""},
      {"six.net", "BLK\nsix: 6POR 1 2 3 4 5 6\nEND\n", false, 2,
       "Teilschaltung mit 6 Anschlüssen, erlaubt sind 1 bis 5: six"},
      // The reader takes a definition inside a network's block only: elsewhere it is a label.
      {"loose.net", "loose: 2POR 1 2\nRES 1 2 R = 50ohm\n", false, 2, ""},
      {"table.net", "DATA\ntable: 2POR 1 2\nEND\n", false, 2, ""},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    pf::TheScriptedUiServices().Reset();
    const fs::path file = WriteFile(c.file, c.text);
    UserNetSymbol s(Point(100, 100), Point(250, 100));
    const std::string title = file.stem().string();
    EXPECT_EQ(s.TakeSource(file.string(), title, ""), c.taken) << c.file;
    EXPECT_EQ(s.pinCount, c.pins) << c.file;
    EXPECT_EQ(s.sourceKind, c.taken ? 'N' : 'X') << c.file;
    EXPECT_EQ(s.subLines.GetCount() > 0, c.taken) << c.file;
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message);
    // Only a missing definition line asks the user.
    const bool asked = !c.taken && c.message[0] == '\0';
    EXPECT_EQ(pf::TheScriptedUiServices().Messages().size(), asked ? 1u : 0u) << c.file;
  }
}

TEST_F(DataPortTest, CircuitFileSources) {
  const fs::path three = WriteCircuit("three.vqe", 3);
  const fs::path six = WriteCircuit("six.vqe", 6);
  const fs::path self = Scratch() / "self.vqe";
  WriteCircuit("self.vqe", 1, self.string());
  // Holding another file of its own name.
  const fs::path mid = WriteCircuit("m/mid.vqe", 2, std::vector{WriteCircuit("n/mid.vqe", 2)});
  const struct {
    fs::path file;
    std::string owner;
    bool taken;
    std::string message;
  } kCases[] = {
      // Built, though the simulator takes one- and two-port networks only.
      {three, "", true, "Mehr als zwei externe Knoten"},
      {three, three.string(), false, "Schaltung verwendet sich selbst: three"},
      {self, "", false, "Schaltung verwendet sich selbst: self"},
      {six, "", false, "Teilschaltung mit 6 Anschlüssen, erlaubt sind 1 bis 5: six"},
      {mid, "", false, "Zwei Dateien ergeben das Netzwerk mid: " + mid.string() + " und "},
      {Scratch() / "none.vqe", "", false, "Datei kann nicht geöffnet werden: "},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    UserNetSymbol s(Point(100, 100), Point(250, 100));
    EXPECT_EQ(s.TakeSource(c.file.string(), c.file.stem().string(), c.owner), c.taken)
        << c.file << c.owner;
    EXPECT_EQ(s.sourceKind, c.taken ? 'F' : 'X');
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).Find(c.message.c_str()) : 1, 1)
        << c.file << VS_Error::Message(0).ToCString();
    if (!c.taken) continue;
    EXPECT_EQ(s.pinCount, 3);
    UserNetSymbol placed(Point(100, 100), Point(250, 100));
    placed.pinCount = 3;
    placed.PlaceThirdPin();
    EXPECT_EQ(s.GetPinPoint(2), placed.GetPinPoint(2));
  }
}

// The file as the sub-circuit Cmp1 of doc ("Outer.vqe"), from a pin to ground.
UserNetSymbol& PlaceSubCircuit(CVostraneDoc& doc, const fs::path& file, const char* title) {
  doc.SetTitle("Outer.vqe");
  auto* s = new UserNetSymbol(Point(100, 100), Point(250, 100));
  EXPECT_TRUE(s->TakeSource(file.string(), title, ""));
  doc.AddSymbol(s);
  doc.AddSymbol(new GndSymbol(Point(250, 100), Point(250, 150)));
  return *s;
}

// Every netlist reads the circuit file as it is then, with the checks of its choosing: a file
// that no longer has the symbol's pins, or cannot be read, refuses the netlist, naming the
// sub-circuit and the file.
TEST_F(DataPortTest, CircuitFileIsCheckedForEveryNetlist) {
  const fs::path sub = Scratch() / "part.vqe";
  const std::string named = "Teilschaltung Cmp1 (" + sub.string() + ")";
  enum Change { kPorts, kUsesItself, kRemoved, kDamaged };
  const struct {
    Change change;
    int ports;            // kPorts: the file's external nodes now
    std::string message;  // "" when taken
  } kCases[] = {
      {kPorts, 2, ""},
      {kPorts, 3, named + " hat 3 statt 2 Anschlüsse"},
      {kPorts, 1, named + " hat 1 statt 2 Anschlüsse"},
      {kPorts, 0, named + " hat 0 statt 2 Anschlüsse"},
      {kRemoved, 0, named + ": Datei kann nicht geöffnet werden: " + sub.string()},
      {kDamaged, 0, named + ": Datei ist beschädigt: " + sub.string()},
      {kUsesItself, 2, "Schaltung verwendet sich selbst: part"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    WriteCircuit("part.vqe", 2);
    CVostraneDoc doc;
    UserNetSymbol& s = PlaceSubCircuit(doc, sub, "part");
    ASSERT_TRUE(doc.BuildNetlist(nullptr));
    if (c.change == kRemoved) {
      fs::remove(sub);
    } else if (c.change == kDamaged) {
      std::ofstream(sub) << "kein Schaltplan";
    } else {
      WriteCircuit("part.vqe", c.ports, c.change == kUsesItself ? sub.string() : std::string());
    }
    VS_Error::ResetQueue();
    EXPECT_EQ(doc.BuildNetlist(nullptr), c.message.empty());
    if (c.message.empty()) {
      const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
      EXPECT_EQ(lines[3], "part: 2POR 1 2 ");
      EXPECT_NE(std::find(lines.begin(), lines.end(), "part 1 0"), lines.end());
      continue;
    }
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message);
    // The SPICE file, which holds no sub-network, checks the file's pins alike.
    VS_Error::ResetQueue();
    LineFile spice;
    s.WriteSpiceLines(spice, 0);
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "",
              c.change == kUsesItself ? "" : c.message);
  }
  VS_Error::ResetQueue();
}

// Each level of a deep nesting uses the level below twice: a netlist reads and builds each
// file once (not once per instance, twice as often at every level) and holds each level's
// network once; the next netlist reads them again, and a level below that no longer fits
// refuses it with the same message.
TEST_F(DataPortTest, NestedCircuitFilesAreReadOncePerNetlist) {
  constexpr int kLevels = 12;
  const auto level = [](int k) { return "deep" + std::to_string(k); };
  const fs::path bottom = WriteCircuit(level(0) + ".vqe", 2);
  fs::path top = bottom;
  for (int k = 1; k <= kLevels; ++k) top = WriteCircuit(level(k) + ".vqe", 2, top.string(), 2);
  CVostraneDoc doc;
  PlaceSubCircuit(doc, top, level(kLevels).c_str());
  const struct {
    int bottomPorts;
    std::string message;  // the end of the first message; "" when the netlist is built
  } kCases[] = {
      {2, ""},
      {2, ""},
      {3, " (" + bottom.string() + ") hat 3 statt 2 Anschlüsse"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.bottomPorts);
    WriteCircuit(level(0) + ".vqe", c.bottomPorts);
    VS_Error::ResetQueue();
    const int before = UserNetSymbol::CircuitReads();
    EXPECT_EQ(doc.BuildNetlist(nullptr), c.message.empty());
    EXPECT_EQ(UserNetSymbol::CircuitReads() - before, kLevels + 1);
    if (!c.message.empty()) {
      const std::string first =
          VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "";
      EXPECT_TRUE(first.starts_with("Teilschaltung ") && first.ends_with(c.message)) << first;
      continue;
    }
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    for (int k = 0; k <= kLevels; ++k) {
      EXPECT_EQ(std::count(lines.begin(), lines.end(), level(k) + ": 2POR 1 2 "), 1) << k;
    }
  }
  VS_Error::ResetQueue();
}

// One network name, one file, at every level of nesting and for netlist texts alike: two
// different files of one name, or a sub-circuit named like a circuit that holds it, refuse the
// netlist with one message naming both files; one file, through whatever path or link, is one
// network written once (under the name it was met by first), and the netlist reads.
TEST_F(DataPortTest, OneNetworkNameIsOneFile) {
  const fs::path a = WriteCircuit("a/part.vqe", 2);
  const fs::path b = WriteCircuit("b/part.vqe", 2);
  fs::create_directories(Scratch() / "t");
  const fs::path text =
      WriteFile("t/part.net", "*\nBLK\nRES 1 2 R = 100ohm\npart: 2POR 1 2\nEND\n");
  const std::string helper =
      "*\nBLK\nRES 1 2 R = 1ohm\nhelper: 2POR 1 2\nEND\n*\nBLK\nhelper 1 2\n";
  const fs::path one = WriteFile("t/one.net", helper + "one: 2POR 1 2\nEND\n");
  const fs::path two = WriteFile("t/two.net", helper + "two: 2POR 1 2\nEND\n");
  const fs::path dash = WriteCircuit("amp-2.vqe", 2);
  const fs::path underscore = WriteCircuit("amp_2.vqe", 2);
  fs::path deep = b;
  for (int k = 1; k <= 3; ++k) {
    deep = WriteCircuit("d" + std::to_string(k) + ".vqe", 2, std::vector{deep});
  }
  const fs::path wrap = WriteCircuit("wrap.vqe", 2, a.string(), 2);
  const fs::path mid = WriteCircuit("m/mid.vqe", 2, std::vector{WriteCircuit("n/mid.vqe", 2)});
  const fs::path holder = Scratch() / "part.vqe";
  fs::create_directories(Scratch() / "link");
  fs::remove(Scratch() / "link/alias.vqe");
  fs::create_symlink(a, Scratch() / "link/alias.vqe");
  fs::create_directories(Scratch() / "hard");
  fs::remove(Scratch() / "hard/part.vqe");
  fs::create_hard_link(a, Scratch() / "hard/part.vqe");
  const auto clash = [](const char* name, const fs::path& first, const fs::path& second) {
    return std::string("Zwei Dateien ergeben das Netzwerk ") + name + ": " + first.string() +
           " und " + second.string() + ", eine davon umbenennen";
  };
  const struct {
    std::string outer;
    std::vector<fs::path> uses;
    std::string message;                // "" when the netlist is built
    std::vector<std::string> networks;  // then each defined once, and no other sub-network
  } kCases[] = {
      {"folders.vqe", {a, b}, clash("part", a, b), {}},
      {"text.vqe", {a, text}, clash("part", a, text), {}},
      {"amp.vqe", {dash, underscore}, clash("amp_2", dash, underscore), {}},
      {"deep.vqe", {a, deep}, clash("part", a, b), {}},
      {"deeps.vqe", {a, deep, deep}, clash("part", a, b), {}},
      {"part.vqe", {b}, clash("part", holder, b), {}},
      {"holds.vqe", {mid}, clash("mid", mid, Scratch() / "n/mid.vqe"), {}},
      {"texts.vqe", {one, two}, clash("helper", one, two), {}},
      {"nested.vqe", {a, wrap, a}, "", {"part", "wrap"}},
      {"paths.vqe", {a, Scratch() / "b/../a/part.vqe"}, "", {"part"}},
      {"linked.vqe", {a, Scratch() / "link/alias.vqe"}, "", {"part"}},
      {"hard.vqe", {Scratch() / "hard/part.vqe", a}, "", {"part"}},
      {"same.vqe", {text, text, one}, "", {"part", "helper", "one"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.outer);
    CVostraneDoc doc;
    const fs::path outer = WriteCircuit(c.outer, 2, c.uses);
    ASSERT_TRUE(doc.OnOpenDocument(outer.string()));
    doc.SetPathName(outer.string());
    VS_Error::ResetQueue();
    EXPECT_EQ(doc.BuildNetlist(nullptr), c.message.empty());
    if (!c.message.empty()) {
      EXPECT_EQ(VS_Error::MessageCount(), 1);
      EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message);
      continue;
    }
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    std::vector<std::string> defined;
    for (const std::string& line : Lines(doc.GetNetlistLines())) {
      if (line.find(": 2POR ") != std::string::npos)
        defined.push_back(line.substr(0, line.find(':')));
    }
    std::vector<std::string> expected = c.networks;
    expected.push_back(fs::path(c.outer).stem().string());
    EXPECT_EQ(defined, expected);
    ScomFile reader;
    reader.SetLines(doc.GetNetlistLines());
    EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", "");
  }
  VS_Error::ResetQueue();
}

// A netlist text's lines are kept in the circuit; a definition line among them that no longer
// gives the symbol's pins (a damaged circuit file) refuses the netlist too.
TEST_F(DataPortTest, NetlistTextIsCheckedForEveryNetlist) {
  const fs::path file = WriteFile("band.net", "BLK\nband: 2POR 1 2\nRES 1 2 R = 50ohm\nEND\n");
  const std::string named = "Teilschaltung Cmp1 (" + file.string() + ")";
  const struct {
    const char* definition;
    std::string message;
  } kCases[] = {
      {"band: 2POR 1 2", ""},
      {"band: 1POR 1", named + " hat 1 statt 2 Anschlüsse"},
      {"other: 2POR 1 2", named + " hat 0 statt 2 Anschlüsse"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.definition);
    CVostraneDoc doc;
    UserNetSymbol& s = PlaceSubCircuit(doc, file, "band");
    s.subLines.RemoveAll();
    s.subLines.AddLine("BLK");
    s.subLines.AddLine(c.definition);
    s.subLines.AddLine("END");
    VS_Error::ResetQueue();
    EXPECT_EQ(doc.BuildNetlist(nullptr), c.message.empty());
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", c.message);
  }
  VS_Error::ResetQueue();
}

// A circuit file's name becomes the network name of its port line and of the call in netlist
// form: a blank, a German letter or a line break in the file name break no line and add none.
TEST_F(DataPortTest, CircuitFileNamesTakeTheNetlistForm) {
  const struct {
    std::string title;
    const char* network;
  } kCases[] = {
      {"a b", "a_b"},
      {"Tiefpaß 2", "Tiefpa__2"},
      {"x\nRES 1 0 R = 1ohm\n", "x_RES_1_0_R___1ohm_"},
      {"2 Kreise", "N2_Kreise"},
  };
  for (const auto& c : kCases) {
    const fs::path sub = WriteCircuit(c.title + ".vqe", 1);
    CVostraneDoc doc;
    doc.SetTitle("Outer.vqe");
    auto* s = new UserNetSymbol(Point(100, 100), Point(250, 100));
    ASSERT_TRUE(s->TakeSource(sub.string(), c.title, "")) << c.title;
    doc.AddSymbol(s);
    doc.AddSymbol(new GndSymbol(Point(250, 100), Point(250, 150)));
    ASSERT_TRUE(doc.BuildNetlist(nullptr)) << c.title;
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    const std::string network = c.network;
    EXPECT_EQ(lines, (std::vector<std::string>{"*", "BLK", "RES 1 R = 50ohm", network + ": 1POR 1 ",
                                               "END", "*", "BLK", network + " 1", "END"}))
        << c.title;
    fs::remove(sub);
  }
}

}  // namespace

namespace {

// A one-port of one row named name (after the document named it) into doc.
void AddDataPort(CVostraneDoc& doc, const char* name, const char* row) {
  auto* s = new TwoPortSymbol(Point(100, 100), Point(200, 100));
  s->pinCount = 1;
  s->dataLines.AddLine("# GHz S MA R 50");
  s->dataLines.AddLine(row);
  s->FindOptionLine();
  doc.AddSymbol(s);
  s->elementName = name;
}

// The reader takes the first DATA block only: a sub-network's tables join the outer one, which
// follows the outer block, whether or not the outer circuit has tables of its own. The reader
// knows one table per name: a sub-network's table named like one the netlist holds already (the
// outer circuit's, another file's) takes a free name, with the line that uses it.
TEST_F(DataPortTest, SubCircuitTablesJoinTheOuterDataBlock) {
  const auto inner = [this](const char* name, const char* row) {
    CVostraneDoc doc;
    auto* node = new ExKnotenSymbol(Point(100, 100), Point(50, 100));
    node->UpdateGeometry();
    node->portNumber = 1;
    doc.AddSymbol(node);
    doc.AddSymbol(new GndSymbol(Point(200, 100), Point(200, 150)));
    AddDataPort(doc, "D1", row);
    const fs::path file = Scratch() / name;
    EXPECT_TRUE(doc.OnSaveDocument(file.string()));
    return file;
  };
  const fs::path first = inner("inner.vqe", "1 0.5 0");
  const fs::path second = inner("other.vqe", "3 0.125 0");
  const struct {
    const char* own;  // the outer circuit's table (its row at 2 GHz); "" for none
    std::vector<fs::path> uses;
    std::vector<std::pair<std::string, std::string>> tables;  // name, row
    std::vector<std::string> calls;  // the sub-networks' lines that use them, in order
  } kCases[] = {
      {"", {first}, {{"D1", "1GHz 0.5 0"}}, {"ONE 1 D1"}},
      {"D2", {first}, {{"D2", "2GHz 0.25 0"}, {"D1", "1GHz 0.5 0"}}, {"ONE 1 D1"}},
      {"D1", {first}, {{"D1", "2GHz 0.25 0"}, {"D1_2", "1GHz 0.5 0"}}, {"ONE 1 D1_2"}},
      {"", {first, second}, {{"D1", "1GHz 0.5 0"}, {"D1_2", "3GHz 0.125 0"}},
       {"ONE 1 D1", "ONE 1 D1_2"}},
      {"D1", {first, second, first},
       {{"D1", "2GHz 0.25 0"}, {"D1_2", "1GHz 0.5 0"}, {"D1_3", "3GHz 0.125 0"}},
       {"ONE 1 D1_2", "ONE 1 D1_3"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.own) + " " + std::to_string(c.uses.size()));
    CVostraneDoc doc;
    doc.SetTitle("outer.vqe");
    auto* port = new ExKnotenSymbol(Point(300, 100), Point(250, 100));
    port->UpdateGeometry();
    port->portNumber = 1;
    doc.AddSymbol(port);
    int y = 100;
    for (const fs::path& use : c.uses) {
      auto* s = new UserNetSymbol(Point(300, y), Point(400, y));
      ASSERT_TRUE(s->TakeSource(use.string(), use.stem().string(), ""));
      doc.AddSymbol(s);
      doc.AddSymbol(new GndSymbol(Point(400, y), Point(400, y + 50)));
      y += 200;
    }
    if (*c.own != '\0') AddDataPort(doc, c.own, "2 0.25 0");
    VS_Error::ResetQueue();
    ASSERT_TRUE(doc.BuildNetlist(nullptr));
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "DATA"), 1);
    std::vector<std::string> block = {"DATA"};
    for (const auto& [name, row] : c.tables) {
      block.insert(block.end(), {name + ":  S 2", "# GHz S MA R 50", row});
    }
    block.push_back("END");
    ASSERT_GE(lines.size(), block.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - block.size(), lines.end()), block);
    // The sub-networks' blocks stand before the outer one.
    const auto outer = std::find(lines.rbegin(), lines.rend(), "BLK").base();
    std::vector<std::string> calls;
    std::copy_if(lines.begin(), outer, std::back_inserter(calls),
                 [](const std::string& line) { return line.starts_with("ONE "); });
    EXPECT_EQ(calls, c.calls);
    ScomFile reader;
    reader.SetLines(doc.GetNetlistLines());
    EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", "");
  }
  VS_Error::ResetQueue();
}

// A sub-network's lines mean in the netlist what they mean to the reader, whatever its names: a
// line is a block's keyword only as the whole line, in capitals; a table's name is renamed in
// its label and the element lines that use it, not in a keyword line or another network's line
// of that word; the text's own sweep and output stay with it. The reader reads the netlist with
// no message, as the text's networks and every table.
TEST_F(DataPortTest, SubNetworkLinesKeepTheirMeaningWhateverTheNames) {
  const struct {
    std::string first;
    std::string second;
    const char* gap;  // before a label's colon, as the text has it; a tab also before a table
  } kTables[] = {{"END", "BLK", ""},   {"DATA", "FREQ", ""}, {"OUT", "Data", ""},
                 {"end", "blk", ""},   {"Sub", "sub", ""},   {"END", "Data", "\t"}};
  for (const auto& [first, second, gap] : kTables) {
    SCOPED_TRACE(first + " " + second + gap);
    const std::string table = std::string(gap) + ":  S 2\n# GHz S MA R 50\n1GHz ";
    const fs::path file = WriteFile(
        "sub.net", "* tables\nDATA\n" + first + table + "0.5 0\n" + second + table +
                       "0.25 0\nEND\nBLK\nONE 1 " + first + "\nONE 1" + (*gap != '\0' ? gap : " ") + second +
                       "\nsub: 1POR 1\nEND\nFREQ\nFSTEP 1GHz 3 2GHz\nEND\nOUT\nS LinMag\nEND\n");
    CVostraneDoc doc;
    auto* port = new ExKnotenSymbol(Point(100, 100), Point(50, 100));
    port->UpdateGeometry();
    port->portNumber = 1;
    doc.AddSymbol(port);
    PlaceSubCircuit(doc, file, "sub");
    AddDataPort(doc, first.c_str(), "2 0.125 0");
    AddDataPort(doc, second.c_str(), "2 0.0625 0");
    VS_Error::ResetQueue();
    ASSERT_TRUE(doc.BuildNetlist(nullptr));
    const std::vector<std::string> lines = Lines(doc.GetNetlistLines());
    const std::vector<std::string> network = {
        "* tables", "BLK", "ONE 1 " + first + "_2", "ONE 1 " + second + "_2", "sub: 1POR 1", "END"};
    ASSERT_GE(lines.size(), network.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + network.size()), network);
    for (const char* own : {"FREQ", "OUT"}) {
      EXPECT_EQ(std::count(lines.begin(), lines.end(), own), 0) << own;
    }
    ScomFile reader;
    reader.SetLines(doc.GetNetlistLines());
    EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "", "");
    EXPECT_EQ(reader.GetBlkCount(), 2);
    EXPECT_FALSE(reader.HasOut());
    EXPECT_EQ(reader.GetDefinitions().Lookup("sub"), "1POR 1");
    for (const std::string& name : {first, second, first + "_2", second + "_2"}) {
      EXPECT_EQ(reader.GetDataTable().Lookup(MyStrng(name.c_str())), "S 2") << name;
    }
  }
  VS_Error::ResetQueue();
}

}  // namespace

namespace {

// Hostile files end with a message when loaded: their rows are converted then already; the
// longest row the reader keeps whole converts.
TEST_F(DataPortTest, HostileFilesEndWithAMessage) {
  std::string pairs = "1 0.5 0 0.5 0 0.5 0 0.5 0.";
  pairs.resize(LineFile::kMaxLineLength - 1, '0');
  const struct {
    const char* name;
    std::string text;
    bool taken;
    std::string message;  // the first one queued; "" for none
  } kCases[] = {
      {"digits.s2p", std::string(2000000, '7') + "\n", false, "Zeile zu lang: "},
      {"cut.s2p", pairs + "0 0.5 0\n", false, "Zeile zu lang: "},
      {"pairs.s2p", pairs + "\n", true, ""},
      {"words.txt", "hello world\n", false, "Frequenz fehlerhaft: hello world"},
      {"binary.dat", std::string("\xff\xfe\x01\x02\n\x7f", 6), false, "Frequenz fehlerhaft: "},
      {"nuls.dat", std::string(64, '\0'), false, "Datenzeile mit Nullzeichen: "},
      {"empty.s1p", "", false, "Datei konnte nicht gelesen werden: "},
      {"blanks.s1p", " \n\t\n", false, "Datei konnte nicht gelesen werden: "},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    const fs::path file = WriteFile(c.name, c.text);
    TwoPortSymbol s;
    EXPECT_EQ(s.LoadFile(file.string(), c.name), c.taken) << c.name;
    std::vector<std::string> rows;
    s.dataLines.Reset();
    for (int32_t i = 0; i < s.dataLines.GetCount(); ++i) {
      rows.push_back(s.GetNextDataLine().ToCString());
    }
    const std::string first = VS_Error::MessageCount() > 0 ? VS_Error::Message(0).ToCString() : "";
    EXPECT_EQ(first.substr(0, c.message.size()), c.message) << c.name;
    EXPECT_EQ(first.empty(), c.message.empty()) << c.name;
    if (c.message.empty()) {
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_EQ(rows[0], "1GHz 0.5 0 0.5 0 0.5 0 0.5 0");
    }
  }
}

// A file the reader refuses, or whose read fails (EIO at 0 of /proc/self/mem), is not taken and
// says why in one message; one that is not there has the data set's own.
TEST_F(DataPortTest, RefusedFilesSayWhyOnce) {
  const fs::path fifo = Scratch() / "fifo.s2p";
  fs::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path sparse = WriteFile("sparse.s2p", "");
  fs::resize_file(sparse, LineFile::kMaxBytes + 1);
  const fs::path missing = Scratch() / "missing.s1p";
  const struct {
    std::string path;
    std::string message;
  } kCases[] = {
      {fifo.string(), "Keine Datei: " + fifo.string()},
      {Scratch().string(), "Keine Datei: " + Scratch().string()},
      {sparse.string(), "Datei zu groß: " + sparse.string()},
      {"/proc/self/mem", "Lesefehler: /proc/self/mem"},
      {missing.string(), "Datei konnte nicht gelesen werden: " + missing.string()},
  };
  for (const auto& c : kCases) {
    VS_Error::ResetQueue();
    TwoPortSymbol s;
    EXPECT_FALSE(s.LoadFile(c.path, "x")) << c.path;
    EXPECT_EQ(s.dataLines.GetCount(), 0) << c.path;
    ASSERT_EQ(VS_Error::MessageCount(), 1) << c.path;
    EXPECT_EQ(VS_Error::Message(0).ToCString(), c.message) << c.path;
  }
  fs::remove(fifo);
  fs::remove(sparse);
}

}  // namespace
