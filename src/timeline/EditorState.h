#pragma once
#include <QString>
#include <cstdint>

// 16-bit flags hold -1 for true and 0 for false.
using Flag16 = std::int16_t;
inline constexpr Flag16 kTrue = -1;
inline constexpr Flag16 kFalse = 0;
inline bool isSet(Flag16 f) { return f != 0; }
inline Flag16 flag(bool b) { return b ? kTrue : kFalse; }

// Every window-wide variable of the editor with its initial value. Owned by the main window;
// the open, save, playback and timeline rules read and write it. It owns no controls.
struct EditorState {
    Flag16 fileIsOpen = kFalse;
    QString currentJob;                    // "open file" while the decode runner's job is an open
    std::int32_t selBeginSeconds = 0;
    std::int32_t selEndSeconds = 0;        // 0: no end set
    Flag16 playPaused = kFalse;
    Flag16 playingSelection = kFalse;
    float playFraction = 0;                // position / length at the last poll
    Flag16 dragActive = kFalse;
    std::int32_t dragAnchorX = 0;
    QString txtFullTime = QStringLiteral("0");  // full duration in whole seconds, as text
    Flag16 buttonHeld = kFalse;
    std::int32_t sourceDurationSeconds = 0;

    // The full duration as every reader takes it: the leading number of txtFullTime, or 0.
    double fullSeconds() const;
};
