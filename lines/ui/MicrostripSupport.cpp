#include "lines/ui/MicrostripSupport.h"

#include <istream>
#include <ostream>

#include "basics/VS_Error.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "resources/Bitmaps.h"

namespace msl {

namespace {

template <class... F>
struct Visitor : F... {
  using F::operator()...;
};
template <class... F>
Visitor(F...) -> Visitor<F...>;

template <class W>
void SerializeValue(pf::Archive& ar, const NetSymbol& owner, W& value) {
  value.Serialize(ar);
  if (ar.IsLoading() && !GivesFiniteNumber(value)) throw StoredValueError(owner, value);
}

}  // namespace

void SerializeClassKey(pf::Archive& ar, const NetSymbol& owner) {
  MyStrng key = owner.classKey;
  key.Serialize(ar);
  if (ar.IsLoading() && !(key == owner.classKey)) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "symbol class key");
  }
}

void SerializeLetter(pf::Archive& ar, char& letter) {
  ar.IsStoring() ? void(ar << letter) : void(ar >> letter);
}

void SerializeInteger(pf::Archive& ar, int32_t& value) {
  ar.IsStoring() ? void(ar << value) : void(ar >> value);
}

void SerializeFields(pf::Archive& ar, const NetSymbol& owner, const Fields& fields) {
  SerializeClassKey(ar, owner);
  int32_t version = owner.version;
  if (ar.IsStoring()) {
    ar << version;
  } else {
    ar >> version;
    const_cast<NetSymbol&>(owner).version = version;
  }
  const auto numbers = Visitor{
      [&](int32_t* v) { SerializeInteger(ar, *v); },
      [&](char* v) { SerializeLetter(ar, *v); },
      [](auto*) {},
  };
  for (const Field& f : fields) std::visit(numbers, f);
  const auto texts = Visitor{
      [&](LaeWert* v) { SerializeValue(ar, owner, *v); },
      [&](FloatWert* v) { SerializeValue(ar, owner, *v); },
      [&](MyStrng* v) { v->Serialize(ar); },
      [](auto*) {},
  };
  for (const Field& f : fields) std::visit(texts, f);
}

void WriteFields(std::ostream& os, const Fields& fields) {
  bool first = true;
  for (const Field& f : fields) {
    if (!first) os << ',';
    first = false;
    std::visit([&os](auto* v) { os << *v; }, f);
  }
  os << '\n';
}

StagedFields::StagedFields(const Fields& fields) : fields(fields) {
  for (const Field& f : fields) {
    std::visit([this](auto* v) { copies.emplace_back(*v); }, f);
  }
}

bool StagedFields::Read(std::istream& is) {
  for (Copy& copy : copies) {
    const bool ok = std::visit(
        Visitor{
            [&is](char& c) {
              if (is.get(c)) is.get();
              return static_cast<bool>(is);
            },
            [&is](MyStrng& s) { return TakeValue(is, s); },
            [&is](int32_t& v) { return TakeValue(is, v); },
            [&is](auto& value) {
              // A value text keeps its class: read as text, then checked as the value.
              MyStrng text;
              if (!TakeValue(is, text)) return false;
              value = std::remove_reference_t<decltype(value)>(text);
              return GivesFiniteNumber(value);
            },
        },
        copy);
    if (!ok) return false;
  }
  return true;
}

void StagedFields::Commit() const {
  for (size_t i = 0; i < fields.size(); ++i) {
    std::visit(
        [&](auto* target) {
          *target = std::get<std::remove_pointer_t<decltype(target)>>(copies[i]);
        },
        fields[i]);
  }
}

void CopyFields(const Fields& to, const Fields& from) {
  if (to.size() != from.size()) return;
  for (size_t i = 0; i < to.size(); ++i) {
    std::visit(
        [&](auto* target) {
          using T = std::remove_pointer_t<decltype(target)>;
          if (auto* const* source = std::get_if<T*>(&from[i])) *target = **source;
        },
        to[i]);
  }
}

void ShowPicture(NetSymbol& s, int bitmap) {
  if (s.bitmap == nullptr) {
    s.bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(bitmap));
  } else {
    *s.bitmap = LoadBitmapResource(bitmap);
  }
}

void ReportNoModel(NetSymbol& s) {
  s.netLine.Clear();
  VS_Error reporter;
  reporter.Error(s.elementName + ": kein Simulationsmodell", 4);
}

void DrawValueTexts(pf::Dc& dc, const NetSymbol& s, const MyStrng& first, int firstGap,
                    const MyStrng& second, int secondGap) {
  const LabelFonts& fonts = TheLabelFonts();
  const bool lying = s.horizontal != 0;
  const pf::Font oldFont = dc.SelectObject(lying ? fonts.horizontal : fonts.vertical);
  const Point& c = s.centre;
  if (lying) {
    first.DrawText(&dc, c.x, c.y - firstGap, 'C');
    second.DrawText(&dc, c.x, c.y + secondGap, 'C');
  } else {
    MyStrng a = first, b = second;
    a.TrimLeft();
    b.TrimLeft();
    a.DrawVertical(&dc, c.x - firstGap, c.y);
    b.DrawVertical(&dc, c.x + secondGap, c.y);
  }
  dc.SelectObject(oldFont);
}

}  // namespace msl
