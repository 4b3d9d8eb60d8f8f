// The SPICE control part of a run: the active instrument writes its part, then each instrument
// named as the next of the chain, until "NoSlave", an empty name, a name no symbol bears, or an
// instrument already written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "pf/headless.h"

namespace {

// An instrument whose part of the card is its name.
class Part : public MessGeraetSymbol {
 public:
  Part(const char* next, int active) {
    slaveName = next;
    SetActiveFlag(active);
  }
  void WriteSpiceControl(LineFile& lines) override { lines.AddLine(elementName); }
};

std::vector<std::string> Commands(CVostraneDoc& doc) {
  std::vector<std::string> all;
  doc.GetNetlistLines().ForEach([&all](const MyStrng& l) { all.push_back(l.ToCString()); });
  std::vector<std::string> out;
  for (size_t i = 0; i + 2 < all.size(); ++i) {
    if (all[i] != "* Commandos") continue;
    for (size_t j = i + 2; j < all.size() && all[j] != "*"; ++j) out.push_back(all[j]);
  }
  return out;
}

TEST(SpiceChain, StopsAtTheEndOfTheChainOrAtAMissingOrRepeatedSlave) {
  pf::Headless headless;
  const struct {
    const char* what;
    std::vector<std::vector<const char*>> parts;  // name, next, active ("1")
    std::vector<std::string> card;
  } cases[] = {
      {"alone", {{"GEN", "NoSlave", "1"}}, {"GEN"}},
      {"two", {{"GEN", "OSZ", "1"}, {"OSZ", "NoSlave", "0"}}, {"GEN", "OSZ"}},
      {"missing slave", {{"GEN", "OSZ", "1"}, {"OSZ", "WEG", "0"}}, {"GEN", "OSZ"}},
      {"empty name", {{"GEN", "", "1"}, {"OSZ", "NoSlave", "0"}}, {"GEN"}},
      {"back to the master", {{"GEN", "OSZ", "1"}, {"OSZ", "GEN", "0"}}, {"GEN", "OSZ"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CVostraneDoc doc;
    for (const auto& p : c.parts) {
      auto* part = new Part(p[1], p[2][0] - '0');
      doc.AddSymbol(part);
      part->elementName = p[0];  // the document names what it adds
    }
    ASSERT_TRUE(SpiceWriter(doc).Compose());
    EXPECT_EQ(Commands(doc), c.card);
  }
}

}  // namespace
