#pragma once
#include <QString>

#include <cstdint>

class MessageBoxes;

// How long a ring tone may be on the phone it is made for. Only an iPhone ring tone (.m4r, by
// the window's rule of names) has limits: it plays up to 30 seconds and takes none over 40.
enum class PhoneLength {
    Fits,     // any other format, or an M4R of at most 30 seconds
    Long,     // an M4R of 31 to 40 seconds: the phone cuts it short
    TooLong,  // an M4R over 40 seconds: the phone refuses it
};

inline constexpr std::int32_t kIphonePlaysSeconds = 30;
inline constexpr std::int32_t kIphoneTakesSeconds = 40;

PhoneLength phoneLength(const QString& outputPath, std::int32_t lengthSeconds);

// Before a save: asks "iPhone plays ring tones of up to 30 seconds…" for a Long one (Yes saves),
// tells how long it may be for a TooLong one. Returns whether the save may go on.
bool confirmPhoneLength(MessageBoxes& boxes, const QString& outputPath, std::int32_t lengthSeconds);
