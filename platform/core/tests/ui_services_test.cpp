#include "pf/ui_services.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pf/path_map.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace {

using pf::BeepKind;
using pf::MsgButtons;
using pf::MsgIcon;
using pf::MsgResult;

class UiServicesTest : public testing::Test {
 protected:
  void SetUp() override { scripted.Reset(); }
  void TearDown() override { scripted.Reset(); }
  MsgResult Ask(MsgButtons buttons) {
    return pf::TheUiServices().MessageBox("Frage", "Titel", buttons, MsgIcon::Question);
  }
  pf::ScriptedUiServices& scripted = pf::TheScriptedUiServices();
};

// Unscripted boxes get the answer that changes nothing; a scripted answer the buttons cannot
// give is replaced by that one, and used up all the same.
TEST_F(UiServicesTest, ScriptedAnswersAreConsumedInOrderAndUnscriptedOnesAreSafe) {
  const struct {
    MsgButtons buttons;
    std::optional<MsgResult> scripted;
    MsgResult given;
  } cases[] = {
      {MsgButtons::Ok, std::nullopt, MsgResult::Ok},
      {MsgButtons::OkCancel, std::nullopt, MsgResult::Cancel},
      {MsgButtons::YesNo, std::nullopt, MsgResult::No},
      {MsgButtons::YesNoCancel, std::nullopt, MsgResult::Cancel},
      {MsgButtons::RetryCancel, std::nullopt, MsgResult::Cancel},
      {MsgButtons::AbortRetryIgnore, std::nullopt, MsgResult::Abort},
      {MsgButtons::YesNoCancel, MsgResult::Yes, MsgResult::Yes},
      {MsgButtons::Ok, MsgResult::Yes, MsgResult::Ok},
      {MsgButtons::YesNo, MsgResult::Cancel, MsgResult::No},
      {MsgButtons::RetryCancel, MsgResult::Ignore, MsgResult::Cancel},
      {MsgButtons::OkCancel, static_cast<MsgResult>(42), MsgResult::Cancel},
      {MsgButtons::RetryCancel, MsgResult::Retry, MsgResult::Retry},
  };
  for (const auto& c : cases) {
    if (!c.scripted) {
      EXPECT_EQ(Ask(c.buttons), c.given) << static_cast<int>(c.buttons);
    }
  }
  for (const auto& c : cases)
    if (c.scripted) scripted.QueueAnswer(*c.scripted);
  for (const auto& c : cases) {
    if (c.scripted) {
      EXPECT_EQ(Ask(c.buttons), c.given) << static_cast<int>(*c.scripted);
    }
  }
}

TEST_F(UiServicesTest, RecordsMessagesAndBeepsUntilReset) {
  scripted.QueueAnswer(MsgResult::Yes);
  pf::TheUiServices().MessageBox("Datei „a.ckt“ überschreiben?", "Speichern", MsgButtons::YesNo,
                                 MsgIcon::Warning);
  pf::TheUiServices().Beep(BeepKind::Error);
  pf::TheUiServices().PlaySound("/tmp/Tonband.wav");
  ASSERT_EQ(scripted.Messages().size(), 1u);
  const auto& m = scripted.Messages()[0];
  EXPECT_EQ(m.text, "Datei „a.ckt“ überschreiben?");
  EXPECT_EQ(m.answer, MsgResult::Yes);
  EXPECT_EQ(scripted.Beeps(), (std::vector<BeepKind>{BeepKind::Error}));
  EXPECT_EQ(scripted.Sounds(), (std::vector<std::string>{"/tmp/Tonband.wav"}));

  scripted.QueueAnswer(MsgResult::Yes);
  scripted.Reset();
  EXPECT_TRUE(scripted.Messages().empty() && scripted.Beeps().empty() && scripted.Sounds().empty());
  EXPECT_EQ(Ask(MsgButtons::YesNo), MsgResult::No);
}

// Help files are named by Windows paths; a missing one is reported, an existing one opened.
TEST_F(UiServicesTest, HelpOpensMappedFilesAndReportsMissingOnes) {
  const std::string saved = pf::DriveRoot();
  const pf::test::TempDir root;
  pf::SetDriveRoot(root.Path().string());
  root.WriteFile("Hilfe.chm", "x");
  EXPECT_TRUE(scripted.ShowHelp("c:\\Hilfe.chm"));
  EXPECT_FALSE(scripted.ShowHelp("c:\\Fehlt.chm"));
  pf::SetDriveRoot(saved);
  EXPECT_EQ(scripted.HelpFiles(), std::vector<std::string>{root / "Hilfe.chm"});
  ASSERT_EQ(scripted.Messages().size(), 1u);
  EXPECT_EQ(scripted.Messages()[0].text, "Hilfedatei nicht gefunden: " + (root / "Fehlt.chm"));
}

// The scripted services that start the desktop's viewer.
class StartsViewers : public pf::ScriptedUiServices {
 protected:
  bool OpenHelpFile(const std::string& path) override { return UiServices::OpenHelpFile(path); }
};

// A viewer that ends well shows the help; one that fails, or none to be found, leads to a box
// with the help file's place: at once when it cannot start, at the next look when it ends.
TEST_F(UiServicesTest, HelpThatCannotBeShownIsReportedWithItsFile) {
  const pf::test::TempDir dir;
  const std::string help = dir.WriteFile("hilfe.html", "<html></html>");
  const std::string notShown = "Die Hilfe kann nicht angezeigt werden.\nHilfedatei: " + help;
  const struct {
    const char* viewer;  // the script that stands for xdg-open; nullptr: there is none
    bool reported;
  } cases[] = {
      {"#!/bin/sh\n/usr/bin/touch \"$1.seen\"\nexit 0\n", false},
      {"#!/bin/sh\n/usr/bin/touch \"$1.seen\"\nexit 3\n", true},
      {"#!/bin/sh\n/usr/bin/touch \"$1.seen\"\nkill -9 $$\n", true},
      {nullptr, true},
  };
  for (const auto& c : cases) {
    const std::string bin = dir / "bin";
    std::filesystem::remove_all(bin);
    std::filesystem::create_directory(bin);
    std::filesystem::remove(help + ".seen");
    if (c.viewer != nullptr) {
      const std::string script = dir.WriteFile("bin/xdg-open", c.viewer);
      std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    StartsViewers services;
    {
      const pf::test::ScopedEnv path("PATH", bin.c_str());
      EXPECT_EQ(services.ShowHelp(help), c.viewer != nullptr) << c.viewer;
    }
    // A viewer that leaves its mark has ended soon after.
    int settled = 0;
    for (int i = 0; i < 500 && c.viewer != nullptr && services.Messages().empty() && settled < 50;
         ++i) {
      usleep(10000);
      services.CheckHelpViewers();
      if (std::filesystem::exists(help + ".seen")) ++settled;
    }
    services.CheckHelpViewers();
    std::vector<std::string> texts;
    for (const auto& m : services.Messages()) texts.push_back(m.text);
    EXPECT_EQ(texts, c.reported ? std::vector<std::string>{notShown} : std::vector<std::string>{})
        << (c.viewer != nullptr ? c.viewer : "no viewer");
  }
}

}  // namespace
