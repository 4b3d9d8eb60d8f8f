#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "formats/SpiceRawFile.h"

namespace {

// The header of a real DC sweep of amp.cir over its scale and V(1), V(2).
std::string Header(const std::string& points, const std::string& title = "amp.cir",
                   const std::string& flags = "real") {
  return "Title: " + title +
         "\nDate: Mon Dec  7 09:00:00  2026\nPlotname: DC transfer characteristic\nFlags: " +
         flags + "\nNo. Variables: 3\nNo. Points: " + points +
         "\nCommand: test\nVariables:\n\t0\tv(v-sweep)\tvoltage\n\t1\tV(1)\tvoltage\n"
         "\t2\tV(2)\tvoltage\nValues:\n";
}

// As the reader sees a file: trimmed lines, empty ones dropped.
std::vector<MyStrng> Lines(const std::string& text) {
  std::vector<MyStrng> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    MyStrng l(line);
    l.TrimLeft();
    l.TrimRight();
    if (!l.IsEmpty()) lines.push_back(l);
  }
  return lines;
}

std::string Points(const std::vector<double>& scale) {
  std::string text;
  for (size_t p = 0; p < scale.size(); ++p) {
    text += std::to_string(p) + "\t\t" + std::to_string(scale[p]) + "\n\t" +
            std::to_string(10.0 + p) + "\n\t" + std::to_string(20.0 + p) + "\n";
  }
  return text;
}

// A header of count variables claiming points, then enough bytes of values for the claim to
// pass the size test: the values' count alone is beyond what a result may hold.
std::string ManyVariables(int count, int points) {
  std::string text = "Title: amp.cir\nDate: x\nPlotname: Transient Analysis\nFlags: real\n"
                     "No. Variables: " + std::to_string(count) +
                     "\nNo. Points: " + std::to_string(points) + "\nCommand: x\nVariables:\n";
  for (int v = 0; v < count; ++v) text += "\t" + std::to_string(v) + "\tv\tvoltage\n";
  text += "Values:\n";
  for (int line = 0; line < points / 8; ++line) text += "1.000000\n";
  return text;
}

class SpiceRawFileTest : public testing::Test {
 protected:
  bool Read(const std::string& text) {
    raw.SetNetlistName("amp.cir");
    return raw.ReadRawLines(Lines(text), "/sim/rawspice.raw");
  }
  SpiceRawFile raw;
};

TEST_F(SpiceRawFileTest, DcSweepOfTwoNestedSweepsReadsItsRowsAndFirstSweep) {
  ASSERT_TRUE(Read(Header("6") + Points({0, 1, 2, 0, 1, 2})));
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_TRUE(raw.IsDcTransferResult());
  EXPECT_FALSE(raw.IsComplexResult());
  EXPECT_EQ(raw.GetSweepRepetitions(), 2);
  EXPECT_EQ(raw.GetPointsPerSweep(), 3);
  const RVektor sweep = raw.GetSweepVector();
  ASSERT_EQ(sweep.GetSize(), 3);
  EXPECT_EQ(sweep[2], 2.0);
  EXPECT_EQ(raw.GetVariableName(0), "v(v-sweep)");
  const RVektor v2 = raw.GetNodeVoltage(2);
  ASSERT_EQ(v2.GetSize(), 6);
  EXPECT_EQ(v2[5], 25.0);
  EXPECT_EQ(raw.GetScaleVector()[4], 1.0);
  // Only V(1) and V(2) exist; the scale's lower-case v is no node voltage.
  EXPECT_EQ(raw.GetNodeVoltage(5).GetSize(), 0);
  EXPECT_EQ(raw.GetNodeVoltage(0).GetSize(), 0);
}

TEST_F(SpiceRawFileTest, ComplexValuesTakeRealAndImaginaryParts) {
  const std::string text =
      Header("1", "amp.vqe", "complex") + "0\t1.0e+03,0.0e+00\n\t1.0e+00,-2.5e-01\n\t2,3\n";
  ASSERT_TRUE(Read(text));
  EXPECT_TRUE(raw.IsComplexResult());
  const CVektor v1 = raw.GetNodeVoltageComplex(1);
  ASSERT_EQ(v1.GetSize(), 1);
  EXPECT_EQ(v1[0].re, 1.0);
  EXPECT_EQ(v1[0].im, -0.25);
  EXPECT_EQ(raw.GetSweepVector()[0], 1000.0);
  EXPECT_EQ(raw.GetNodeVoltage(1).GetSize(), 0);
}

// Each refused file names its fault and leaves nothing that could pass for results.
TEST_F(SpiceRawFileTest, RefusedFilesNameTheirFault) {
  const struct {
    const char* name;
    std::string text;
    const char* message;  // the last queued
  } kCases[] = {
      {"wrong title", Header("1", "amp2.cir") + Points({0}),
       "Titel stimmen nicht!\n\n Rawfile: amp2\n Spicemanager: amp"},
      {"no points", Header("0") + Points({}), "Keine Punkte vorhanden (noOfPoints = 0)"},
      {"other flags", Header("1", "amp.cir", "binary") + Points({0}),
       "Flags mit Namen: binary\n nicht implementiert"},
      {"count not digits", Header("x1") + Points({0}), "Syntax noPoints fehlerhaft"},
      {"no title", "Titel: amp.cir\n" + Header("1").substr(15) + Points({0}),
       "Kein Eintrag: Title im RawFile"},
      {"truncated with huge count", Header("999999999") + Points({0, 1}),
       "RawFile unvollständig: /sim/rawspice.raw"},
      {"values cut short", Header("3") + Points({0, 1, 2}).substr(0, 40),
       "RawFile unvollständig: /sim/rawspice.raw"},
      {"bad point index", Header("1") + "x\t0\n\t1\n\t2\n", "Ist keine Zahl"},
      {"bad variable index", Header("1").substr(0, Header("1").find("\t0")) + "a\tv\n",
       "Syntaxfehler: noVariables"},
      {"more values than a result may hold", ManyVariables(1000, 140000),
       "Datei zu groß: /sim/rawspice.raw"},
  };
  // A good file first, so that old results are at hand to leak.
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Read(Header("1") + Points({0})));
    VS_Error::ResetQueue();
    EXPECT_FALSE(Read(c.text));
    ASSERT_GE(VS_Error::MessageCount(), 1);
    EXPECT_EQ(VS_Error::Message(VS_Error::MessageCount() - 1), c.message);
    EXPECT_FALSE(raw.HasLoadedResults());
    EXPECT_EQ(raw.GetNodeVoltage(1).GetSize(), 0);
    EXPECT_EQ(raw.GetSweepVector().GetSize(), 0);
  }
}

// A header whose variable count disagrees with the variable lines, either way and in either
// kind of file, is refused with one message that names the file; so is a variable line without
// its index, with the reader's words alone.
TEST_F(SpiceRawFileTest, AVariableCountThatDisagreesIsOneMessage) {
  // count variables claimed, lines given, one point of values for the lines given.
  const auto file = [](int count, int lines, const std::string& flags) {
    std::string text = "Title: amp.cir\nDate: x\nPlotname: AC Analysis\nFlags: " + flags +
                       "\nNo. Variables: " + std::to_string(count) +
                       "\nNo. Points: 2\nCommand: y\nVariables:\n";
    for (int v = 0; v < lines; ++v) {
      text += "\t" + std::to_string(v) + "\tV(" + std::to_string(v) + ")\tvoltage\n";
    }
    text += "Values:\n";
    for (int p = 0; p < 2; ++p) {
      text += std::to_string(p) + "\t\t1e3,0\n";
      for (int v = 1; v < lines; ++v) text += "\t0.25,0.5\n";
    }
    return text;
  };
  const std::string countWrong =
      "Anzahl der Variablen stimmt nicht im RawFile: /sim/rawspice.raw";
  const struct {
    std::string text;
    std::string message;
  } kCases[] = {
      {file(4, 2, "real"), countWrong},
      {file(3, 2, "complex"), countWrong},
      {file(2, 5, "complex"), countWrong},
      {file(1, 2, "real"), countWrong},
      {file(3, 3, "complex").replace(file(3, 3, "complex").find("\t1\tV"), 3, "\tx\tV"),
       "Syntaxfehler: noVariables"},
  };
  ASSERT_TRUE(Read(file(3, 3, "complex")));
  EXPECT_EQ(raw.GetNodeVoltageComplex(2)[1].im, 0.5);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    VS_Error::ResetQueue();
    EXPECT_FALSE(Read(c.text));
    ASSERT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(std::string(VS_Error::Message(0).GetBuffer()), c.message);
    EXPECT_FALSE(raw.HasLoadedResults());
  }
}

TEST_F(SpiceRawFileTest, AVariableLineWithoutTabIsNamedByItsRest) {
  std::string text = Header("1");
  text.replace(text.find("\t1\tV(1)\tvoltage"), 15, "1 V(1) voltage");
  ASSERT_TRUE(Read(text + Points({0})));
  EXPECT_EQ(raw.GetVariableName(1), "V(1) voltage");
  EXPECT_EQ(raw.GetNodeVoltage(1).GetSize(), 1);
}

// A program may give back the netlist's file name or its first line, the same name in netlist
// form: either passes the title test.
TEST_F(SpiceRawFileTest, TheTitleMayBeTheNameInNetlistForm) {
  for (const char* title : {"Tiefpaß 2.cir", "Tiefpa__2.vqe"}) {
    raw.SetNetlistName("Tiefpaß 2.cir");
    EXPECT_TRUE(raw.ReadRawLines(Lines(Header("1", title) + Points({0})), "/sim/rawspice.raw"))
        << title;
  }
  raw.SetNetlistName("Tiefpaß 2.cir");
  EXPECT_FALSE(raw.ReadRawLines(Lines(Header("1", "Tiefpass 2.vqe") + Points({0})), "raw"));
}

TEST_F(SpiceRawFileTest, MissingAndEmptyFilesAreReported) {
  const std::filesystem::path dir = testing::TempDir();
  const std::string empty = (dir / "empty_rawspice.raw").string();
  { std::ofstream(empty) << "  \n\n"; }
  raw.SetNetlistName("amp.cir");
  EXPECT_FALSE(raw.ReadRawFileFrom(MyStrng(empty)));
  EXPECT_EQ(VS_Error::Message(0), MyStrng("RawFile mit Namen: ") + empty.c_str() + " ist leer");
  VS_Error::ResetQueue();
  const std::string missing = (dir / "no_such_rawspice.raw").string();
  EXPECT_FALSE(raw.ReadRawFileFrom(MyStrng(missing)));
  EXPECT_EQ(VS_Error::Message(0), MyStrng("Kein RawFile mit Namen: ") + missing.c_str());
  std::filesystem::remove(empty);
}

// A file the reader refuses, or whose read fails (EIO at 0 of /proc/self/mem), says why in one
// message and leaves no results.
TEST_F(SpiceRawFileTest, RefusedFilesSayWhyOnce) {
  const std::filesystem::path dir = testing::TempDir();
  const std::string sparse = (dir / "sparse_rawspice.raw").string();
  { std::ofstream(sparse) << ""; }
  std::filesystem::resize_file(sparse, SpiceRawFile::kMaxBytes + 1);
  const std::string folder = dir.string();
  const struct {
    std::string path;
    std::string message;
  } kCases[] = {{sparse, "Datei zu groß: " + sparse},
                {folder, "Keine Datei: " + folder},
                {"/proc/self/mem", "Lesefehler: /proc/self/mem"}};
  raw.SetNetlistName("amp.cir");
  for (const auto& c : kCases) {
    ASSERT_TRUE(raw.ReadRawLines(Lines(Header("1") + Points({0})), "raw"));
    VS_Error::ResetQueue();
    EXPECT_FALSE(raw.ReadRawFileFrom(MyStrng(c.path))) << c.path;
    ASSERT_EQ(VS_Error::MessageCount(), 1) << c.path;
    EXPECT_EQ(VS_Error::Message(0), MyStrng(c.message)) << c.path;
    EXPECT_FALSE(raw.HasLoadedResults()) << c.path;
    EXPECT_EQ(raw.GetRawLines().GetCount(), 0) << c.path;
  }
  std::filesystem::remove(sparse);
}

// Each value reads as atof reads its text, to the last bit, also where the quick road for plain
// decimals leaves off: hex, underflow, a '+', the largest float.
TEST_F(SpiceRawFileTest, ValuesReadToTheLastBitAsAtofReadsThem) {
  const char* kTexts[] = {"1.5e-09",  "-.5",      "5.",    "0x1p3",         "-0X1P-2",
                          "+1e5",     "1e-400",   "4.9e-324", "2.5e-324",   "00012",
                          "-3.4028234e38",        "0.1000000000000000055511151231257827"};
  const auto bits = [](double d) {
    uint64_t b = 0;
    std::memcpy(&b, &d, sizeof b);
    return b;
  };
  for (const char* text : kTexts) {
    SCOPED_TRACE(text);
    ASSERT_TRUE(Read(Header("1") + "0\t\t" + text + "\n\t" + text + "\n\t7\n"));
    EXPECT_EQ(bits(raw.GetScaleVector()[0]), bits(std::atof(text)));
    EXPECT_EQ(bits(raw.GetNodeVoltage(1)[0]), bits(std::atof(text)));
    const std::string pair = std::string("1,") + text;
    ASSERT_TRUE(Read(Header("1", "amp.cir", "complex") + "0\t\t1,0\n\t" + text + ",1\n\t" + pair));
    const CVektor v = raw.GetNodeVoltageComplex(1);
    EXPECT_EQ(bits(v[0].re), bits(std::atof(text)));
    EXPECT_EQ(bits(raw.GetNodeVoltageComplex(2)[0].im), bits(std::atof(text)));
  }
}

// A value that is no finite number, or lies beyond the floats the instruments' screens hold,
// refuses the file wherever it stands: the scale, a real value, either part of a complex one.
TEST_F(SpiceRawFileTest, ValuesThatAreNoFiniteNumberRefuseTheFile) {
  const char* kTexts[] = {"nan", "NAN", "nan(12)", "inf", "-inf", "Infinity",
                          "1e999", "-1e400", "1e39", "3.4028236e38"};
  // The values after the header and the line the message quotes, '@' standing for the value.
  const struct {
    const char* where;
    const char* flags;
    const char* values;
    const char* line;
  } kPlaces[] = {
      {"scale", "real", "0\t\t@\n\t1\n\t2\n", "0\t\t@"},
      {"real value", "real", "0\t\t0\n\t1\n\t@\n", "@"},
      {"real part", "complex", "0\t\t1,0\n\t@,1\n\t1,0\n", "@,1"},
      {"imaginary part", "complex", "0\t\t1,0\n\t1,0\n\t1,@\n", "1,@"},
  };
  const auto with = [](std::string text, const char* value) {
    return text.replace(text.find('@'), 1, value);
  };
  for (const char* text : kTexts) {
    for (const auto& p : kPlaces) {
      SCOPED_TRACE(with(p.line, text));
      ASSERT_TRUE(Read(Header("1") + Points({0})));
      VS_Error::ResetQueue();
      EXPECT_FALSE(Read(Header("1", "amp.cir", p.flags) + with(p.values, text)));
      ASSERT_EQ(VS_Error::MessageCount(), 1);
      EXPECT_EQ(VS_Error::Message(0),
                MyStrng("Wert ungültig im RawFile: ") + with(p.line, text).c_str());
      EXPECT_FALSE(raw.HasLoadedResults());
      EXPECT_EQ(raw.GetNodeVoltage(1).GetSize(), 0);
      EXPECT_EQ(raw.GetNodeVoltageComplex(1).GetSize(), 0);
    }
  }
}

// A value is the whole of its text, or the file is refused with the line that holds it: a value
// cut short, a point line without its scale, a complex value without both parts, a row short of
// a value (the next point's line, or the next plot's header, stands where its value was due);
// counts and indexes are digits only. The same file whole reads.
TEST_F(SpiceRawFileTest, ValuesThatAreNotWholeRefuseTheFile) {
  const std::string invalid = "Wert ungültig im RawFile: ";
  const struct {
    const char* name;
    std::string text;
    std::string message;  // the one queued
  } kCases[] = {
      {"real value cut", Header("2") + "0\t\t0\n\t3.000000e\n\t1\n" + Points({1}).substr(1),
       invalid + "3.000000e"},
      {"exponent without digits", Header("1") + "0\t\t0\n\t1\n\t2.5e+\n", invalid + "2.5e+"},
      {"more behind a number", Header("1") + "0\t\t0\n\t1.5(a)\n\t2\n", invalid + "1.5(a)"},
      {"two numbers", Header("1") + "0\t\t0\n\t1 2\n\t2\n", invalid + "1 2"},
      {"scale cut", Header("1") + "0\t\t1.0e\n\t1\n\t2\n", invalid + "0\t\t1.0e"},
      {"point line without scale", Header("1") + "0\n\t1\n\t2\n", invalid + "0"},
      {"complex without imaginary part", Header("1", "amp.cir", "complex") +
       "0\t\t1,0\n\t1.5e-01\n\t1,0\n", invalid + "1.5e-01"},
      {"complex cut behind the comma", Header("1", "amp.cir", "complex") +
       "0\t\t1,0\n\t1,0\n\t1.5e-01,\n", invalid + "1.5e-01,"},
      {"imaginary part cut", Header("1", "amp.cir", "complex") + "0\t\t1,0\n\t1,2.5e\n\t1,0\n",
       invalid + "1,2.5e"},
      {"complex scale cut", Header("1", "amp.cir", "complex") + "0\t\t1e3,-1.5e-\n\t1,0\n\t1,0\n",
       invalid + "0\t\t1e3,-1.5e-"},
      {"complex scale without imaginary part", Header("1", "amp.cir", "complex") +
       "0\t\t1e3\n\t1,0\n\t1,0\n", invalid + "0\t\t1e3"},
      {"row short, the next point follows", Header("2") + "0\t\t0\n\t1\n1\t\t1\n\t1\n\t2\n",
       invalid + "1\t\t1"},
      {"row short, the next plot follows", Header("1") + "0\t\t0\n\t1\nTitle: amp.cir\n",
       invalid + "Title: amp.cir"},
      {"point index not digits", Header("1") + "0x\t\t0\n\t1\n\t2\n", "Ist keine Zahl"},
      {"point count not digits", Header("1.0") + Points({0}), "Syntax noPoints fehlerhaft"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Read(Header("1") + Points({0})));
    VS_Error::ResetQueue();
    EXPECT_FALSE(Read(c.text));
    ASSERT_GE(VS_Error::MessageCount(), 1);
    EXPECT_EQ(VS_Error::Message(VS_Error::MessageCount() - 1), MyStrng(c.message));
    EXPECT_FALSE(raw.HasLoadedResults());
    EXPECT_EQ(raw.GetNodeVoltage(1).GetSize(), 0);
    EXPECT_EQ(raw.GetNodeVoltageComplex(1).GetSize(), 0);
    EXPECT_EQ(raw.GetRawLines().GetCount(), 0);
  }
}

// A value line longer than a text file's lines may be, or holding a NUL, lost its rest: what is
// left may look whole ("1.5" of "1.5000...0e-03") but is no value, and the file is refused with
// the line as read. A long line that holds no value (the command) is read as before.
TEST_F(SpiceRawFileTest, AValueLineCutAtItsBoundOrANulIsNoValue) {
  const std::string zeros(LineFile::kMaxLineLength, '0');
  const std::string complexHeader = Header("1", "amp.cir", "complex");
  const struct {
    const char* name;
    std::string text;
    std::string kept;  // the line the message names
  } kCases[] = {
      {"real value", Header("1") + "0\t\t0\n\t1.5" + zeros + "e-03\n\t2\n", "1.5" + zeros},
      {"real scale", Header("1") + "0\t\t1" + zeros + "e-30\n\t1\n\t2\n", "0\t\t1" + zeros},
      {"imaginary part", complexHeader + "0\t\t1,0\n\t1,0\n\t1,2" + zeros + "e-30\n",
       "1,2" + zeros},
      {"NUL in a value", Header("1") + "0\t\t0\n\t1.5" + std::string(1, '\0') + "e-03\n\t2\n",
       "1.5"},
      {"NUL in the scale", Header("1") + "0\t\t1" + std::string(1, '\0') + "e3\n\t1\n\t2\n",
       "0\t\t1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    raw.SetNetlistName("amp.cir");
    VS_Error::ResetQueue();
    std::istringstream in(c.text);
    EXPECT_FALSE(raw.ReadRawStream(in, static_cast<int64_t>(c.text.size()), "raw"));
    ASSERT_EQ(VS_Error::MessageCount(), 1);
    // The message quotes the line's first 40 characters.
    EXPECT_EQ(VS_Error::Message(0), MyStrng("Wert ungültig im RawFile: " + c.kept.substr(0, 40)));
    EXPECT_FALSE(raw.HasLoadedResults());
    EXPECT_EQ(raw.GetRawLines().GetCount(), 0);
  }
  // A value line of the longest length kept is whole.
  const std::string longest = "\t1.5" + zeros.substr(0, LineFile::kMaxLineLength - 4);
  const std::string whole = Header("1") + "0\t\t0\n" + longest + "\n\t2\n";
  std::istringstream wholeIn(whole);
  EXPECT_TRUE(raw.ReadRawStream(wholeIn, static_cast<int64_t>(whole.size()), "raw"));
  EXPECT_EQ(raw.GetNodeVoltage(1)[0], 1.5);
  std::string longCommand = Header("1") + Points({0});
  longCommand.replace(longCommand.find("Command: test"), 13, "Command: " + zeros);
  std::istringstream in(longCommand);
  EXPECT_TRUE(raw.ReadRawStream(in, static_cast<int64_t>(longCommand.size()), "raw"));
}

// A file that ends inside its last line may have lost the rest of a value, however whole what is
// left looks ("3.000000e", "2.5e-01,2" of "2.5e-01,2.5e-03", an index without its scale): it is
// refused as incomplete, naming the file. The same file with its line end reads.
TEST_F(SpiceRawFileTest, AFileCutInsideItsLastLineIsIncomplete) {
  const std::string complexHeader = Header("2", "amp.cir", "complex");
  const struct {
    const char* name;
    std::string text;
  } kCases[] = {
      {"real value", Header("2") + Points({0}) + "1\t\t1\n\t11\n\t3.000000"},
      {"imaginary part", complexHeader + "0\t\t1,0\n\t1,0\n\t1,0\n1\t\t2,0\n\t1,0\n\t2.5e-01,2"},
      {"scale of the last point, the only variable",
       "Title: amp.cir\nDate: x\nPlotname: AC Analysis\nFlags: complex\nNo. Variables: 1\n"
       "No. Points: 1\nCommand: x\nVariables:\n\t0\tfrequency\tfrequency\nValues:\n0\t\t1e3,0"},
      {"real value cut in its exponent", Header("2") + Points({0}) + "1\t\t1\n\t11\n\t3.000000e"},
      {"index of the last point", Header("2") + Points({0}) + "1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    raw.SetNetlistName("amp.cir");
    VS_Error::ResetQueue();
    std::istringstream cut(c.text);
    EXPECT_FALSE(raw.ReadRawStream(cut, static_cast<int64_t>(c.text.size()), "/sim/rawspice.raw"));
    ASSERT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(VS_Error::Message(0), MyStrng("RawFile unvollständig: /sim/rawspice.raw"));
    EXPECT_FALSE(raw.HasLoadedResults());
    EXPECT_EQ(raw.GetRawLines().GetCount(), 0);
  }
  // The first three with their line end.
  for (int i = 0; i < 3; ++i) {
    const std::string whole = kCases[i].text + "\n";
    std::istringstream in(whole);
    EXPECT_TRUE(raw.ReadRawStream(in, static_cast<int64_t>(whole.size()), "raw")) << kCases[i].name;
  }
}

// The raw-file view's lines are those read with the results: a later file in the same place, of
// another circuit's run, changes nothing of them.
TEST_F(SpiceRawFileTest, TheLinesAreThoseReadWithTheResults) {
  const std::string path = (std::filesystem::path(testing::TempDir()) / "kept_rawspice.raw").string();
  { std::ofstream(path) << Header("1") + Points({0}) + "\n"; }
  raw.SetNetlistName("amp.cir");
  ASSERT_TRUE(raw.ReadRawFileFrom(MyStrng(path)));
  { std::ofstream(path) << Header("2", "other.cir") + Points({0, 1}); }
  ASSERT_EQ(raw.GetRawLines().GetCount(), 15);
  std::vector<std::string> lines;
  raw.GetRawLines().ForEach([&lines](const MyStrng& line) { lines.push_back(line.ToCString()); });
  EXPECT_EQ(lines.front(), "Title: amp.cir");
  EXPECT_EQ(lines[5], "No. Points: 1");
  EXPECT_EQ(lines.back(), "20.000000");
  EXPECT_TRUE(raw.RawLinesRefusal().IsEmpty());
  std::filesystem::remove(path);
}

// A result of more lines than a text file may hold is read from its file, and the raw-file
// dialog's lines come from the file of the last reading.
TEST_F(SpiceRawFileTest, LongResultsAreReadFromTheirFile) {
  const std::filesystem::path dir = testing::TempDir();
  const std::string path = (dir / "long_rawspice.raw").string();
  constexpr int kPoints = 300000;  // 1.2 million value lines
  {
    std::ofstream out(path);
    out << Header(std::to_string(kPoints));
    for (int p = 0; p < kPoints; ++p)
      out << p << "\t\t" << p * 1e-9 << "\n\t" << p << ".5\n\t-2e-3\n";
  }
  raw.SetNetlistName("amp.cir");
  ASSERT_TRUE(raw.ReadRawFileFrom(MyStrng(path)));
  EXPECT_EQ(raw.GetPointCount(), kPoints);
  const RVektor v1 = raw.GetNodeVoltage(1);
  ASSERT_EQ(v1.GetSize(), kPoints);
  EXPECT_EQ(v1[kPoints - 1], kPoints - 0.5);
  EXPECT_EQ(raw.GetScaleVector()[kPoints - 1], (kPoints - 1) * 1e-9);
  EXPECT_EQ(raw.GetNodeVoltage(2)[kPoints - 1], -2e-3);

  { std::ofstream(path) << Header("1") + Points({0}); }
  ASSERT_TRUE(raw.ReadRawFileFrom(MyStrng(path)));
  EXPECT_EQ(raw.GetRawLines().GetCount(), 15);
  std::string first;
  raw.GetRawLines().ForEach([&first](const MyStrng& line) {
    if (first.empty()) first = line.ToCString();
  });
  EXPECT_EQ(first, "Title: amp.cir");
  std::filesystem::remove(path);
}

}  // namespace
