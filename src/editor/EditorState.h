#pragma once
#include <QString>
#include <cstdint>

// 16-bit flags hold -1 for true and 0 for false.
using Flag16 = std::int16_t;
inline constexpr Flag16 kTrue = -1;
inline constexpr Flag16 kFalse = 0;
inline bool isSet(Flag16 f) { return f != 0; }
inline Flag16 flag(bool b) { return b ? kTrue : kFalse; }

// The window-wide flags of the editor with their initial values: what is open, the transcoder's
// job and the play flags. The duration, the selection, the playhead and the view are the
// EditorModel's. Owned by the window's controller; it owns no controls.
struct EditorState {
    Flag16 fileIsOpen = kFalse;
    QString currentJob;                    // "open file" while the decode runner's job is an open
    Flag16 playPaused = kFalse;
    Flag16 playingSelection = kFalse;
    float playFraction = 0;                // position / length at the last poll
    Flag16 buttonHeld = kFalse;
    std::int32_t sourceDurationSeconds = 0;
};
