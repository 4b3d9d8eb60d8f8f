#pragma once
// The lines of a scattering-parameter file (Touchstone-like: "# GHz S MA R 50", then rows of
// frequency and magnitude/angle pairs) with the settings of its option line, and the
// conversion of each row into the plain form the simulator's data tables read: a frequency
// with unit, then linear magnitudes and angles in degrees, every number a plain decimal.

#include <cstdint>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

namespace pf {
class Archive;
}

class NewDataSet {
 public:
  // Records of this version carry the unit and the format; older ones do not.
  static constexpr const char* kUnitVersion = "KT-Morvaburg V2.0 2003";

  NewDataSet() = default;
  NewDataSet(const NewDataSet&) = delete;
  NewDataSet& operator=(const NewDataSet&) = delete;
  virtual ~NewDataSet() = default;

  // 1e9 for any unit but "MHz", "kHz" and "Hz" (compared case-sensitively).
  double GetFrequencyFactor() const;
  // The option line's words, each taken for what it is, in any order and case: a unit (Hz,
  // kHz, MHz, GHz), the parameter kind, a format (MA, DB) and "R" with the reference
  // resistance. The unit and format it names are kept also when it fails. True when all are
  // stated; false, reported, at an RI format or parameters other than S (Y, Z, H, G), else at a
  // reference that is no number above 0, else at a word that is none of these or a second of
  // its kind; false without a word when one is missing.
  bool ParseOptionLine();
  // The first line starting with '#', less the '#' and the blanks behind it, parsed.
  bool FindOptionLine();
  // The netlist's reading of the option line: a complete one decides unit, format and
  // reference; one that lacks a word leaves those the dialog chose. False, reported, when the
  // line is refused.
  bool TakeOptionLine();
  // The current line in the simulator's form; comment lines stay as they are, and so does a
  // comment behind '!'. False, reported and the line unchanged, when its frequency or a value
  // is no number, or a character belongs to no number.
  bool ConvertDataLine();
  // The line under the cursor of the lines, converted; the cursor moves on.
  MyStrng GetNextDataLine();
  // The data rows among the lines, each converted as the netlist converts it and holding as many
  // values as the first, one pair or four; -1, reported, at the first that does not. The
  // current line stays as it was.
  int32_t CountConvertedRows();
  // A data row among the lines of the file that a NUL byte cut (comments may hold one) is
  // reported, by its text or, where the NUL left none, the file's; false then.
  bool TakesCutLines(const std::vector<MyStrng>& cut, const MyStrng& path);
  // Throws pf::ArchiveError on a damaged record.
  void Serialize(pf::Archive& ar);

  MyStrng dataVersion = kUnitVersion;
  MyStrng dataName = "NoName";
  MyStrng optionLine;
  char parameterType = 'S';
  char format = 'L';  // 'L' linear magnitude, 'D' magnitude in dB
  MyStrng frequencyUnit = "GHZ";
  float z01 = 50.0f;  // ohms
  float z02 = 50.0f;
  int32_t textFormInteger = 0;
  LineFile dataLines;  // the file's name is the full path
  MyStrng currentLine;

 private:
  // The first line starting with '#', less the '#' and the blanks behind it, into the option
  // line; false without one.
  bool LocateOptionLine();
};

// The value as a decimal without exponent, at most 10 digits either side of the point, as the
// netlist's number check accepts it; empty when it cannot be written so.
MyStrng PlainDecimal(double value);
