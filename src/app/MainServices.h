#pragma once
#include "editor/SessionServices.h"

#include <functional>

// The desktop services the main window talks to; tests pass recording stand-ins. The window
// borrows them: they must outlive it.
struct MainServices {
    MessageBoxes* boxes = nullptr;
    Shell* shell = nullptr;
    DialogBackend* dialogs = nullptr;
    MediaDevice* media = nullptr;
    // Shows the settings window (non-modal, ownerless, one at a time); may be empty.
    std::function<void()> showSettings;
    // Recent files and the dialogs' starting folders; nullptr: nothing is remembered and the
    // dialogs start where the common dialog wrapper puts them.
    FileHistory* history = nullptr;
    // Shows the settings window on its ring-tone page; may be empty.
    std::function<void()> showRingToneSettings;

    // What the window's editor session borrows.
    SessionServices session() const { return {boxes, shell, dialogs, media, history}; }
};
