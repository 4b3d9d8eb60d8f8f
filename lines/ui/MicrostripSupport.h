#pragma once
// What the microstrip symbols share. Each lists its own fields once, in the order of its text
// record; the archive, the text record and the copy of parameters are made from that list.
// The archive puts the integers and letters first and then the texts, each in list order.

#include <cstdint>
#include <iosfwd>
#include <typeinfo>
#include <variant>
#include <vector>

#include "basics/FloatWert.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolText.h"

namespace pf {
class Archive;
class Dc;
}  // namespace pf

namespace msl {

using Field = std::variant<LaeWert*, FloatWert*, MyStrng*, int32_t*, char*>;
using Fields = std::vector<Field>;

// Integers and letters first, then the texts. Loading throws pf::ArchiveError on a stored
// class key other than the owner's and StoredValueError on a value text that gives no finite
// number.
void SerializeFields(pf::Archive& ar, const NetSymbol& owner, const Fields& fields);
// The owner's class key once more; loading throws pf::ArchiveError on another one.
void SerializeClassKey(pf::Archive& ar, const NetSymbol& owner);
// One byte, and four bytes.
void SerializeLetter(pf::Archive& ar, char& letter);
void SerializeInteger(pf::Archive& ar, int32_t& value);
// The fields of one line, separated by ','.
void WriteFields(std::ostream& os, const Fields& fields);

// A text record's fields read into copies, so that a record that fails later (in the base's
// part) changes nothing.
class StagedFields {
 public:
  explicit StagedFields(const Fields& fields);
  // False on a short record or a value text without a finite number.
  bool Read(std::istream& is);
  void Commit() const;

 private:
  using Copy = std::variant<LaeWert, FloatWert, MyStrng, int32_t, char>;
  const Fields& fields;
  std::vector<Copy> copies;
};

void CopyFields(const Fields& to, const Fields& from);

// Two value texts beside a glyph at the symbol's centre. Lying: centred on the centre's x,
// the first with its bottom firstGap above the centre, the second secondGap below it.
// Upright: trimmed on the left and written vertically, firstGap left and secondGap right.
void DrawValueTexts(pf::Dc& dc, const NetSymbol& s, const MyStrng& first, int firstGap,
                    const MyStrng& second, int secondGap);

// The symbol's picture becomes the resource bitmap.
void ShowPicture(NetSymbol& s, int bitmap);

// For junctions the simulator has no element for: no line, and "NAME: kein Simulationsmodell".
void ReportNoModel(NetSymbol& s);

// Fields (substrate name, values, integers, letters) listed by a microstrip symbol on top of
// its pole base, with its class key and, where the element bar places it, its element type.
template <class Base>
class MicrostripSymbol : public Base {
 public:
  MicrostripSymbol(const char* key) { Init(key); }
  MicrostripSymbol(const char* key, const Point& start, const Point& end) : Base(start, end) {
    Init(key);
  }

  void Serialize(pf::Archive& ar) override {
    Base::Serialize(ar);
    SerializeFields(ar, *this, ArchiveFields());
  }
  void CopyParameters(const NetSymbol& other) override {
    if (typeid(other) != typeid(*this)) return;
    // The other's list only gives the places to read from.
    CopyFields(Fields(), const_cast<MicrostripSymbol&>(
                             static_cast<const MicrostripSymbol&>(other)).Fields());
  }
  std::ostream& WriteText(std::ostream& os) override {
    WriteKeyLine(os, this->classKey, this->version);
    WriteFields(os, Fields());
    return NetSymbol::WriteText(os);
  }
  std::istream& ReadText(std::istream& is) override {
    is.unsetf(std::ios::skipws);
    int32_t readVersion = 0;
    const msl::Fields fields = Fields();
    StagedFields staged(fields);
    if (!TakeValue(is, readVersion) || !staged.Read(is) || !NetSymbol::ReadText(is)) {
      is.setstate(std::ios::failbit);
      return is;
    }
    this->version = readVersion;
    staged.Commit();
    return is;
  }

  MyStrng substrate = "NO_SUB";

 protected:
  virtual msl::Fields Fields() = 0;
  virtual msl::Fields ArchiveFields() { return Fields(); }

 private:
  void Init(const char* key) {
    this->classKey = key;
    // Lines and junctions carry their own ground reference.
    this->groundFree = 0;
  }
};

}  // namespace msl
