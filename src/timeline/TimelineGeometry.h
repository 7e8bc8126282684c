#pragma once

// Track width in pixels: Left 0 is time 0, Left 728 the full duration.
inline constexpr int kTrackWidth = 728;

// The timeline panel's pictures: the playhead and the two selection markers are each a top
// handle, a line at the handles' Left + 6 and a bottom handle.
inline constexpr int kHandleWidth = 13;
inline constexpr int kHandleHeight = 8;
inline constexpr int kLineOffset = 6;
inline constexpr int kLineHeight = 284;
