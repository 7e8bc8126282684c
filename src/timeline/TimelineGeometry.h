#pragma once

// The timeline panel's pictures: the playhead and the two selection markers are each a top
// handle, a line at the handles' Left + 6 and a bottom handle.
inline constexpr int kHandleWidth = 13;
inline constexpr int kHandleHeight = 8;
inline constexpr int kLineOffset = 6;
inline constexpr int kLineHeight = 284;
