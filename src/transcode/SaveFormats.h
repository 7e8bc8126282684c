#pragma once
#include <QString>

#include <span>

// The formats a cut can be saved in, in the order of the save dialog: the four first formats
// (MP3, WMA, WAV, AMR) with their own command-line options, then the ring-tone formats of
// today's phones (M4R for iPhone, M4A, OGG, FLAC).
struct SaveFormat {
    const char* key;          // the extension in lower case: "mp3"
    const char* description;  // the save dialog's entry: "MP3 Files(*.mp3)"
    const char* options;      // the transcoder's options before the output name, blanks around
};

// Every format, in the dialog's order.
std::span<const SaveFormat> saveFormats();

// The format an output name asks for, by the window's rule: its last three characters (blanks
// around the name removed) in capitals, "MP3", "WMA", "WAV" or "AMR" first, then "M4R", "M4A"
// or "OGG", else its last four, "FLAC". So "Ring.Mp3" and "ringmp3" are MP3 as they always were,
// and "tone.flac" is FLAC. nullptr for any other name.
const SaveFormat* saveFormatFor(const QString& outputPath);

// The save dialog's list: "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|...|FLAC Files(*.flac)|*.flac".
QString saveDialogFilter();

// The extensions for a message: ".mp3, .wma, .wav, .amr, .m4r, .m4a, .ogg or .flac".
QString saveExtensionsText();
