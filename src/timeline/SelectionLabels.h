#pragma once
#include <QString>
#include <cstdint>

class EditorModel;
class QObject;

// The time labels of the main window.
enum class TimeLabel { Time, SelBegin, SelEnd, SelLength, ViewBegin, ViewEnd, ViewLength };

// Where the label rules write: the window implements it over its QLabels, tests record it.
class LabelSink {
public:
    virtual ~LabelSink() = default;
    virtual void setText(TimeLabel label, const QString& text) = 0;
    virtual QString text(TimeLabel label) const = 0;
};

// Times in milliseconds, written as formatTimeMs() shows them ("00:00:12", "00:00:12.35").
// After the begin changed: begin label, its view copy, then the length label only when the end
// lies after the begin, then always the view copy of the length label.
void writeBeginLabels(LabelSink& labels, std::int64_t beginMs, std::int64_t endMs);

// After the end changed: end label and its view copy, then the length label and its copy.
void writeEndLabels(LabelSink& labels, std::int64_t beginMs, std::int64_t endMs);

// Sets lblTime and the six selection labels to "00:00:00".
void clearTimeLabels(LabelSink& labels);

// Writes the selection labels whenever the model's rules set the begin or the end, in the order
// above. `context` ends the connection when it is destroyed; `labels` must live as long.
void connectSelectionLabels(EditorModel& model, LabelSink& labels, QObject* context);
