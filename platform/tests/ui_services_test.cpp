#include "pf/ui_services.h"

#include <gtest/gtest.h>

namespace {

using pf::BeepKind;
using pf::MsgButtons;
using pf::MsgIcon;
using pf::MsgResult;

class UiServicesTest : public testing::Test {
 protected:
  void SetUp() override { scripted.Reset(); }
  void TearDown() override {
    pf::InstallUiServices(nullptr);
    scripted.Reset();
  }
  MsgResult Ask(MsgButtons buttons) {
    return pf::TheUiServices().MessageBox("Frage", "Titel", buttons, MsgIcon::Question);
  }
  pf::ScriptedUiServices& scripted = pf::TheScriptedUiServices();
};

TEST_F(UiServicesTest, UnscriptedBoxesGetTheAnswerThatChangesNothing) {
  const struct {
    MsgButtons buttons;
    MsgResult safe;
  } cases[] = {
      {MsgButtons::Ok, MsgResult::Ok},
      {MsgButtons::OkCancel, MsgResult::Cancel},
      {MsgButtons::YesNo, MsgResult::No},
      {MsgButtons::YesNoCancel, MsgResult::Cancel},
      {MsgButtons::RetryCancel, MsgResult::Cancel},
      {MsgButtons::AbortRetryIgnore, MsgResult::Abort},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ask(c.buttons), c.safe) << static_cast<int>(c.buttons);
    EXPECT_TRUE(pf::ScriptedUiServices::CanAnswer(c.buttons, c.safe));
  }
  EXPECT_EQ(scripted.Messages().size(), std::size(cases));
}

TEST_F(UiServicesTest, ScriptedAnswersAreConsumedInOrder) {
  for (MsgResult r : {MsgResult::Yes, MsgResult::No, MsgResult::Cancel}) scripted.QueueAnswer(r);
  EXPECT_EQ(Ask(MsgButtons::YesNoCancel), MsgResult::Yes);
  EXPECT_EQ(Ask(MsgButtons::YesNoCancel), MsgResult::No);
  EXPECT_EQ(Ask(MsgButtons::OkCancel), MsgResult::Cancel);
  EXPECT_EQ(Ask(MsgButtons::YesNo), MsgResult::No);  // script used up
}

TEST_F(UiServicesTest, ImpossibleAnswerIsReplacedAndStillConsumed) {
  const struct {
    MsgButtons buttons;
    MsgResult scripted;
    MsgResult given;
  } cases[] = {
      {MsgButtons::Ok, MsgResult::Yes, MsgResult::Ok},
      {MsgButtons::YesNo, MsgResult::Ok, MsgResult::No},
      {MsgButtons::YesNo, MsgResult::Cancel, MsgResult::No},
      {MsgButtons::RetryCancel, MsgResult::Ignore, MsgResult::Cancel},
      {MsgButtons::AbortRetryIgnore, MsgResult::Cancel, MsgResult::Abort},
      {MsgButtons::OkCancel, static_cast<MsgResult>(42), MsgResult::Cancel},
  };
  for (const auto& c : cases) {
    scripted.QueueAnswer(c.scripted);
    scripted.QueueAnswer(MsgResult::Retry);
    EXPECT_EQ(Ask(c.buttons), c.given) << static_cast<int>(c.scripted);
    EXPECT_EQ(Ask(MsgButtons::RetryCancel), MsgResult::Retry);
  }
}

TEST_F(UiServicesTest, RecordsMessagesAndBeeps) {
  scripted.QueueAnswer(MsgResult::Yes);
  pf::TheUiServices().MessageBox("Datei „a.ckt“ überschreiben?", "Speichern", MsgButtons::YesNo,
                                 MsgIcon::Warning);
  pf::TheUiServices().Beep(BeepKind::Error);
  pf::TheUiServices().Beep(BeepKind::Default);
  ASSERT_EQ(scripted.Messages().size(), 1u);
  const auto& m = scripted.Messages()[0];
  EXPECT_EQ(m.text, "Datei „a.ckt“ überschreiben?");
  EXPECT_EQ(m.caption, "Speichern");
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
  EXPECT_EQ(m.icon, MsgIcon::Warning);
  EXPECT_EQ(m.answer, MsgResult::Yes);
  EXPECT_EQ(scripted.Beeps(), (std::vector<BeepKind>{BeepKind::Error, BeepKind::Default}));

  scripted.QueueAnswer(MsgResult::Yes);
  scripted.Reset();
  EXPECT_TRUE(scripted.Messages().empty() && scripted.Beeps().empty());
  EXPECT_EQ(Ask(MsgButtons::YesNo), MsgResult::No);
}

TEST_F(UiServicesTest, InstalledServicesReplaceTheScriptedOnes) {
  struct Counting : pf::ScriptedUiServices {
    MsgResult MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
      ++boxes;
      return MsgResult::Retry;
    }
    void Beep(BeepKind) override { ++beeps; }
    int boxes = 0;
    int beeps = 0;
  } counting;
  pf::InstallUiServices(&counting);
  EXPECT_EQ(Ask(MsgButtons::RetryCancel), MsgResult::Retry);
  pf::TheUiServices().Beep(BeepKind::Warning);
  EXPECT_EQ(counting.boxes, 1);
  EXPECT_EQ(counting.beeps, 1);
  EXPECT_TRUE(scripted.Messages().empty() && scripted.Beeps().empty());

  pf::InstallUiServices(nullptr);
  EXPECT_EQ(&pf::TheUiServices(), &scripted);
}

}  // namespace
