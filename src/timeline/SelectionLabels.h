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

// After selBeginSeconds changed: begin label, its view copy, then the length label only when
// end - begin >= 1, then always the view copy of the length label.
void writeBeginLabels(LabelSink& labels, std::int32_t begin, std::int32_t end);

// After selEndSeconds changed: end label and its view copy, then the length label and its copy.
void writeEndLabels(LabelSink& labels, std::int32_t begin, std::int32_t end);

// Sets lblTime and the six selection labels to "00:00:00".
void clearTimeLabels(LabelSink& labels);

// Writes the selection labels whenever the model's rules set the begin or the end, in the order
// above. `context` ends the connection when it is destroyed; `labels` must live as long.
void connectSelectionLabels(EditorModel& model, LabelSink& labels, QObject* context);
