#include "diagrams/graphics/DiagBaseElement.h"

#include "diagrams/graphics/OutText.h"
#include "pf/archive.h"

DiagBaseElement::DiagBaseElement(pf::Window* owner, DiagramMapping* diagram)
    : GrafElement(owner), diagram(diagram) {
  name = "DiagBaseElement";
}

void DiagBaseElement::SetColor(const RgbColor& c) {
  GrafElement::SetColor(c);
  if (label != nullptr) label->SetTextColor(c);
}

void DiagBaseElement::SetLabel(OutText* l) {
  if (l == nullptr) return;
  label = l;
  label->SetTextColor(colour);
}

void DiagBaseElement::SetName(const MyStrng& text) {
  elementName = text;
  if (label != nullptr) label->SetText(elementName);
}

void DiagBaseElement::Restore() {
  erased = 0;
  if (label != nullptr) label->SetText(elementName);
}

void DiagBaseElement::Serialize(pf::Archive& ar) {
  GrafElement::Serialize(ar);
  SerializeText(ar, elementName);
  SerializeText(ar, kind);
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(erased);
    return;
  }
  int32_t e = 0;
  ar >> e;
  erased = e;
}

void DiagBaseElement::SerializeText(pf::Archive& ar, MyStrng& text) {
  text.Serialize(ar);
  // The text is read by then, but never more of it than the file holds.
  if (ar.IsLoading()) ar.CheckCount(text.GetCapacity(), kMaxNameCapacity, 0);
}
