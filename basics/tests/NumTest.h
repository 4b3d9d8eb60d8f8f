#pragma once
// Test support for the numeric classes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/Matrix.h"

// Both parts exactly equal (0.0 and -0.0 count as equal).
inline testing::AssertionResult IsCmplx(const Cmplx& z, double re, double im) {
  if (z.re == re && z.im == im) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "(" << z.re << ", " << z.im << ") instead of (" << re << ", " << im << ")";
}

// Clears the sticky flags and records every hook call as "<class>: <message>", restoring the
// default hooks afterwards.
class NumErrorLog : public testing::Test {
 protected:
  static inline std::vector<std::string> log;

  void SetUp() override {
    log.clear();
    RVektor::errorFlag = CVektor::errorFlag = CmplxRecVektor::errorFlag = 0;
    RMatrix::errorFlag = CMatrix::errorFlag = 0;
    RVektor::errorHook = [](const char* m) { log.push_back(std::string("RVektor: ") + m); };
    CVektor::errorHook = [](const char* m) { log.push_back(std::string("CVektor: ") + m); };
    CmplxRecVektor::errorHook = [](const char* m) {
      log.push_back(std::string("CmplxRecVektor: ") + m);
    };
    RMatrix::errorHook = [](const char* m) { log.push_back(std::string("RMatrix: ") + m); };
    CMatrix::errorHook = [](const char* m) { log.push_back(std::string("CMatrix: ") + m); };
  }

  void TearDown() override {
    RVektor::errorHook = CVektor::errorHook = CmplxRecVektor::errorHook = VektorErrorHook;
    RMatrix::errorHook = RMatrixErrorHook;
    CMatrix::errorHook = CMatrixErrorHook;
  }

  // The flags as a string "RCXrc" with '-' for a clear flag, in the order RVektor, CVektor,
  // CmplxRecVektor, RMatrix, CMatrix.
  static std::string Flags() {
    std::string f = "-----";
    if (RVektor::errorFlag) f[0] = 'R';
    if (CVektor::errorFlag) f[1] = 'C';
    if (CmplxRecVektor::errorFlag) f[2] = 'X';
    if (RMatrix::errorFlag) f[3] = 'r';
    if (CMatrix::errorFlag) f[4] = 'c';
    return f;
  }

  static std::vector<std::string> Log(std::initializer_list<const char*> entries) {
    return std::vector<std::string>(entries.begin(), entries.end());
  }
};
