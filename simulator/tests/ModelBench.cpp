#include "simulator/tests/ModelBench.h"

#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"

namespace {

// The first element of the block, or null when a line was refused.
NetElement* Read(ReaderHarness& harness, const Lines& lines) {
  harness.reader.SetRegistries(nullptr, &harness.dataKinds);
  Lines text = {"BLK", "TOP: 2POR 1 2"};
  text.insert(text.end(), lines.begin(), lines.end());
  text.emplace_back("END");
  if (!harness.Run(text)) return nullptr;
  const std::vector<NetElement*> elements = harness.reader.GetUsrNet(0)->GetElements().Values();
  return elements.empty() ? nullptr : elements.front();
}

}  // namespace

PortMatrix ModelMatrixAt(const Lines& lines, float f) {
  ReaderHarness harness;
  NetElement* element = Read(harness, lines);
  if (element == nullptr) return PortMatrix(0);
  element->FillMatrix(f);
  return *element->GetPortMatrix();
}

testing::AssertionResult ModelRefuses(const Lines& lines, const char* message) {
  ReaderHarness harness;
  if (Read(harness, lines) != nullptr) return testing::AssertionFailure() << "accepted";
  for (const std::string& queued : ReaderHarness::QueuedMessages()) {
    if (queued.find(message) != std::string::npos) return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "no message with '" << message << "'";
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
