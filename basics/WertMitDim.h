#pragma once
// Values with a unit: kept as the text the user typed or the program printed (number,
// optional SI prefix letter, unit, no blanks, e.g. "4.7kohm") and converted to a number in
// single precision when needed. A value is archived exactly as its text.

#include <string_view>

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"

class WertMitDim : public MyStrng, public VS_Error {
 public:
  // The quantities of the unit classes; each fixes unit text, checks and messages.
  enum class Quantity {
    Length,
    Voltage,
    Current,
    Capacitance,
    Inductance,
    Conductance,
    Time,
    Resistance,
    Frequency,
    BitRate,
  };

  WertMitDim() = default;
  WertMitDim(const char* text) : MyStrng(text) {}  // NOLINT: implicit like any C text
  explicit WertMitDim(const MyStrng& text) : MyStrng(text) {}
  // Scaled to the prefix its magnitude calls for and printed with "%10.4g"; no unit yet.
  explicit WertMitDim(double value);

  // The number times the prefix factor; 1.0 when the text fails its check.
  virtual float Value();
  // The prefix factor; 0.0 and a queued message when the unit does not match.
  virtual double UnitFactor();
  // Checks the whole text; queues one message (code 4) and fails at the first fault.
  virtual bool CheckSyntax();

  static double PrefixFactor(char letter);
  bool CheckPrefix(char letter);
  // Prefix and unit: the text behind the number part.
  MyStrng GetDimension() const;
  // The number with its prefix as SPICE writes it ("MEG" for mega); the unit is dropped.
  MyStrng ToSpice() const;

 protected:
  // Only the unit classes know their quantity, so a bare WertMitDim cannot exist.
  virtual Quantity GetQuantity() const = 0;
  void AppendUnit(Quantity quantity);

 private:
  // The text behind the number part, trailing blanks removed where the quantity allows; valid
  // while the text is unchanged.
  std::string_view UnitPart() const;
  // True when the unit part starts with a prefix letter (it is longer than the unit).
  bool HasPrefix(std::string_view unitPart) const;
};

// The unit classes differ only in their quantity.
template <WertMitDim::Quantity Q>
class UnitWert : public WertMitDim {
 public:
  UnitWert() = default;
  UnitWert(const char* text) : WertMitDim(text) {}  // NOLINT: implicit like any C text
  explicit UnitWert(const MyStrng& text) : WertMitDim(text) {}
  explicit UnitWert(double value) : WertMitDim(value) { AppendUnit(Q); }

 protected:
  Quantity GetQuantity() const override { return Q; }
};

class LaeWert : public UnitWert<WertMitDim::Quantity::Length> {
 public:
  using UnitWert::UnitWert;
};
class SpanWert : public UnitWert<WertMitDim::Quantity::Voltage> {
 public:
  using UnitWert::UnitWert;
};
class StromWert : public UnitWert<WertMitDim::Quantity::Current> {
 public:
  using UnitWert::UnitWert;
};
class CapWert : public UnitWert<WertMitDim::Quantity::Capacitance> {
 public:
  using UnitWert::UnitWert;
};
class IndWert : public UnitWert<WertMitDim::Quantity::Inductance> {
 public:
  using UnitWert::UnitWert;
};
class LeiWert : public UnitWert<WertMitDim::Quantity::Conductance> {
 public:
  using UnitWert::UnitWert;
};
class TimWert : public UnitWert<WertMitDim::Quantity::Time> {
 public:
  using UnitWert::UnitWert;
};
class ResWert : public UnitWert<WertMitDim::Quantity::Resistance> {
 public:
  using UnitWert::UnitWert;
};
class FreqWert : public UnitWert<WertMitDim::Quantity::Frequency> {
 public:
  using UnitWert::UnitWert;
};
class RBitWert : public UnitWert<WertMitDim::Quantity::BitRate> {
 public:
  using UnitWert::UnitWert;
};
