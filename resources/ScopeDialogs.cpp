// Dialog templates and pictures of the oscilloscope, the spectrum analyser, the plotter and the
// speaker.

#include "resources/PixelMaps.h"
#include "resources/Resources.h"
#include "resources/ScopeIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;
using screen_ids::kScreen;

// The screen fills the left part; the windows size it from the first spins and the OK button.
constexpr ControlTemplate kOszi[] = {
    {ControlKind::OwnerDraw, kScreen, "", 0, 0, 250, 176},
    {ControlKind::UpDown, oszi_ids::kRefPos, "", 262, 8, 10, 14},
    {ControlKind::UpDown, oszi_ids::kRefValue, "", 262, 26, 10, 14},
    {ControlKind::UpDown, oszi_ids::kYScale, "", 262, 44, 10, 14},
    {ControlKind::UpDown, oszi_ids::kMarkerStep, "", 262, 62, 10, 14},
    {ControlKind::Static, -1, "Time/Div", 280, 10, 50, 10},
    {ControlKind::Edit, oszi_ids::kTimeText, "", 280, 22, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, oszi_ids::kTimePerDiv, "", 334, 21, 10, 14},
    {ControlKind::Static, -1, "Startzeit", 280, 42, 50, 10},
    {ControlKind::UpDown, oszi_ids::kStartTime, "", 334, 40, 10, 14},
    {ControlKind::PushButton, oszi_ids::kMarker, "Marker", 280, 62, 60, 14},
    {ControlKind::PushButton, oszi_ids::kFormat, "Format", 280, 80, 60, 14},
    {ControlKind::PushButton, oszi_ids::kScreenCopy, "Screen-Copy", 280, 98, 60, 14},
    {ControlKind::PushButton, oszi_ids::kPicTex, "PicTex", 280, 116, 60, 14},
    {ControlKind::PushButton, 1, "OK", 280, 162, 60, 14, pf::kStyleDefault},
};

constexpr ControlTemplate kOsziFormat[] = {
    {ControlKind::RadioButton, oszi_ids::kTimeMode, "Zeitdiagramm", 8, 8, 80, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, oszi_ids::kEyeMode, "Augendiagramm", 8, 22, 80, 10},
    {ControlKind::Static, -1, "Datenrate", 8, 40, 40, 10},
    {ControlKind::Edit, oszi_ids::kDataRate, "", 50, 38, 70, 12},
    {ControlKind::PushButton, 1, "OK", 8, 60, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 70, 60, 50, 14},
};

constexpr ControlTemplate kSpecAna[] = {
    {ControlKind::OwnerDraw, kScreen, "", 0, 0, 250, 176},
    {ControlKind::UpDown, specana_ids::kRefPos, "", 262, 8, 10, 14},
    {ControlKind::UpDown, specana_ids::kRefValue, "", 262, 26, 10, 14},
    {ControlKind::UpDown, specana_ids::kYScale, "", 262, 44, 10, 14},
    {ControlKind::UpDown, specana_ids::kMarkerStep, "", 262, 62, 10, 14},
    {ControlKind::PushButton, specana_ids::kParameter, "Parameter", 280, 8, 60, 14},
    {ControlKind::PushButton, specana_ids::kMarker, "Marker", 280, 26, 60, 14},
    {ControlKind::PushButton, specana_ids::kScreenCopy, "Screen-Copy", 280, 44, 60, 14},
    {ControlKind::PushButton, 1, "OK", 280, 162, 60, 14, pf::kStyleDefault},
};

constexpr ControlTemplate kSpecFreqChange[] = {
    {ControlKind::Static, -1, "Start Frequenz", 8, 10, 60, 10},
    {ControlKind::Edit, specana_ids::kStart, "", 72, 8, 70, 12},
    {ControlKind::Static, -1, "Stop Frequenz", 8, 26, 60, 10},
    {ControlKind::Edit, specana_ids::kStop, "", 72, 24, 70, 12},
    {ControlKind::Static, -1, "Innenwiderstand", 8, 42, 60, 10},
    {ControlKind::Edit, specana_ids::kResistance, "", 72, 40, 70, 12},
    {ControlKind::GroupBox, -1, "Darstellung", 8, 58, 66, 40},
    {ControlKind::RadioButton, specana_ids::kLine, "Linie", 14, 70, 56, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, specana_ids::kSpectrum, "Spektrum", 14, 84, 56, 10},
    {ControlKind::GroupBox, -1, "Frequenzachse", 80, 58, 72, 40},
    {ControlKind::RadioButton, specana_ids::kLinear, "linear", 86, 70, 62, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, specana_ids::kLogarithmic, "logarithmisch", 86, 84, 62, 10},
    {ControlKind::PushButton, 1, "OK", 20, 106, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 86, 106, 50, 14},
};

constexpr ControlTemplate kPlotter[] = {
    {ControlKind::OwnerDraw, kScreen, "", 0, 0, 250, 176},
    {ControlKind::UpDown, plotter_ids::kRefPos, "", 262, 8, 10, 14},
    {ControlKind::UpDown, plotter_ids::kRefValue, "", 262, 26, 10, 14},
    {ControlKind::UpDown, plotter_ids::kYScale, "", 262, 44, 10, 14},
    {ControlKind::UpDown, plotter_ids::kXRefPos, "", 262, 62, 10, 14},
    {ControlKind::UpDown, plotter_ids::kXRefValue, "", 262, 80, 10, 14},
    {ControlKind::UpDown, plotter_ids::kXScale, "", 262, 98, 10, 14},
    {ControlKind::UpDown, plotter_ids::kMarkerStep, "", 262, 116, 10, 14},
    {ControlKind::PushButton, plotter_ids::kMarker, "Marker", 280, 8, 60, 14},
    {ControlKind::GroupBox, -1, "Screen", 278, 26, 64, 28},
    {ControlKind::PushButton, plotter_ids::kScreenCopy, "Copy", 282, 36, 56, 14},
    {ControlKind::GroupBox, -1, "Daten", 278, 56, 64, 28},
    {ControlKind::PushButton, plotter_ids::kDataCopy, "Copy", 282, 66, 56, 14},
    {ControlKind::GroupBox, -1, "Meßbereich", 278, 88, 64, 48},
    {ControlKind::Static, -1, "X", 282, 100, 8, 10},
    {ControlKind::Edit, plotter_ids::kXRange, "", 292, 98, 34, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, plotter_ids::kXRangeSpin, "", 328, 97, 10, 14},
    {ControlKind::Static, -1, "Y", 282, 118, 8, 10},
    {ControlKind::Edit, plotter_ids::kYRange, "", 292, 116, 34, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, plotter_ids::kYRangeSpin, "", 328, 115, 10, 14},
    {ControlKind::PushButton, 1, "OK", 280, 162, 60, 14, pf::kStyleDefault},
};

constexpr ControlTemplate kPlotterSetUp[] = {
    {ControlKind::GroupBox, -1, "X-Achse", 8, 6, 80, 40},
    {ControlKind::RadioButton, plotter_ids::kXVoltage, "Spannung", 14, 18, 70, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, plotter_ids::kXCurrent, "Strom", 14, 32, 70, 10},
    {ControlKind::GroupBox, -1, "Y-Achse", 96, 6, 80, 40},
    {ControlKind::RadioButton, plotter_ids::kYVoltage, "Spannung", 102, 18, 70, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, plotter_ids::kYCurrent, "Strom", 102, 32, 70, 10},
    {ControlKind::Static, -1, "Messbereich", 8, 54, 50, 10},
    {ControlKind::Edit, plotter_ids::kXRange, "", 8, 66, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, plotter_ids::kSetUpXRangeSpin, "", 60, 65, 10, 14},
    {ControlKind::Static, -1, "Messbereich", 96, 54, 50, 10},
    {ControlKind::Edit, plotter_ids::kYRange, "", 96, 66, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, plotter_ids::kSetUpYRangeSpin, "", 148, 65, 10, 14},
    {ControlKind::PushButton, 1, "OK", 30, 88, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 100, 88, 50, 14},
};

constexpr ControlTemplate kSpeaker[] = {
    {ControlKind::PushButton, speaker_ids::kPlay, "Play", 8, 8, 50, 14},
    {ControlKind::PushButton, 1, "OK", 8, 30, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 66, 30, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {oszi_ids::kTemplate, nullptr, "Oszillograph", 350, 182, kOszi},
    {oszi_ids::kFormatTemplate, nullptr, "Diagrammformat", 130, 80, kOsziFormat},
    {specana_ids::kTemplate, nullptr, "Spektrumanalysator", 350, 182, kSpecAna},
    {specana_ids::kSettingsTemplate, nullptr, "Einstellungen", 160, 126, kSpecFreqChange},
    {plotter_ids::kTemplate, nullptr, "Plotter", 350, 182, kPlotter},
    {plotter_ids::kSetUpTemplate, nullptr, "Plotter", 184, 108, kPlotterSetUp},
    {speaker_ids::kTemplate, nullptr, "Speaker", 124, 50, kSpeaker},
};

// A screen with a sine trace.
constexpr const char* kOsziPicture[] = {
    "################",
    "#..............#",
    "#...##.........#",
    "#..#..#........#",
    "#.#....#.......#",
    "##......#.....##",
    "#........#...#.#",
    "#.........###..#",
    "#..............#",
    "################",
};

// A screen with spectral lines.
constexpr const char* kSpecAnaPicture[] = {
    "################",
    "#..............#",
    "#....#.........#",
    "#....#...#.....#",
    "#..#.#...#.....#",
    "#..#.#.#.#..#..#",
    "#..#.#.#.#.##..#",
    "#.############.#",
    "#..............#",
    "################",
};

// A pen over an x-y plane.
constexpr const char* kPlotterPicture[] = {
    "################",
    "#..............#",
    "#.#.........#..#",
    "#.#........#...#",
    "#.#.....###....#",
    "#.#...##.......#",
    "#.#.##.........#",
    "#.##...........#",
    "#.############.#",
    "#..............#",
    "################",
};

// A loudspeaker with its sound waves.
constexpr const char* kSpeakerPicture[] = {
    ".....#..........",
    "....##.....#....",
    "...#.#..#...#...",
    "####.#...#...#..",
    "#..#.#...#...#..",
    "#..#.#...#...#..",
    "####.#...#...#..",
    "...#.#..#...#...",
    "....##.....#....",
    ".....#..........",
};

constexpr PixelMap kPictures[] = {
    {oszi_ids::kBitmap, kOsziPicture},
    {specana_ids::kBitmap, kSpecAnaPicture},
    {plotter_ids::kBitmap, kPlotterPicture},
    {speaker_ids::kBitmap, kSpeakerPicture},
};

}  // namespace

std::span<const pf::DialogTemplate> ScopeDialogs() { return kDialogs; }
std::span<const PixelMap> ScopeBitmaps() { return kPictures; }
