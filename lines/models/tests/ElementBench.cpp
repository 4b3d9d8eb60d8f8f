#include "lines/models/tests/ElementBench.h"

#include <algorithm>
#include <cmath>

#include "basics/LineFile.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"

ElementBench::ElementBench(std::initializer_list<const char*> data) {
  LineFile lines;
  lines.AddLine("DATA");
  for (const char* line : data) lines.AddLine(line);
  lines.AddLine("END");
  reader.SetLines(lines);
  NetContext::SetReaderInUse(&reader);
  reader.CheckSyntax();
  reader.ReadBlocks();
  reader.BuildDataObjects();
}

ElementBench::~ElementBench() { NetContext::SetReaderInUse(nullptr); }

std::unique_ptr<NetElement> ElementBench::Build(const char* text) {
  const NetLine line(text);
  std::unique_ptr<NetElement> element(reader.CreateElement(line));
  if (!element) return nullptr;
  NetLine check(line);
  element->LinkReferences(check);
  if (check.GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  element->ParseLine(reader.GetLabels());
  if (element->GetLine().GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  return element;
}

Cmplx At(const NetElement& element, int row, int col) {
  return element.GetPortMatrix()->GetAt(row, col);
}

bool FiniteAndReciprocal(const NetElement& element) {
  const int n = element.GetPortCount();
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const Cmplx y = At(element, r, c);
      if (!std::isfinite(y.re) || !std::isfinite(y.im)) return false;
      if (y.re != At(element, c, r).re || y.im != At(element, c, r).im) return false;
    }
  }
  return true;
}

bool SameMatrix(const NetElement& a, const NetElement& b) {
  const int n = a.GetPortCount();
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      if (!Near(At(a, r, c), At(b, r, c), 0.0)) return false;
    }
  }
  return n == b.GetPortCount();
}

bool Near(const Cmplx& a, const Cmplx& b, double tol) {
  return (a - b).Abs() <= tol * std::max(a.Abs(), b.Abs());
}
