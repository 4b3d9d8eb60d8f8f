#pragma once
// Control ids of the editor's own dialogs, named once for the templates, the dialogs and their
// tests.

// The board and start point of the photoplot export.
namespace gerber_ids {
constexpr int kTemplate = 163;
constexpr int kSizeX = 1054, kSizeY = 1055, kStartX = 1056, kStartY = 1057;
constexpr int kArea = 1222;
}  // namespace gerber_ids
