#pragma once
// A bit sequence written as '0' and '1' with a bit rate and a pulse shape ('R' rectangle,
// 'C' raised cosine, 'T' trapezoid); the data generator samples it into a time signal.

#include <cstdint>

#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "instruments/models/RealSignal.h"

class BitFolge : public MyStrng {
  PF_DECLARE_RUNTIME(BitFolge)

 public:
  // Texts read from an archive are refused above this many bits.
  static constexpr int32_t kMaxBits = 1 << 20;

  BitFolge();
  explicit BitFolge(const char* text);

  // Every character '0' or '1'; an empty text is valid.
  bool IsValid() const;
  // Outside the text: false.
  bool Bit(int32_t i) const;
  // count bits, each '1' with probability one half; shape 'R', 2.5 Gbit/s.
  void Randomize(int32_t count);
  // N samples over bitCount / bitRate seconds. An empty text, or fewer samples than bits,
  // gives N zeros; neighbours outside the text count as '0'.
  RealSignal ToRealSignal(int32_t samples) const;

  // Text, bit rate, bit count, shape. Throws pf::ArchiveError on a bit count outside
  // 0..kMaxBits.
  void Serialize(pf::Archive& ar) override;

  int32_t bitCount = 0;
  RBitWert bitRate{2.5e9};
  char shape = 'R';

 private:
  // The pulse of one '1' at offset k from the start of its bit, s samples per bit.
  double Pulse(int32_t k, int32_t s) const;
};
