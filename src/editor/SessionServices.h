#pragma once

class MessageBoxes;
class Shell;
class DialogBackend;
class MediaDevice;
class FileHistory;

// The desktop services an editor session talks to; tests pass recording stand-ins. The session
// borrows them: they must outlive it.
struct SessionServices {
    MessageBoxes* boxes = nullptr;
    Shell* shell = nullptr;
    DialogBackend* dialogs = nullptr;
    MediaDevice* media = nullptr;
    // Recent files and the dialogs' starting folders; nullptr: nothing is remembered and the
    // dialogs start where the common dialog wrapper puts them.
    FileHistory* history = nullptr;
};
