#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The ring-tone effects: a fade in, a fade out and a loudness target. All start off, so that a
// save runs the very command line it ran before they existed. Kept with them: whether dragged
// markers snap to the beats (off at first; it changes no save).
struct EffectsSettings {
    int fadeInMs = 0;      // 0: off; else one of fadeChoicesMs()
    int fadeOutMs = 0;     // 0: off; else one of fadeChoicesMs()
    int loudnessLufs = 0;  // 0: off; else one of loudnessChoicesLufs()
    bool snapToBeats = false;

    // Whether any effect is on (snapping is none).
    bool any() const { return fadeInMs > 0 || fadeOutMs > 0 || loudnessLufs != 0; }
    bool operator==(const EffectsSettings&) const = default;
};

// The fade lengths offered, in milliseconds, "off" (0) first: 0, 500, 1000, 2000, 3000.
QList<int> fadeChoicesMs();
// The loudness targets offered, in LUFS, "off" (0) first and then the one offered when loudness
// is turned on: 0, -16 (phones), -14 (streaming), -23 (EBU R 128).
QList<int> loudnessChoicesLufs();
// The true-peak ceiling whenever loudness is on, in dBTP.
inline constexpr int kTruePeakCeiling = -1;

// effects.ini beside setup.ini, in the same folder (which is where SettingsLocation put
// setup.ini), so that setup.ini keeps exactly its two lines for every TuneSnip that reads it.
QString effectsIniBeside(const QString& setupIniPath);

// Reads effects.ini: up to four records, one per line (fade in in ms, fade out in ms, loudness
// in LUFS, snapping to beats 1 or 0), each a plain decimal integer. A missing record, a value
// that is not offered or text that is not a number reads as off. Never fails.
EffectsSettings parseEffectsIni(const QByteArray& contents);
EffectsSettings loadEffectsIni(const QString& path);

// Writes the records, each ended by CR LF, in ASCII (the fourth only while snapping is on, so
// that the file is as before unless it is used), replacing the file; missing folders
// above it are made first (mode 0700). Returns false when it cannot be written; the old file is
// then left as it was.
bool storeEffectsIni(const QString& path, const EffectsSettings& values);

// The effects in a few words for the main window, "Fade 1 s · −16 LUFS" (one fade length for two equal
// fades, "Fade in 0.5 s · Fade out 2 s" for two different ones, a lone fade named by its side); the
// empty text when every effect is off.
QString effectsSummary(const EffectsSettings& effects);
