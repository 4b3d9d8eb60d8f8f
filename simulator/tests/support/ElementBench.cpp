#include "simulator/tests/support/ElementBench.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "basics/LineFile.h"
#include "simulator/NetContext.h"
#include "simulator/UsrDefNet.h"

bool ReadUpToNets(ScomFile& reader, const Lines& text) {
  LineFile lines;
  for (const std::string& line : text) lines.AddLine(MyStrng(line.c_str()));
  reader.Reset();
  reader.SetLines(lines);
  NetContext::SetReaderInUse(&reader);
  VS_Error::ClearQueue();
  if (!reader.CheckSyntax()) return false;
  if (!reader.ReadBlocks() || reader.GetErrorCode() != 0) return false;
  reader.BuildDataObjects();
  return true;
}

bool ReadPasses(NetElement& element, const NetLine& line, const SymbolTable& labels) {
  NetLine check(line);
  element.LinkReferences(check);
  if (check.GetErrorCode() != 0 || element.GetErrorCode() != 0) return false;
  element.ParseLine(labels);
  return element.GetLine().GetErrorCode() == 0 && element.GetErrorCode() == 0;
}

ElementBench::ElementBench(const Lines& data, const Lines& labels) : head(labels) {
  head.emplace_back("DATA");
  head.insert(head.end(), data.begin(), data.end());
  head.emplace_back("END");
  EXPECT_TRUE(ReadUpToNets(reader, head)) << testing::PrintToString(QueuedMessages());
}

std::unique_ptr<NetElement> ElementBench::Build(const Lines& lines) {
  if (lines.empty()) return nullptr;
  const NetLine line(lines.front().c_str());
  std::unique_ptr<NetElement> element(reader.CreateElement(line));
  if (!element) return nullptr;
  if (element->HasContinuation()) {
    for (size_t i = 1; i < lines.size(); ++i) element->AddContinuation(lines[i].c_str());
  }
  if (!ReadPasses(*element, line, reader.GetLabels())) return nullptr;
  return element;
}

std::unique_ptr<NetElement> ElementBench::Accept(const char* line) {
  std::unique_ptr<NetElement> element = Build(line);
  EXPECT_NE(element, nullptr) << line << ": " << testing::PrintToString(QueuedMessages());
  return element;
}

testing::AssertionResult ElementBench::Refuses(const Lines& lines, const char* message) {
  VS_Error::ClearQueue();
  if (Build(lines) != nullptr) return testing::AssertionFailure() << "accepted";
  const Lines queued = QueuedMessages();
  for (const std::string& text : queued) {
    if (text.find(message) != std::string::npos) return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "no message with '" << message << "': " << testing::PrintToString(queued);
}

LongMatrix ElementBench::NetworkS(const Lines& lines, float f) {
  LongMatrix s;
  {
    ScomFile run;
    Lines text = head;
    text.emplace_back("BLK");
    text.insert(text.end(), lines.begin(), lines.end());
    text.emplace_back("END");
    EXPECT_TRUE(ReadUpToNets(run, text) && run.BuildNets())
        << testing::PrintToString(QueuedMessages());
    if (run.GetUsrNetCount() > 0) {
      UsrDefNet* net = run.GetUsrNet(run.GetUsrNetCount() - 1);
      net->FillMatrix(f);
      s = Scattering(*net);
    }
    EXPECT_EQ(QueuedMessages(), Lines{});
  }
  NetContext::SetReaderInUse(&reader);
  return s;
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
      if (!SameWithin(At(a, r, c), At(b, r, c), 0.0)) return false;
    }
  }
  return n == b.GetPortCount();
}

bool SameWithin(const Cmplx& a, const Cmplx& b, double tol) {
  return (a - b).Abs() <= tol * std::max(a.Abs(), b.Abs());
}

LongMatrix Scattering(const NetElement& element, long double r) {
  using C = std::complex<long double>;
  const int n = element.GetPortCount();
  // [I + r Y | 2 I], reduced to [I | S + I] by Gauss-Jordan with partial pivoting.
  std::vector<C> a(static_cast<size_t>(n * 2 * n));
  auto at = [&](int row, int col) -> C& { return a[static_cast<size_t>(row * 2 * n + col)]; };
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      const Cmplx y = At(element, row + 1, col + 1);
      at(row, col) = C(y.re, y.im) * r + (row == col ? 1.0L : 0.0L);
    }
    at(row, n + row) = 2.0L;
  }
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int row = k + 1; row < n; ++row) {
      if (std::abs(at(row, k)) > std::abs(at(pivot, k))) pivot = row;
    }
    for (int col = 0; col < 2 * n; ++col) std::swap(at(k, col), at(pivot, col));
    const C p = at(k, k);
    for (int col = 0; col < 2 * n; ++col) at(k, col) /= p;
    for (int row = 0; row < n; ++row) {
      const C m = at(row, k);
      if (row == k || m == 0.0L) continue;
      for (int col = 0; col < 2 * n; ++col) at(row, col) -= m * at(k, col);
    }
  }
  LongMatrix s(static_cast<size_t>(n * n));
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      s[static_cast<size_t>(row * n + col)] = at(row, n + col) - (row == col ? 1.0L : 0.0L);
    }
  }
  return s;
}

Lines QueuedMessages() {
  Lines messages;
  for (int i = 0; i < VS_Error::MessageCount(); ++i) {
    messages.emplace_back(VS_Error::Message(i).ToCString());
  }
  return messages;
}

PortMatrix ModelMatrixAt(const Lines& lines, float f) {
  ElementBench bench;
  const std::unique_ptr<NetElement> element = bench.Build(lines);
  if (!element) return PortMatrix(0);
  element->FillMatrix(f);
  return *element->GetPortMatrix();
}

testing::AssertionResult ModelRefuses(const Lines& lines, const char* message) {
  return ElementBench().Refuses(lines, message);
}

testing::AssertionResult InvertsReactance(const PortMatrix& y, const std::vector<double>& l,
                                          double omega, double tolerance) {
  const int n = y.GetSize();
  if (n * n != static_cast<int>(l.size())) return testing::AssertionFailure() << "size " << n;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      Cmplx sum;
      for (int k = 0; k < n; ++k) sum += y.GetAt(i + 1, k + 1) * Cmplx(0.0, omega * l[k * n + j]);
      if ((sum - Cmplx(i == j ? 1.0 : 0.0, 0.0)).Abs() > tolerance) {
        return testing::AssertionFailure() << "entry " << i << "," << j << " off";
      }
    }
  }
  return testing::AssertionSuccess();
}
