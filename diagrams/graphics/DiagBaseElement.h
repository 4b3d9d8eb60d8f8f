#pragma once
// The base of the diagram parts that draw through their diagram's mapping (curves, the free
// marker, the circle overlays): the diagram, the name label the diagram gives the element, the
// element's name and diagram kind, and the erased flag.

#include "diagrams/graphics/DiagramMapping.h"
#include "diagrams/graphics/GrafElement.h"

class OutText;

class DiagBaseElement : public GrafElement {
 public:
  // The diagram may be null: the element then maps nothing.
  DiagBaseElement(pf::Window* owner, DiagramMapping* diagram);

  // Also the label's text colour.
  void SetColor(const RgbColor& c) override;
  // Takes a non-null label and gives it the element colour as text colour; not owned.
  void SetLabel(OutText* l);
  // Also the label's text.
  virtual void SetName(const MyStrng& text);
  // Clears erased and shows the name in the label again.
  void Restore();
  void SetErased(bool e) { erased = e ? 1 : 0; }
  void SetKind(const MyStrng& k) { kind = k; }

  OutText* GetLabel() const { return label; }
  const MyStrng& GetElementName() const { return elementName; }
  const MyStrng& GetKind() const { return kind; }
  int IsErased() const { return erased; }

  // The base's archive part, then name, kind and erased. Throws pf::ArchiveError on a short
  // load or a text longer than kMaxNameCapacity.
  void Serialize(pf::Archive& ar);

  // Names and texts of a file beyond this capacity are refused as corrupt.
  static constexpr int32_t kMaxNameCapacity = 4096;

 protected:
  // A text of the archive, refused when longer than kMaxNameCapacity.
  static void SerializeText(pf::Archive& ar, MyStrng& text);

  DiagramMapping* diagram;
  OutText* label = nullptr;
  MyStrng elementName{"NoName"};
  MyStrng kind{"NoName"};
  int erased = 0;
};
