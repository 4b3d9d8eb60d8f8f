#pragma once
// Type code and name -> diagram kind: the screen window creates a diagram by the code it is
// asked for and, when loading, by the kind name stored before the diagram's archive. Filled by
// explicit Register...() calls; a code or name that nobody registered creates nothing.

#include <memory>
#include <string_view>
#include <vector>

#include "diagrams/Diagramm.h"

using DiagramFactory = std::unique_ptr<Diagramm> (*)(pf::Window* owner, int x, int y, int width,
                                                     int height);

struct DiagramKind {
  int code;
  const char* name;
  DiagramFactory create;
};

class DiagramKinds {
 public:
  static DiagramKinds& Global();

  // A second registration of a code replaces the first.
  void Register(int code, const char* name, DiagramFactory create);
  template <class D>
  void Register(int code, const char* name) {
    Register(code, name, [](pf::Window* owner, int x, int y, int w, int h) {
      return std::unique_ptr<Diagramm>(std::make_unique<D>(owner, x, y, w, h));
    });
  }
  // Null when not registered.
  const DiagramKind* Find(int code) const;
  const DiagramKind* Find(std::string_view name) const;

 private:
  std::vector<DiagramKind> kinds;
};

// The circular kinds and the logo: codes 3, 4, 6 and 10.
void RegisterCircleDiagrams();
