#pragma once
// The screen of every instrument window: the owner-drawn control that shows its diagrams.

namespace screen_ids {
constexpr int kScreen = 523;
}  // namespace screen_ids
