#pragma once
// The main window's design sizes at 100 %: its client area, as wide as the note buttons'
// row, with the list hidden, shown and rolled up to the caption bar, inside a 1-px frame.

namespace tezvan::layout {

constexpr int kClientWidth = 421;
constexpr int kCaptionBarHeight = 21;
constexpr int kCollapsedClient = 122;
constexpr int kExpandedClient = 358;
constexpr int kRolledUpClient = 22;
constexpr int kFrame = 1;
// Outer heights (frame included) of the list area hidden and shown.
constexpr int kCollapsedHeight = kCollapsedClient + 2 * kFrame;
constexpr int kExpandedHeight = kExpandedClient + 2 * kFrame;

} // namespace tezvan::layout
