#pragma once
// Control ids of the editor's own dialogs, named once for the templates, the dialogs and their
// tests.

// The board and start point of the photoplot export.
namespace gerber_ids {
constexpr int kTemplate = 163;
constexpr int kSizeX = 1054, kSizeY = 1055, kStartX = 1056, kStartY = 1057;
constexpr int kArea = 1222;
}  // namespace gerber_ids

// The desktop's own dialogs: the SPICE program's place, the busy bar and the about box.
namespace spicedir_ids {
constexpr int kTemplate = 251;
constexpr int kPath = 1206, kBrowse = 1207;
}  // namespace spicedir_ids

namespace busy_ids {
constexpr int kTemplate = 172;
constexpr int kProgress = 1077;
}  // namespace busy_ids

namespace about_ids {
constexpr int kTemplate = 100;
}  // namespace about_ids
