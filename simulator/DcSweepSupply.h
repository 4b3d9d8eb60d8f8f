#pragma once
// What the operating-point network needs of the DC supply that a sweep steps (the element of
// type name "DcGeneratorElement", which lives with the instruments).

class DcSweepSupply {
 public:
  virtual ~DcSweepSupply() = default;

  // Present value = start, step index 0.
  virtual void ResetSweep() = 0;
  // The next value; false, and back at the start, once the stop value has been passed.
  virtual bool NextStep() = 0;
  // Present value / internal resistance: the supply as a Norton source.
  virtual double GetNortonCurrent() const = 0;
  virtual double GetPresentValue() const = 0;
};
