// The factories the programs fill at start: the simulator's keywords and the element bar's types
// sit side by side in this file, and a keyword that cannot be one ends the program at its
// registration instead of making every line of its element a syntax error later.

#include <gtest/gtest.h>

#include "editor/symbols/ElementFactory.h"
#include "simulator/ElementRegistry.h"

namespace {

NetElement* Nothing(const NetLine&) { return nullptr; }

TEST(ElementRegistryDeathTest, AWordThatCannotBeAKeywordEndsTheProgram) {
  for (const char* word : {"", "res", "R-1", "1RES", "BLK", "END", "TOOLONGKW"}) {
    EXPECT_FALSE(ElementRegistry::IsKeywordForm(word)) << word;
    EXPECT_DEATH(ElementRegistry().Register(word, Nothing), "Kein Elementschlüsselwort") << word;
    EXPECT_DEATH(ElementRegistry().RegisterDataVariant(word, Nothing), "Kein Elementschl")
        << word;
  }
}

// Whatever a library registers is a keyword of the reader at once: no second list to keep.
TEST(ElementRegistry, TheProgramsKnowEveryLibrarysKeywordsFromTheirRegistrationAlone) {
  for (const char* keyword : {"RES", "HLD", "TRL", "SLTL", "DCQU", "DATG", "SPEC"}) {
    EXPECT_TRUE(ElementRegistry::IsKeyword(keyword)) << keyword;
    EXPECT_NE(ElementRegistry::Global().Find(keyword, false), nullptr) << keyword;
  }
  ElementRegistry own;
  own.Register("NEU8", Nothing);
  EXPECT_TRUE(own.Knows("NEU8"));
  EXPECT_FALSE(ElementRegistry::IsKeyword("NEU8"));
  EXPECT_FALSE(ElementRegistry::IsKeyword("IQU"));
  // The element bar's factory is another registry of another kind.
  EXPECT_TRUE(ElementFactory::Global().CanPlace(4, false));
}

}  // namespace
