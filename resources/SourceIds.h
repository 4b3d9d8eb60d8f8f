#pragma once
// Control ids of the set-up dialogs of the audio source, the data generator and the pulse
// generator, shared by the templates, the dialogs and their tests.

namespace audio_ids {
constexpr int kTemplate = 226;
constexpr int kBitmap = 227;
constexpr int kFileName = 1152;
constexpr int kChannels = 1151;
constexpr int kSampleRate = 1153;
constexpr int kBits = 1154;
constexpr int kResistance = 1055;
constexpr int kAmplitude = 1056;
constexpr int kSamples = 1057;
constexpr int kSamplesSpin = 1058;
constexpr int kStart = 1155;
constexpr int kPlay = 1157;
}  // namespace audio_ids

namespace datagen_ids {
constexpr int kTemplate = 164;
constexpr int kSpiceTemplate = 268;
constexpr int kBitmap = 165;
constexpr int kResistance = 1055;
constexpr int kAmplitude = 1056;
constexpr int kBitRate = 1062;
constexpr int kSamples = 1057;
constexpr int kSamplesSpin = 1058;
constexpr int kBitCount = 1059;
constexpr int kBitCountSpin = 1060;
constexpr int kSamplesPerBit = 1061;
constexpr int kSequence = 1063;
constexpr int kNyquist = 1071;
constexpr int kFundamental = 1010;
constexpr int kRectangle = 1084;
constexpr int kRaisedCosine = 1085;
constexpr int kTrapezoid = 1086;
constexpr int kStart = 1069;
}  // namespace datagen_ids

namespace impuls_ids {
constexpr int kTemplate = 253;
constexpr int kBitmap = 252;
constexpr int kAmplitude = 1056;
constexpr int kFrequency = 1019;
constexpr int kOffset = 1211;
constexpr int kOnePin = 1208;
constexpr int kTwoPin = 1027;
constexpr int kSine = 1241;
constexpr int kTriangle = 1111;
constexpr int kRectangle = 1110;
constexpr int kImpulse = 1242;
}  // namespace impuls_ids
