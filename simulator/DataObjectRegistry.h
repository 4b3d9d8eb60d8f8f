#pragma once
// DATA-entry keyword -> data-object factory of the netlist reader ("MS" a substrate, "S" a data
// table), filled by explicit Register calls like the element registry. An entry whose first
// value token nobody registered stays a named value and creates no object.

#include "basics/SourcePlace.h"
#include <vector>

#include "basics/MyStrng.h"

class NetDataElm;
class NetLine;

// Builds the object of the DATA entry name; line is the entry as "NAME: value".
using DataObjectFactory = NetDataElm* (*)(const MyStrng& name, const NetLine& line);

class DataObjectRegistry {
 public:
  struct Kind {
    MyStrng keyword;
    DataObjectFactory make = nullptr;      // a plain object, or a table of narrow rows
    DataObjectFactory makeWide = nullptr;  // tables only: first row of more than 3 tokens
    bool isTable = false;
    SourcePlace where;
  };

  static DataObjectRegistry& Global();

  // An entry whose value starts with keyword becomes one object ("MS"). A second registration
  // of a keyword ends the program, naming where both were made (basics/RegistrationFault.h).
  void Register(const char* keyword, DataObjectFactory make,
                SourcePlace where = SourcePlace::current());
  // An entry whose value starts with keyword is a table whose rows follow it: a first row of
  // at most three tokens makes a one-port table (onePort), a longer one a two-port table.
  void RegisterTable(const char* keyword, DataObjectFactory onePort, DataObjectFactory twoPort,
                     SourcePlace where = SourcePlace::current());
  // Null when the keyword is not registered.
  const Kind* Find(const MyStrng& keyword) const;
  void Clear() { kinds.clear(); }

 private:
  void Add(Kind kind);

  std::vector<Kind> kinds;
};
