#pragma once
#include "settings/EffectsSettings.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class ConsoleRunner;
class MessageBoxes;

// Makes "Play selection" play what a save will hold: with a fade or loudness on, the transcoder
// renders the selection with the same filter chain into a private WAV, and that is played; with
// every effect off the decoded sound plays as it always did. Owns the preview WAV (replaced by
// each rendering, removed by discard() and when the object ends) and the console runner of its
// renderings; borrows the effects, which the settings window may change between two plays, and
// the message boxes.
class SelectionPreview {
public:
    SelectionPreview(MessageBoxes& boxes, QString coderPath, QString tempWav, QString previewWav,
                     const EffectsSettings& effects);
    ~SelectionPreview();
    SelectionPreview(const SelectionPreview&) = delete;
    SelectionPreview& operator=(const SelectionPreview&) = delete;

    // The sound to play for the selection [begin, end) in milliseconds: the empty text for the
    // decoded sound itself (every effect off, or no end set), the preview WAV once it is rendered,
    // nullopt when nothing should play (the rendering failed, and the user has been told why, or
    // one is still running). Runs the transcoder to its end, keeping the event loop running.
    std::optional<QString> prepare(std::int64_t beginMs, std::int64_t endMs);

    // Removes the preview WAV (the file it was made from is closed).
    void discard();

    // True while a rendering runs.
    bool isRendering() const;

private:
    MessageBoxes& boxes_;
    QString coderPath_;
    QString tempWav_;
    QString previewWav_;
    const EffectsSettings& effects_;
    std::unique_ptr<ConsoleRunner> runner_;
};
