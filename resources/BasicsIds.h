#pragma once
// Control ids of the basic types' dialogs, named once for the templates, the dialogs and their
// tests.

// The error window: the oldest queued message in one static text.
namespace error_ids {
constexpr int kTemplate = 262;
constexpr int kMessage = 1223;
}  // namespace error_ids
