#pragma once
// Reference values of the port parameter matrix from tools/gen_portmatrix_fixtures.py
// (scikit-rf and numpy), and comparisons for the tests that use them.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "simulator/PortMatrix.h"

// One record of the fixture: "twoport" or "threeport", and the numbers of each key.
struct ReferenceRecord {
  std::string kind;
  std::map<std::string, std::vector<double>> values;

  // Complex number i of the line.
  Cmplx Value(const std::string& key, int i = 0) const;
  double Real(const std::string& key) const { return values.at(key).at(0); }
  // The line read as an n x n matrix of the given kind.
  PortMatrix Matrix(const std::string& key, int n, char kind) const;
};

// Every record, parsed once.
const std::vector<ReferenceRecord>& ReferenceRecords();
// The records of one kind.
std::vector<const ReferenceRecord*> ReferenceRecords(const std::string& kind);

// |a - b| <= tolerance * max(1, |b|).
testing::AssertionResult Near(const Cmplx& a, const Cmplx& b, double tolerance);
testing::AssertionResult NearMatrix(const PortMatrix& a, const PortMatrix& b, double tolerance);
