// Dialog templates of the dimensioning calculators: stepped values on the left, each edit with
// its spin button, the results on the right in read-only edits.

#include "resources/CalculatorIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr unsigned kGroup = pf::kStyleGroup;
constexpr unsigned kDefault = pf::kStyleDefault;
constexpr unsigned kReadOnly = pf::kStyleReadOnly;
constexpr unsigned kList = pf::kStyleDropDownList;

// Rows of 18 units: a label, then an edit with its spin button (left column) or a read-only
// result edit (right column).
#define VS_STEPPED(label, id, spin, row)                                  \
  {ControlKind::Static, -1, label, 6, 9 + 18 * (row), 64, 10},           \
      {ControlKind::Edit, id, "", 72, 7 + 18 * (row), 62, 12},           \
  {                                                                       \
    ControlKind::UpDown, spin, "", 134, 7 + 18 * (row), 10, 12            \
  }
#define VS_RESULT(label, id, row)                                         \
  {ControlKind::Static, -1, label, 152, 9 + 18 * (row), 88, 10},         \
  {                                                                       \
    ControlKind::Edit, id, "", 242, 7 + 18 * (row), 64, 12, kReadOnly     \
  }
#define VS_SUBSTRATE(id, row)                                             \
  {ControlKind::Static, -1, "Substrate", 6, 9 + 18 * (row), 64, 10},     \
  {                                                                       \
    ControlKind::ComboBox, id, "", 72, 7 + 18 * (row), 72, 40, kList      \
  }
#define VS_OK_CANCEL(y)                                                   \
  {ControlKind::PushButton, 1, "OK", 176, y, 56, 14, kDefault},           \
  {                                                                       \
    ControlKind::PushButton, 2, "Abbrechen", 244, y, 56, 14               \
  }

constexpr ControlTemplate kMicrostrip[] = {
    VS_STEPPED("Width", dimmsl_ids::kW, dimmsl_ids::kWSpin, 0),
    VS_STEPPED("Length", dimmsl_ids::kL, dimmsl_ids::kLSpin, 1),
    VS_STEPPED("Frequency", dimmsl_ids::kF, dimmsl_ids::kFSpin, 2),
    VS_STEPPED("Increment", dimmsl_ids::kInc, dimmsl_ids::kIncSpin, 3),
    VS_SUBSTRATE(dimmsl_ids::kSub, 4),
    VS_RESULT("Zc", dimmsl_ids::kZc, 0),
    VS_RESULT("L/Lambda", dimmsl_ids::kLRatio, 1),
    VS_RESULT("Epsr_eff", dimmsl_ids::kEps, 2),
    VS_RESULT("delL", dimmsl_ids::kDelL, 3),
    VS_OK_CANCEL(100),
};

constexpr ControlTemplate kSlotline[] = {
    VS_STEPPED("Width", dimslt_ids::kW, dimslt_ids::kWSpin, 0),
    VS_STEPPED("Length", dimslt_ids::kL, dimslt_ids::kLSpin, 1),
    VS_STEPPED("Frequency", dimslt_ids::kF, dimslt_ids::kFSpin, 2),
    VS_STEPPED("Increment", dimslt_ids::kInc, dimslt_ids::kIncSpin, 3),
    VS_SUBSTRATE(dimslt_ids::kSub, 4),
    VS_RESULT("Wellenwiderstand", dimslt_ids::kZ0, 0),
    VS_RESULT("Bezogene Länge", dimslt_ids::kLRatio, 1),
    VS_RESULT("Epsiloneffektiv", dimslt_ids::kEps, 2),
    VS_RESULT("Verlängerung", dimslt_ids::kExtension, 3),
    VS_RESULT("ZE-Stub", dimslt_ids::kStub, 4),
    {ControlKind::GroupBox, -1, "Modell", 6, 98, 138, 26},
    {ControlKind::RadioButton, dimslt_ids::kCohn, "Cohn", 12, 110, 56, 10, kGroup},
    {ControlKind::RadioButton, dimslt_ids::kApprox, "Approx", 76, 110, 56, 10},
    VS_OK_CANCEL(110),
};

constexpr ControlTemplate kCoplanar[] = {
    VS_STEPPED("Weite", dimcpl_ids::kW, dimcpl_ids::kWSpin, 0),
    VS_STEPPED("Spalt", dimcpl_ids::kS, dimcpl_ids::kSSpin, 1),
    VS_STEPPED("Länge", dimcpl_ids::kL, dimcpl_ids::kLSpin, 2),
    VS_STEPPED("Freq", dimcpl_ids::kF, dimcpl_ids::kFSpin, 3),
    VS_STEPPED("Increment", dimcpl_ids::kInc, dimcpl_ids::kIncSpin, 4),
    VS_SUBSTRATE(dimcpl_ids::kSub, 5),
    VS_RESULT("Wellenwiderstand", dimcpl_ids::kZ0, 0),
    VS_RESULT("Bezogene Länge", dimcpl_ids::kLRatio, 1),
    VS_RESULT("Epsiloneffektiv", dimcpl_ids::kEps, 2),
    VS_OK_CANCEL(118),
};

constexpr ControlTemplate kSandwich[] = {
    VS_SUBSTRATE(sandwich_ids::kSub, 0),
    {ControlKind::Static, -1, "a:", 6, 27, 64, 10},
    {ControlKind::Edit, sandwich_ids::kA, "", 72, 25, 72, 12},
    {ControlKind::Static, -1, "w/d", 6, 45, 64, 10},
    {ControlKind::Edit, sandwich_ids::kWd, "", 72, 43, 72, 12},
    {ControlKind::PushButton, sandwich_ids::kCompute, "Compute", 72, 63, 72, 14},
    {ControlKind::Static, -1, "1/p", 152, 9, 88, 10},
    {ControlKind::Static, sandwich_ids::kInvP, "", 242, 9, 64, 10},
    {ControlKind::Static, -1, "Epsreff", 152, 27, 88, 10},
    {ControlKind::Static, sandwich_ids::kEps, "", 242, 27, 64, 10},
    {ControlKind::Static, -1, "d/Lambda", 152, 45, 88, 10},
    {ControlKind::Static, sandwich_ids::kDLambda, "", 242, 45, 64, 10},
    {ControlKind::Static, -1, "Freq:", 152, 63, 88, 10},
    {ControlKind::Static, sandwich_ids::kF, "", 242, 63, 64, 10},
    VS_OK_CANCEL(86),
};

constexpr ControlTemplate kTransition[] = {
    VS_STEPPED("Microstrip Width", msltsltdesign_ids::kM, msltsltdesign_ids::kMSpin, 0),
    VS_STEPPED("Slotline Width", msltsltdesign_ids::kS, msltsltdesign_ids::kSSpin, 1),
    VS_STEPPED("Frequency", msltsltdesign_ids::kF, msltsltdesign_ids::kFSpin, 2),
    VS_STEPPED("Increment", msltsltdesign_ids::kInc, msltsltdesign_ids::kIncSpin, 3),
    VS_SUBSTRATE(msltsltdesign_ids::kSub, 4),
    VS_RESULT("Microstrip Line", msltsltdesign_ids::kZm, 0),
    VS_RESULT("Slotline", msltsltdesign_ids::kZs, 1),
    VS_RESULT("Transformation Ratio n", msltsltdesign_ids::kN, 2),
    VS_RESULT("Transformed Slotline", msltsltdesign_ids::kNZs, 3),
    VS_OK_CANCEL(100),
};

#undef VS_STEPPED
#undef VS_RESULT
#undef VS_SUBSTRATE
#undef VS_OK_CANCEL

constexpr DialogTemplate kDialogs[] = {
    {dimmsl_ids::kTemplate, nullptr, "Microstripline", 312, 120, kMicrostrip},
    {dimslt_ids::kTemplate, nullptr, "Schlitzleitung", 312, 130, kSlotline},
    {dimcpl_ids::kTemplate, nullptr, "Coplanarleitung", 312, 138, kCoplanar},
    {sandwich_ids::kTemplate, nullptr, "Sandwich Slotline", 312, 106, kSandwich},
    {msltsltdesign_ids::kTemplate, nullptr, "MSL to Slt Design", 312, 120, kTransition},
};

}  // namespace

std::span<const DialogTemplate> CalculatorDialogs() { return kDialogs; }
