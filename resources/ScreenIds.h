#pragma once
// The screen of every instrument window: the owner-drawn control that shows its diagrams; and
// the dialog of a screen's PiCTeX export.

namespace screen_ids {
constexpr int kScreen = 523;
}  // namespace screen_ids

namespace pictex_ids {
constexpr int kTemplate = 230;
constexpr int kWidth = 1159;  // millimetres
// The radio buttons of the letters "TSFNL", in this order.
constexpr int kFirstSize = 1167, kLastSize = 1171;
}  // namespace pictex_ids
