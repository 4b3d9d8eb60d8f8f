#pragma once
// The external node: a numbered terminal of a circuit that serves as a sub-circuit elsewhere.

#include <cstdint>
#include <vector>

#include "editor/symbols/EinPolSymbol.h"

// What an external node asks of the circuit it is placed in. The circuit document implements
// it; the node reaches it through its owner view.
class PortNumberSource {
 public:
  // The port numbers that the circuit's external nodes carry.
  virtual std::vector<int32_t> PortNumbersInUse() const = 0;

 protected:
  ~PortNumberSource() = default;
};

class ExKnotenSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(ExKnotenSymbol)

 public:
  static constexpr const char* kClassKey = "ExKnotenSymbol";

  ExKnotenSymbol();                                      // port number 1
  ExKnotenSymbol(const Point& start, const Point& end);  // port number 0, assigned on placing

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // No dialog: a node without a number gets the smallest positive one that no external node
  // of the owner view's document carries; a numbered node keeps its number.
  bool EditDialog(pf::Window* parent) override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  bool StartsLayout() const override { return portNumber == 1; }

  int32_t portNumber = 1;

 private:
  void Init();
};
