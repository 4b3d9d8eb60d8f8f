#pragma once
// The board data the line formulas read. A substrate owns one record; line elements keep a
// pointer to it for as long as the netlist's objects live.

struct SubstrateData {
  static constexpr int kNameLength = 18;
  static constexpr int kMetalLength = 19;

  char name[kNameLength + 1] = "";
  double H = 0.625;  // height, metres once read
  double ER = 2.3;
  double T = 0.017;  // metal thickness, metres once read
  double TAND = 1e-4;
  char metal[kMetalLength + 1] = "AU";

  // Both cut the text to the field's length.
  void SetName(const char* text) { CopyCut(name, text); }
  void SetMetal(const char* text) { CopyCut(metal, text); }

 private:
  template <int N>
  static void CopyCut(char (&dest)[N], const char* text) {
    int i = 0;
    for (; text != nullptr && text[i] != '\0' && i < N - 1; ++i) dest[i] = text[i];
    dest[i] = '\0';
  }
};
