#pragma once
// The ideal TEM line or stub on the schematic: impedance, length, permittivity and attenuation,
// written as the simulator's ideal line (TRL without a substrate) or its stub (STEM).

#include <tuple>
#include <utility>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/ZweiPolSymbol.h"

class TemSymbol : public ZweiPolSymbol {
  PF_DECLARE_RUNTIME(TemSymbol)

 public:
  static constexpr const char* kClassKey = "TEMTRANSLINE";

  TemSymbol();
  TemSymbol(const Point& start, const Point& end);

  // Throws pf::ArchiveError on a kind letter other than 'L', 'O', 'S'.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  void CopyParameters(const NetSymbol& other) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  // A record with a kind letter other than 'L', 'O', 'S' fails and changes nothing.
  std::istream& ReadText(std::istream& is) override;

  // Replace the value texts with the numbers in their units.
  void SetImpedance(float ohms);
  void SetLength(float metres);
  ResWert GetImpedance() const { return z; }
  LaeWert GetLength() const { return p; }

  // In the order of the archive; the text record writes F last.
  auto Values() { return std::tie(z, p, k, f, a); }
  auto Values() const { return std::tie(z, p, k, f, a); }

  ResWert z{50.0};
  LaeWert p{0.01};
  FloatWert k{1.0};    // relative permittivity of the medium
  FreqWert f{1e6};     // kept and copied, never written to the netlist
  FloatWert a{0.001};  // attenuation in dB per metre
  int32_t spare = 0;
  char kind = 'L';  // 'L' line, 'O' open stub, 'S' short-circuited stub
  // A stub drawn with one pin (the synthesis also sets the pin count to 1); only the drawing
  // reads it.
  int32_t onePole = 0;

 private:
  // The impedance and length words: the values, or the first two words of the label text
  // when the values are given by name.
  std::pair<MyStrng, MyStrng> ZAndPWords() const;
};
