#pragma once
// The plot body of one layer of the photoplot (RS-274X) export, built line by line by the
// symbols of that layer. Coordinates are whole micrometres, which the files' format statement
// %FSLAX33Y33*% reads as millimetres with three decimals; it carries three digits before the
// point, so no number of a file, coordinate or aperture size, reaches 1 m.

#include <cstdint>

#include "basics/LineFile.h"
#include "basics/Point.h"
#include "basics/WertMitDim.h"
#include "formats/GerberAperture.h"

// A length in whole micrometres, the fraction dropped; a value a hair below a whole
// micrometre (0.5 mm read as 499.99999 µm) counts as that micrometre. Beyond ±1 km it is cut,
// and what is no number is 0.
int32_t Micrometres(double metres);
int32_t Micrometres(LaeWert value);

class GerberPlotFile : public LineFile {
 public:
  // No fill, hatch or arc of a symbol writes more strokes than this.
  static constexpr int32_t kMaxStrokes = 100000;
  // The largest number the format carries, 999.999 mm, in micrometres.
  static constexpr int32_t kLargest = 999999;

  static bool Fits(int64_t micrometres) {
    return micrometres >= -kLargest && micrometres <= kLargest;
  }
  // A size as an aperture definition writes it: millimetres in plain decimal without trailing
  // zeros ("0.5", "7", "999.999"), at least 0.001, as a reader takes a smaller aperture for
  // none; empty beyond the format.
  static MyStrng SizeText(int64_t micrometres);

  // Empties the body and starts it: "G01*", "X000Y000D02*".
  void WriteBegin();
  // Whether every point since WriteBegin fitted the format; one that did not was left out.
  bool AllFit() const { return allFit; }
  // "X000Y000D02*", "M02*".
  void WriteEnd();
  // "G54" + name + "*"; nothing for an empty name.
  void SelectAperture(const MyStrng& name);
  void MoveTo(const LPoint& p);   // D02
  void DrawTo(const LPoint& p);   // D01
  void Flash(const LPoint& p);    // D03
  void Stroke(const LPoint& from, const LPoint& to);

  // The step of a loop over span: at least 1, and wide enough for at most kMaxStrokes steps.
  static int32_t BoundedStep(int64_t span, int64_t step);

 private:
  void Write(const LPoint& p, const char* code);

  bool allFit = true;
};
