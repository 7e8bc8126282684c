#pragma once
#include <QString>

// Removes the decoded WAVs that earlier runs left in the private folder `tempDir` when they
// were killed or cut off: every "open-<pid>.wav" (the decoded sound) and "preview-<pid>.wav" (a
// selection played with its effects) whose pid is not a live process of this user
// that runs this program (same process name as this one). This instance's own WAV and every
// other file stay; a folder that is not private to this user is not touched. Returns how many
// files it removed.
int removeStaleWavs(const QString& tempDir);
