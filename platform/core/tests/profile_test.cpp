#include "pf/profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "scoped_env.h"
#include "temp_dir.h"

namespace {

using pf::IniProfile;
using pf::MemoryProfile;
using pf::test::ReadFile;
using pf::test::ScopedEnv;
using pf::test::TempDir;

TEST(MemoryProfile, NamesIgnoreCaseAndMissingEntriesGiveTheDefault) {
  MemoryProfile p;
  EXPECT_TRUE(p.WriteProfileString("Einstellungen", "Farbe", "rot"));
  p.WriteProfileString("einstellungen", "FARBE", "blau");
  EXPECT_EQ(p.GetProfileString("EINSTELLUNGEN", "farbe", "?"), "blau");
  EXPECT_EQ(p.GetProfileString("Einstellungen", "Größe", "mittel"), "mittel");
  EXPECT_EQ(p.GetProfileInt("Einstellungen", "Zahl", -3), -3);
}

TEST(MemoryProfile, IntegersParseSaturateAndFallBack) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"-5", -5},  {"+8", 8},   {"  12", 12}, {"12abc", 12},         {"0x10", 0},
      {"", 7},     {"abc", 7},  {"-", 7},     {"2147483648", INT_MAX}, {"-2147483649", INT_MIN},
      {"99999999999999999999999999", INT_MAX},
  };
  MemoryProfile p;
  for (const auto& c : cases) {
    p.WriteProfileString("S", "k", c.text);
    EXPECT_EQ(p.GetProfileInt("S", "k", 7), c.expected) << '"' << c.text << '"';
  }
  for (int v : {INT_MIN, INT_MAX}) {
    p.WriteProfileInt("S", "n", v);
    EXPECT_EQ(p.GetProfileInt("S", "n", 7), v);
  }
}

class IniProfileTest : public testing::Test {
 protected:
  TempDir dir;
  ScopedEnv xdg{"XDG_CONFIG_HOME", dir.Path().c_str()};
};

TEST_F(IniProfileTest, PathFollowsXdgConfigHome) {
  EXPECT_EQ(pf::ProfilePath("Firma", "Prog"), dir / "Firma/Prog.ini");
  ScopedEnv home("HOME", "/home/nutzer");
  for (const char* ignored : {"", "relativ/pfad"}) {
    ScopedEnv bad("XDG_CONFIG_HOME", ignored);
    EXPECT_EQ(pf::ProfilePath("Firma", "Prog"), "/home/nutzer/.config/Firma/Prog.ini");
  }
}

TEST_F(IniProfileTest, RoundTripThroughTheFileKeepsEachValueOnOneLine) {
  const std::string path = pf::ProfilePath("Firma", "Prog");
  {
    IniProfile p(path);
    EXPECT_TRUE(p.WriteProfileString("Dateien", "Zuletzt", "C:\\Schaltungen\\Filter = 1.ckt"));
    EXPECT_TRUE(p.WriteProfileInt("Fenster", "Breite", -640));
    EXPECT_TRUE(p.WriteProfileString("Dateien", "Titel", "Öffnen…"));
    EXPECT_TRUE(p.WriteProfileString("DATEIEN", "zuletzt", "zweiter = Wert"));
    p.WriteProfileString("S", "text", "erste\nzweite\r\n[Falle]\r");
    p.WriteProfileString("S", "danach", "ok");
  }
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  IniProfile q(path);
  EXPECT_EQ(q.GetProfileString("dateien", "ZULETZT", ""), "zweiter = Wert");
  EXPECT_EQ(q.GetProfileString("Dateien", "Titel", ""), "Öffnen…");
  EXPECT_EQ(q.GetProfileInt("Fenster", "Breite", 0), -640);
  EXPECT_EQ(q.GetProfileString("S", "text", ""), "erste zweite  [Falle]");
  EXPECT_EQ(q.GetProfileString("S", "danach", ""), "ok");
}

TEST_F(IniProfileTest, UnwritablePathKeepsTheValueInMemory) {
  const std::string blocker = dir.WriteFile("datei", "kein Verzeichnis");
  for (const std::string& path : {blocker + "/Prog.ini", dir.Path().string()}) {
    IniProfile p(path);
    EXPECT_FALSE(p.WriteProfileString("S", "k", "wert")) << path;
    EXPECT_EQ(p.GetProfileString("S", "k", ""), "wert");
  }
  EXPECT_EQ(ReadFile(blocker), "kein Verzeichnis");
  EXPECT_FALSE(std::filesystem::exists(dir.Path().string() + ".tmp"));
}

TEST_F(IniProfileTest, GarbageLinesAreSkippedAndOversizedFilesNotRead) {
  std::string garbage = "vorher=ohne Abschnitt\n\x01\x02\xff=\n";
  garbage += std::string("nul\0byte", 8) + "\n[kaputt\nkein gleich\n; k=kommentar\n";
  garbage += std::string(100000, 'x') + "\n";
  garbage += "[ Gut ]\r\n  k  =  wert  \r\n#x=y\n=leer\n";
  const std::string path = dir.WriteFile("p.ini", garbage);
  IniProfile p(path);
  EXPECT_EQ(p.GetProfileString("Gut", "k", ""), "wert");
  EXPECT_EQ(p.GetProfileString("Gut", "#x", "-"), "-");
  EXPECT_EQ(p.GetProfileString("", "vorher", "-"), "-");
  EXPECT_TRUE(p.WriteProfileString("Gut", "neu", "1"));
  EXPECT_EQ(IniProfile(path).GetProfileString("Gut", "k", ""), "wert");

  dir.WriteFile("p.ini", "[S]\nk=v\n;" + std::string(2 << 20, 'x') + "\n");
  EXPECT_EQ(IniProfile(path).GetProfileString("S", "k", "-"), "-");
}

}  // namespace
