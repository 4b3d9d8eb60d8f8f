// Dialog templates and pictures of the audio source, the data generator and the pulse generator.

#include "resources/PixelMaps.h"
#include "resources/Resources.h"
#include "resources/SourceIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

namespace au = audio_ids;
constexpr ControlTemplate kTape[] = {
    {ControlKind::Static, -1, "Datei", 8, 10, 44, 10},
    {ControlKind::Static, au::kFileName, "", 56, 10, 120, 10},
    {ControlKind::Static, -1, "Kanäle", 8, 26, 44, 10},
    {ControlKind::Edit, au::kChannels, "", 56, 24, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Abtastrate", 8, 42, 44, 10},
    {ControlKind::Edit, au::kSampleRate, "", 56, 40, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Bits", 8, 58, 44, 10},
    {ControlKind::Edit, au::kBits, "", 56, 56, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Innenwiderstand", 8, 78, 60, 10},
    {ControlKind::Edit, au::kResistance, "", 72, 76, 60, 12},
    {ControlKind::Static, -1, "Amplitude", 8, 94, 60, 10},
    {ControlKind::Edit, au::kAmplitude, "", 72, 92, 60, 12},
    {ControlKind::Static, -1, "Abtastwerte", 8, 110, 60, 10},
    {ControlKind::Edit, au::kSamples, "", 72, 108, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, au::kSamplesSpin, "", 122, 108, 10, 12},
    {ControlKind::PushButton, au::kStart, "Start", 140, 24, 44, 14},
    {ControlKind::PushButton, au::kPlay, "Play", 140, 42, 44, 14},
    {ControlKind::PushButton, 1, "OK", 140, 90, 44, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 140, 108, 44, 14},
};

namespace dg = datagen_ids;
constexpr ControlTemplate kDataGenerator[] = {
    {ControlKind::Static, -1, "Innenwiderstand", 8, 10, 64, 10},
    {ControlKind::Edit, dg::kResistance, "", 76, 8, 60, 12},
    {ControlKind::Static, -1, "Amplitude", 8, 26, 64, 10},
    {ControlKind::Edit, dg::kAmplitude, "", 76, 24, 60, 12},
    {ControlKind::Static, -1, "Bitrate", 8, 42, 64, 10},
    {ControlKind::Edit, dg::kBitRate, "", 76, 40, 60, 12},
    {ControlKind::Static, -1, "Abtastwerte", 8, 58, 64, 10},
    {ControlKind::Edit, dg::kSamples, "", 76, 56, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, dg::kSamplesSpin, "", 126, 56, 10, 12},
    {ControlKind::Static, -1, "Anzahl der Bits", 8, 74, 64, 10},
    {ControlKind::Edit, dg::kBitCount, "", 76, 72, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, dg::kBitCountSpin, "", 126, 72, 10, 12},
    {ControlKind::Static, -1, "Abtastwerte/Bit", 8, 90, 64, 10},
    {ControlKind::Edit, dg::kSamplesPerBit, "", 76, 88, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Bitfolge", 8, 106, 64, 10},
    {ControlKind::Edit, dg::kSequence, "", 76, 104, 160, 12},
    {ControlKind::Static, -1, "Nyquist Frequenz", 8, 122, 64, 10},
    {ControlKind::Edit, dg::kNyquist, "", 76, 120, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Grundfrequenz", 8, 138, 64, 10},
    {ControlKind::Edit, dg::kFundamental, "", 76, 136, 60, 12, pf::kStyleReadOnly},
    {ControlKind::GroupBox, -1, "Pulsform", 146, 6, 90, 54},
    {ControlKind::RadioButton, dg::kRectangle, "Rechteck", 152, 18, 80, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, dg::kRaisedCosine, "Raised-Cosine", 152, 31, 80, 10},
    {ControlKind::RadioButton, dg::kTrapezoid, "Trapez", 152, 44, 80, 10},
    {ControlKind::PushButton, dg::kStart, "Start", 150, 68, 50, 14},
    {ControlKind::PushButton, 1, "OK", 150, 120, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 150, 136, 50, 14},
};

constexpr ControlTemplate kDataGeneratorSpice[] = {
    {ControlKind::Static, -1, "Amplitude", 8, 10, 64, 10},
    {ControlKind::Edit, dg::kAmplitude, "", 76, 8, 60, 12},
    {ControlKind::Static, -1, "Bitrate", 8, 26, 64, 10},
    {ControlKind::Edit, dg::kBitRate, "", 76, 24, 60, 12},
    {ControlKind::Static, -1, "Anzahl der Bits", 8, 42, 64, 10},
    {ControlKind::Edit, dg::kBitCount, "", 76, 40, 50, 12, pf::kStyleReadOnly},
    {ControlKind::UpDown, dg::kBitCountSpin, "", 126, 40, 10, 12},
    {ControlKind::Static, -1, "Bitfolge", 8, 58, 64, 10},
    {ControlKind::Edit, dg::kSequence, "", 76, 56, 160, 12},
    {ControlKind::PushButton, 1, "OK", 76, 76, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Cancel", 136, 76, 50, 14},
};

namespace ig = impuls_ids;
constexpr ControlTemplate kImpulsGenerator[] = {
    {ControlKind::Static, -1, "Amplitude", 8, 10, 50, 10},
    {ControlKind::Edit, ig::kAmplitude, "", 62, 8, 60, 12},
    {ControlKind::Static, -1, "Frequenz", 8, 26, 50, 10},
    {ControlKind::Edit, ig::kFrequency, "", 62, 24, 60, 12},
    {ControlKind::Static, -1, "Dc-Offset", 8, 42, 50, 10},
    {ControlKind::Edit, ig::kOffset, "", 62, 40, 60, 12},
    {ControlKind::GroupBox, -1, "Anschlüsse", 8, 60, 114, 30},
    {ControlKind::RadioButton, ig::kOnePin, "Einpol", 14, 72, 50, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, ig::kTwoPin, "Zweipol", 66, 72, 50, 10},
    {ControlKind::GroupBox, -1, "Signalform", 130, 6, 80, 68},
    {ControlKind::RadioButton, ig::kSine, "Sinus", 136, 18, 70, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, ig::kTriangle, "Dreieck", 136, 31, 70, 10},
    {ControlKind::RadioButton, ig::kRectangle, "Rechteck", 136, 44, 70, 10},
    {ControlKind::RadioButton, ig::kImpulse, "Diracimpuls", 136, 57, 70, 10},
    {ControlKind::PushButton, 1, "OK", 130, 80, 38, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 172, 80, 38, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {au::kTemplate, nullptr, "Tape", 192, 130, kTape},
    {dg::kTemplate, nullptr, "Datengenerator", 244, 156, kDataGenerator},
    {dg::kSpiceTemplate, nullptr, "DatenGenerator", 244, 96, kDataGeneratorSpice},
    {ig::kTemplate, nullptr, "Generator (Transient)", 218, 100, kImpulsGenerator},
};

// A tape with its two reels.
constexpr const char* kTapePicture[] = {
    "################",
    "#..............#",
    "#..###....###..#",
    "#.#...#..#...#.#",
    "#.#.#.#..#.#.#.#",
    "#.#...#..#...#.#",
    "#..###....###..#",
    "#....#....#....#",
    "#....######....#",
    "#..............#",
    "#.############.#",
    "#.#..........#.#",
    "#.############.#",
    "#..............#",
    "################",
};

// A bit pattern: 1011.
constexpr const char* kDataPicture[] = {
    "################",
    "#..............#",
    "#..............#",
    "#.###..######..#",
    "#.#.#..#....#..#",
    "#.#.#..#....#..#",
    "#.#.#..#....#..#",
    "#.#.#..#....#..#",
    "#.#.####....##.#",
    "#..............#",
    "#..............#",
    "#.############.#",
    "#..............#",
    "#..............#",
    "################",
};

// A single pulse with a sine beside it.
constexpr const char* kPulsePicture[] = {
    "################",
    "#..............#",
    "#..............#",
    "#...####.......#",
    "#...#..#...##..#",
    "#...#..#..#..#.#",
    "#...#..#..#..#.#",
    "#...#..#.#...#.#",
    "#...#..#.#....##",
    "#.###..###.....#",
    "#..............#",
    "#..............#",
    "#..............#",
    "#..............#",
    "################",
};

constexpr PixelMap kPictures[] = {
    {au::kBitmap, kTapePicture},
    {datagen_ids::kBitmap, kDataPicture},
    {impuls_ids::kBitmap, kPulsePicture},
};

}  // namespace

std::span<const pf::DialogTemplate> SourceDialogs() { return kDialogs; }
std::span<const PixelMap> SourceBitmaps() { return kPictures; }
