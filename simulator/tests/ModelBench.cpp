#include "simulator/tests/ModelBench.h"

#include "simulator/UsrDefNet.h"

ModelBench::ModelBench() { harness.reader.SetRegistries(nullptr, &harness.dataKinds); }

NetElement* ModelBench::Read(const std::vector<std::string>& lines,
                             const std::vector<std::string>& labelLines) {
  std::vector<std::string> text = labelLines;
  text.insert(text.end(), {"BLK", "TOP: 2POR 1 2"});
  text.insert(text.end(), lines.begin(), lines.end());
  text.emplace_back("END");
  if (!harness.Run(text)) return nullptr;
  const std::vector<NetElement*> elements = harness.reader.GetUsrNet(0)->GetElements().Values();
  return elements.empty() ? nullptr : elements.front();
}

PortMatrix ModelBench::MatrixAt(const std::vector<std::string>& lines, float f) {
  NetElement* element = Read(lines);
  if (element == nullptr) return PortMatrix(0);
  element->FillMatrix(f);
  return *element->GetPortMatrix();
}

testing::AssertionResult ModelBench::Refuses(const std::vector<std::string>& lines,
                                             const char* message) {
  VS_Error::ClearQueue();
  if (ModelBench().Read(lines) != nullptr) return testing::AssertionFailure() << "accepted";
  for (const std::string& queued : ReaderHarness::QueuedMessages()) {
    if (queued.find(message) != std::string::npos) return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "no message with '" << message << "'";
}

testing::AssertionResult ModelBench::InvertsReactance(const PortMatrix& y,
                                                      const std::vector<double>& l, double omega,
                                                      double tolerance) {
  const int n = y.GetSize();
  if (n * n != static_cast<int>(l.size())) return testing::AssertionFailure() << "size " << n;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      Cmplx sum;
      for (int k = 0; k < n; ++k) sum += y.GetAt(i + 1, k + 1) * Cmplx(0.0, omega * l[k * n + j]);
      if ((sum - Cmplx(i == j ? 1.0 : 0.0, 0.0)).Abs() > tolerance) {
        return testing::AssertionFailure() << "entry " << i << "," << j << " is " << sum.re
                                           << " + j" << sum.im;
      }
    }
  }
  return testing::AssertionSuccess();
}
