#pragma once
#include <QString>

#include <functional>
#include <optional>

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
    // The room left where the decoded sound goes (bytes, nullopt when unknown); empty: the file
    // system is asked (freeBytes).
    std::function<std::optional<qint64>(const QString& folder)> freeSpace = {};
};
