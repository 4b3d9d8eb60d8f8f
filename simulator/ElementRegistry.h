#pragma once
// Keyword -> element factory of the netlist reader, filled by explicit Register calls at
// program start and in test mains (RegisterSimulatorElements, RegisterLineModels,
// RegisterInstrumentModels); the
// registrations are the element keywords of the netlist text. A word nobody registered is no
// element keyword: its lines give "...Syntaxfehler".

#include "basics/SourcePlace.h"
#include <vector>

#include "basics/MyStrng.h"

class NetElement;
class NetLine;

// Builds an element from its whole line (keyword first); null when it cannot.
using NetElementFactory = NetElement* (*)(const NetLine& line);

// The lines that open and close the netlist's blocks; no element may take their words.
inline constexpr const char* kBlockKeywords[] = {"BLK", "DATA", "FREQ", "END", "OUT"};
// A keyword of the netlist text for which the reader makes no element: its line is refused as
// an element line, not read as a label, definition or table.
inline constexpr const char* kKeywordWithoutElement = "IQU";

class ElementRegistry {
 public:
  // The registry the readers use unless they are given another one.
  static ElementRegistry& Global();
  // True for a word that the reader takes for an element line's keyword: one registered in the
  // global registry, or the keyword without element.
  static bool IsKeyword(const MyStrng& word) {
    return word == kKeywordWithoutElement || Global().Knows(word);
  }
  bool Knows(const MyStrng& word) const;
  // Whether the word can be an element keyword: upper-case letters and digits, a letter first,
  // at most 8 characters, no block keyword.
  static bool IsKeywordForm(const char* word);

  // A word that cannot be a keyword, and a second registration of a keyword (or of its data
  // variant), are faults of the program: reported on standard error with where each was
  // registered, and the program ends (basics/RegistrationFault.h). A registration lost in silence
  // would make every line of that element a syntax error, or build another element from it.
  void Register(const char* keyword, NetElementFactory make,
                SourcePlace where = SourcePlace::current());
  // The factory used instead when the line ends in the name of a DATA entry (GetTrailingName;
  // "TRL": a microstrip line on that substrate rather than an ideal line).
  void RegisterDataVariant(const char* keyword, NetElementFactory make,
                           SourcePlace where = SourcePlace::current());
  // The data variant when the line ends in a name and the keyword has one, else the plain
  // factory; null when the keyword is not registered.
  NetElementFactory Find(const MyStrng& keyword, bool namesDataEntry) const;
  // The registered keywords, in the order of their first registration.
  std::vector<MyStrng> Keywords() const;
  void Clear() { entries.clear(); }

 private:
  struct Registered {
    NetElementFactory make = nullptr;
    SourcePlace where;
  };
  struct Entry {
    MyStrng keyword;
    Registered plain;
    Registered onData;
  };
  // The keyword's slot, or its data variant's: empty, else the program ends.
  Registered& Slot(const char* keyword, bool onData, const SourcePlace& where);

  std::vector<Entry> entries;
};
