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
  void TearDown() override { scripted.Reset(); }
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
  for (const auto& c : cases) EXPECT_EQ(Ask(c.buttons), c.safe) << static_cast<int>(c.buttons);
}

// An answer the buttons cannot give is replaced by the safe one, and used up all the same.
TEST_F(UiServicesTest, ScriptedAnswersAreConsumedInOrder) {
  const struct {
    MsgButtons buttons;
    MsgResult scripted;
    MsgResult given;
  } cases[] = {
      {MsgButtons::YesNoCancel, MsgResult::Yes, MsgResult::Yes},
      {MsgButtons::Ok, MsgResult::Yes, MsgResult::Ok},
      {MsgButtons::YesNo, MsgResult::Cancel, MsgResult::No},
      {MsgButtons::RetryCancel, MsgResult::Ignore, MsgResult::Cancel},
      {MsgButtons::OkCancel, static_cast<MsgResult>(42), MsgResult::Cancel},
  };
  for (const auto& c : cases) scripted.QueueAnswer(c.scripted);
  for (const auto& c : cases) EXPECT_EQ(Ask(c.buttons), c.given) << static_cast<int>(c.scripted);
  scripted.QueueAnswer(MsgResult::Retry);
  EXPECT_EQ(Ask(MsgButtons::RetryCancel), MsgResult::Retry);
}

TEST_F(UiServicesTest, RecordsMessagesAndBeepsUntilReset) {
  scripted.QueueAnswer(MsgResult::Yes);
  pf::TheUiServices().MessageBox("Datei „a.ckt“ überschreiben?", "Speichern", MsgButtons::YesNo,
                                 MsgIcon::Warning);
  pf::TheUiServices().Beep(BeepKind::Error);
  ASSERT_EQ(scripted.Messages().size(), 1u);
  const auto& m = scripted.Messages()[0];
  EXPECT_EQ(m.text, "Datei „a.ckt“ überschreiben?");
  EXPECT_EQ(m.caption, "Speichern");
  EXPECT_EQ(m.icon, MsgIcon::Warning);
  EXPECT_EQ(m.answer, MsgResult::Yes);
  EXPECT_EQ(scripted.Beeps(), (std::vector<BeepKind>{BeepKind::Error}));

  scripted.QueueAnswer(MsgResult::Yes);
  scripted.Reset();
  EXPECT_TRUE(scripted.Messages().empty() && scripted.Beeps().empty());
  EXPECT_EQ(Ask(MsgButtons::YesNo), MsgResult::No);
}

}  // namespace
