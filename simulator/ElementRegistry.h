#pragma once
// Keyword -> element factory of the netlist reader, filled by explicit Register calls at
// program start and in test mains (RegisterSimulatorElements, RegisterLineModels). A keyword of
// the netlist text that nobody registered creates no element: its lines give "...Syntaxfehler".

#include <vector>

#include "basics/MyStrng.h"

class NetElement;
class NetLine;

// Builds an element from its whole line (keyword first); null when it cannot.
using ElementFactory = NetElement* (*)(const NetLine& line);

class ElementRegistry {
 public:
  // The element keywords of the netlist text, in the order of its keyword table.
  static constexpr const char* kKeywords[] = {
      "RES",  "QUARZ", "CAP",  "VCG",  "VVG",  "CCG",  "TRL",  "OST",  "SST",  "STEP", "TEE",
      "TWO",  "CPL",   "SRLC", "PRLC", "ONE",  "IND",  "BIP",  "FET",  "OPA",  "TKOX", "SKOX",
      "CST",  "MUI",   "BEND", "TAP",  "STEM", "MUME", "UQU",  "IQU",  "SYUE", "HLD",  "DCQU",
      "DATG", "SPEC",  "SLTL", "SLTS", "MSTSL", "CPLL", "CPLS", "KTE"};

  // The registry the readers use unless they are given another one.
  static ElementRegistry& Global();
  // True for one of kKeywords, registered or not.
  static bool IsKeyword(const MyStrng& word);

  // False (and nothing registered) for a word that is no element keyword. A second
  // registration of a keyword replaces the first.
  bool Register(const char* keyword, ElementFactory make);
  // The factory used instead when the line's last word names an entry of the DATA block
  // ("TRL": a microstrip line on that substrate rather than an ideal line).
  bool RegisterDataVariant(const char* keyword, ElementFactory make);
  // The data variant when the line names a DATA entry and the keyword has one, else the plain
  // factory; null when the keyword is not registered.
  ElementFactory Find(const MyStrng& keyword, bool namesDataEntry) const;
  void Clear() { entries.clear(); }

 private:
  struct Entry {
    MyStrng keyword;
    ElementFactory make = nullptr;
    ElementFactory makeOnData = nullptr;
  };
  Entry* Slot(const char* keyword);

  std::vector<Entry> entries;
};
