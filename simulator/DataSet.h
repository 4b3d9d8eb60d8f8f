#pragma once
// The rows of measured one-port data that a data one-port symbol keeps and the document writes into
// the DATA block of the netlist. A plain record: the symbol fills it field by field.

#include <array>
#include <memory>

#include "basics/MyStrng.h"

class DataSet {
 public:
  static constexpr int kCapacity = 250;

  DataSet() = default;
  DataSet(const DataSet&) = delete;
  DataSet& operator=(const DataSet&) = delete;
  virtual ~DataSet() = default;

  // Row i (from 0) below the line count, else "Kein Datensatz mit diesem Index".
  MyStrng GetLine(int i) const;

  MyStrng header = "KT-Morvaburg V1.0 1996";
  char kind = 'S';
  float referenceImpedance[2] = {50.0f, 50.0f};  // ohms
  int lineCount = 0;
  std::array<std::unique_ptr<MyStrng>, kCapacity> lines;  // null until filled
};
