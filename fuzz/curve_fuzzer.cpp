// Feeds arbitrary bytes to a curve as a curve file and as a text form, and draws, repaints and
// exports whatever was loaded: no input may crash, hang or allocate beyond what it holds, and a
// loaded curve holds finite numbers only.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "basics/Saturate.h"
#include "basics/VS_Error.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"

namespace {

// A plain linear mapping whose pen breaks at negative x, as a time diagram's sweeps do.
class Plane : public DiagramMapping {
 public:
  int MapX(float x, float) override {
    line = x >= 0.0f;
    return TruncToInt32(100.0 + 10.0 * x);
  }
  int MapY(float y, float) override { return TruncToInt32(100.0 - 10.0 * y); }
  bool IsPenLine() override { return line; }
  bool IsPenMove() override { return !line; }
  int GetGridBottom() override { return 200; }
  bool IsInGrid(float x, float) override { return x < 50.0f; }
  void ClipOn() override {}
  void ClipOff() override {}
  bool IsLoadStabMode() override { return false; }
  bool IsGenStabMode() override { return false; }
  bool IsLoadGainMode() override { return false; }
  bool IsGenGainMode() override { return false; }
  float GetYScale() override { return 1.0f; }
  float GetXScale() override { return 1.0f; }

 private:
  bool line = true;
};

void Exercise(DiagKurve& curve) {
  for (int i = 0; i < curve.GetCount(); ++i) {
    for (float v : {curve.GetX(i), curve.GetY1(i), curve.GetY2(i), curve.GetY3(i)}) {
      if (!std::isfinite(v)) __builtin_trap();
    }
  }
  pf::RecordingDc dc;
  curve.Draw(&dc);
  curve.Update();
  curve.EnableStabCircle();
  curve.CursorNext();
  PicTexFile tex;
  curve.WritePicTex(tex);
  std::ostringstream text;
  curve.WriteText(text);
  std::ostringstream bytes;
  pf::Archive out(bytes);
  curve.Serialize(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  Plane plane;
  VS_Error::ResetQueue();
  {
    DiagKurve curve(nullptr, &plane);
    std::istringstream is(input);
    pf::Archive ar(is);
    if (curve.Load(ar)) Exercise(curve);
  }
  {
    DiagKurve curve(nullptr, &plane);
    std::istringstream is(input);
    curve.ReadText(is);
    if (is) Exercise(curve);
  }
  return 0;
}
