#include "lines/models/tests/LineBench.h"

#include <gtest/gtest.h>

#include <utility>

#include "basics/LineFile.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/UsrDefNet.h"

namespace {

constexpr const char* kBoard = "S1: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0";

}  // namespace

LineBench::LineBench(std::initializer_list<const char*> data,
                     std::initializer_list<const char*> labels) {
  LineFile text;
  for (const char* line : labels) text.AddLine(line);
  text.AddLine("DATA");
  text.AddLine(kBoard);
  for (const char* line : data) text.AddLine(line);
  text.AddLine("END");
  reader.SetLines(text);
  NetContext::SetReaderInUse(&reader);
  EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
  reader.BuildDataObjects();
}

std::unique_ptr<NetElement> LineBench::Build(const char* text) {
  const NetLine line(text);
  std::unique_ptr<NetElement> element(reader.CreateElement(line));
  NetLine check(line);
  if (element) element->LinkReferences(check);
  if (!element || check.GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  element->ParseLine(reader.GetLabels());
  if (element->GetLine().GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  return element;
}

std::unique_ptr<NetElement> LineBench::Accept(const char* line) {
  std::unique_ptr<NetElement> element = Build(line);
  EXPECT_NE(element, nullptr) << line << ": " << FirstMessage();
  return element;
}

Cmplx Entry(NetElement& element, int row, int col) {
  return element.GetPortMatrix()->GetAt(row, col);
}

std::vector<std::complex<long double>> Scattering(const NetElement& element) {
  using C = std::complex<long double>;
  const int n = element.GetPortCount();
  // [I + Z0 Y | 2 I], reduced to [I | S + I] by Gauss-Jordan with partial pivoting.
  std::vector<C> a(static_cast<size_t>(n * 2 * n));
  auto at = [&](int r, int c) -> C& { return a[static_cast<size_t>(r * 2 * n + c)]; };
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const Cmplx y = element.GetPortMatrix()->GetAt(r + 1, c + 1);
      at(r, c) = C(y.re, y.im) * 50.0L + (r == c ? 1.0L : 0.0L);
    }
    at(r, n + r) = 2.0L;
  }
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int r = k + 1; r < n; ++r) {
      if (std::abs(at(r, k)) > std::abs(at(pivot, k))) pivot = r;
    }
    for (int c = 0; c < 2 * n; ++c) std::swap(at(k, c), at(pivot, c));
    const C p = at(k, k);
    for (int c = 0; c < 2 * n; ++c) at(k, c) /= p;
    for (int r = 0; r < n; ++r) {
      const C m = at(r, k);
      if (r == k || m == 0.0L) continue;
      for (int c = 0; c < 2 * n; ++c) at(r, c) -= m * at(k, c);
    }
  }
  std::vector<C> s(static_cast<size_t>(n * n));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      s[static_cast<size_t>(r * n + c)] = at(r, n + c) - (r == c ? 1.0L : 0.0L);
    }
  }
  return s;
}

std::vector<std::complex<long double>> NetworkS(std::initializer_list<const char*> lines, float f) {
  LineFile text;
  for (const char* line : {"DATA", kBoard, "END", "BLK"}) text.AddLine(line);
  for (const char* line : lines) text.AddLine(line);
  text.AddLine("END");
  ScomFile reader;
  reader.SetLines(text);
  NetContext::SetReaderInUse(&reader);
  EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
  reader.BuildDataObjects();
  EXPECT_TRUE(reader.BuildNets()) << FirstMessage();
  UsrDefNet* net = reader.GetUsrNet(reader.GetUsrNetCount() - 1);
  net->FillMatrix(f);
  EXPECT_EQ(VS_Error::MessageCount(), 0) << FirstMessage();
  const auto s = Scattering(*net);
  NetContext::SetReaderInUse(nullptr);
  return s;
}

std::string FirstMessage() { return VS_Error::GetFirstMessage().ToCString(); }
