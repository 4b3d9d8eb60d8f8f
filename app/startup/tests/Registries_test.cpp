// The factories the programs fill at start: the simulator's keywords, the document's class keys
// and the element bar's types. A registration one of them cannot keep (a word that cannot be a
// keyword, a second registration of a name, a type outside the bar) ends the program at the
// registration, naming both registrations, instead of leaving one unused in silence; and every
// element declaration is placed as the class it names.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "resources/ElementDeclarations.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"

namespace {

NetElement* Nothing(const NetLine&) { return nullptr; }
NetDataElm* NoObject(const MyStrng&, const NetLine&) { return nullptr; }
const PlacingFactory kTwoPole = ElementFactory::PlacingOf<ZweiPolSymbol>();

std::string KeyOf(const MyStrng& key) { return key.GetBuffer(); }

TEST(ElementRegistryDeathTest, AWordThatCannotBeAKeywordEndsTheProgram) {
  for (const char* word : {"", "res", "R-1", "1RES", "BLK", "END", "TOOLONGKW"}) {
    EXPECT_FALSE(ElementRegistry::IsKeywordForm(word)) << word;
    EXPECT_DEATH(ElementRegistry().Register(word, Nothing), "Kein Elementschlüsselwort") << word;
    EXPECT_DEATH(ElementRegistry().RegisterDataVariant(word, Nothing), "Kein Elementschl")
        << word;
  }
}

// Where a registration was made: this file, at some line.
#define HERE ".*Registries_test\\.cpp:[0-9]+"

// Each registry ends the program at a registration it cannot keep and names both registrations
// (or the one out of range) with the places they were made.
TEST(RegistriesDeathTest, ARegistrationThatCannotBeKeptEndsTheProgramNamingBoth) {
  const std::string range =
      "außerhalb der Elementtypen 0 bis " + std::to_string(kElementTypeCount - 1);
  const struct {
    std::function<void()> registrations;
    std::string message;
  } cases[] = {
      {[] {
         ElementRegistry keywords;
         keywords.Register("RES", Nothing);
         keywords.Register("RES", Nothing);
       },
       "Elementschlüsselwort RES zweimal registriert: " HERE " und " HERE},
      {[] {
         ElementRegistry keywords;
         keywords.Register("TRL", Nothing);
         keywords.RegisterDataVariant("TRL", Nothing);
         keywords.RegisterDataVariant("TRL", Nothing);
       },
       "Datenvariante des Elementschlüsselworts TRL zweimal registriert: " HERE " und " HERE},
      {[] {
         DataObjectRegistry kinds;
         kinds.Register("MS", NoObject);
         kinds.RegisterTable("MS", NoObject, NoObject);
       },
       "DATA-Schlüsselwort MS zweimal registriert: " HERE " und " HERE},
      {[] {
         SymbolRegistry keys;
         keys.Register<ZweiPolSymbol>("WIDERSTAND");
         keys.Register<EinPolSymbol>("WIDERSTAND");
       },
       "Klassenschlüssel WIDERSTAND zweimal registriert: ZweiPolSymbol \\(" HERE
       "\\) und EinPolSymbol \\(" HERE "\\)"},
      // The program's own registration of the resistor, and this one.
      {[] { Register<ResSymbol>(); },
       "Klassenschlüssel WIDERSTAND zweimal registriert: ResSymbol \\(.*elements/Register\\.cpp:"
       "[0-9]+\\) und ResSymbol \\(" HERE "\\)"},
      {[] {
         ElementFactory bar;
         bar.Register(4, "ERSTER", kTwoPole);
         bar.Register(4, "ZWEITER", kTwoPole);
       },
       "Elementtyp 4 zweimal registriert: ERSTER \\(" HERE "\\) und ZWEITER \\(" HERE "\\)"},
      {[] {
         ElementFactory bar;
         bar.Register(17, "ERSTER", kTwoPole, true);
         bar.Register(17, "ZWEITER", kTwoPole, true);
       },
       "Elementtyp 17 \\(Spice\\) zweimal registriert: ERSTER \\(" HERE "\\) und ZWEITER"},
      {[] { ElementFactory().Register(kElementTypeCount, "NEU", kTwoPole); },
       "Elementtyp " + std::to_string(kElementTypeCount) + " " + range + ": NEU \\(" HERE "\\)"},
      {[] { ElementFactory().Register(-1, "NEU", kTwoPole); },
       "Elementtyp -1 " + range + ": NEU \\(" HERE "\\)"},
  };
  for (const auto& c : cases) EXPECT_DEATH(c.registrations(), c.message.c_str()) << c.message;
  // The types and variants of the cases apart, and the registries a program starts with, keep
  // what they are given.
  ElementFactory bar;
  bar.Register(4, "ERSTER", kTwoPole);
  bar.Register(17, "ZWEITER", kTwoPole, true);
  EXPECT_TRUE(bar.CanPlace(4, false));
  EXPECT_TRUE(bar.CanPlace(17, true));
  EXPECT_FALSE(bar.CanPlace(17, false));
}

#undef HERE

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
  // The keyword without element is one the reader takes for an element line's, with no factory.
  EXPECT_TRUE(ElementRegistry::IsKeyword("IQU"));
  EXPECT_EQ(ElementRegistry::Global().Find("IQU", false), nullptr);
  // The element bar's factory is another registry of another kind.
  EXPECT_TRUE(ElementFactory::Global().CanPlace(4, false));
}

// Every declared element is placed, under either simulator, as the class its row names; a class
// that no library registers, or that has no placing constructor, would leave the command
// disabled.
TEST(ElementDeclarations, EveryDeclaredElementIsPlacedAsTheClassItNames) {
  for (const ElementDeclaration& e : kElementDeclarations) {
    for (const bool spice : {false, true}) {
      const std::string key = spice && e.spiceKey != nullptr ? e.spiceKey : e.classKey;
      const std::unique_ptr<NetSymbol> placed =
          ElementFactory::Global().Create(e.type, spice, Point(100, 100), Point(200, 100));
      ASSERT_NE(placed, nullptr)
          << "type " << e.type << " (" << key << ") is not placed: Register<S>() of its class in "
          << "its library's Register.cpp, and a placing constructor S(const Point&, const Point&)";
      EXPECT_EQ(KeyOf(placed->GetClassKey()), key) << "type " << e.type;
    }
  }
}

// A class that the bar could place has its declaration, or is listed here as placed by none: the
// small-signal transistors, whose commands place the SPICE models.
TEST(ElementDeclarations, EveryClassThatCouldBePlacedIsDeclared) {
  const std::set<std::string> placedByNone = {"BIPOLTRANS", "FETTRANS"};
  for (const MyStrng& key : ElementFactory::Global().Undeclared()) {
    EXPECT_TRUE(placedByNone.contains(KeyOf(key)))
        << KeyOf(key) << " has a placing constructor but no declaration in "
        << "resources/ElementDeclarations.h: the bar cannot place it";
  }
}

}  // namespace
