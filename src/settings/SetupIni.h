#pragma once
#include <QString>
#include <cstdint>

// The two after-save settings. Only 0 switches an action on; -1 stands for "no selection".
struct AfterSaveSettings {
    std::int16_t openFolderAfterSave = 0;  // 0: open the output folder after a save
    std::int16_t playSoundAfterSave = 0;   // 0: play sound.wav after a save
};

// Reads setup.ini: two records, one per line; a blank line is a record that reads as 0. A missing
// or unreadable file gives 0, 0; a file with one record gives both settings its value; a value outside 16 bits leaves that setting 0;
// values are rounded half to even and text that is not a number reads as 0. Never fails.
AfterSaveSettings loadSetupIni(const QString& path);

// Parses the contents of a setup.ini as loadSetupIni does.
AfterSaveSettings parseSetupIni(const QByteArray& contents);

// Writes the two values as decimal lines ended by CR LF, in ASCII, replacing the file; missing
// folders above it are made first (mode 0700). Returns false when the file cannot be written; the old file is then left as it was.
bool storeSetupIni(const QString& path, const AfterSaveSettings& values);
