#include "timeline/SelectionLabels.h"

#include "timeline/EditorModel.h"
#include "timeline/TimeText.h"

void writeBeginLabels(LabelSink& labels, std::int64_t beginMs, std::int64_t endMs)
{
    labels.setText(TimeLabel::SelBegin, formatTimeMs(beginMs));
    labels.setText(TimeLabel::ViewBegin, labels.text(TimeLabel::SelBegin));
    if (endMs > beginMs)
        labels.setText(TimeLabel::SelLength, formatTimeMs(endMs - beginMs));
    labels.setText(TimeLabel::ViewLength, labels.text(TimeLabel::SelLength));
}

void writeEndLabels(LabelSink& labels, std::int64_t beginMs, std::int64_t endMs)
{
    labels.setText(TimeLabel::SelEnd, formatTimeMs(endMs));
    labels.setText(TimeLabel::ViewEnd, labels.text(TimeLabel::SelEnd));
    labels.setText(TimeLabel::SelLength, formatTimeMs(endMs - beginMs));
    labels.setText(TimeLabel::ViewLength, labels.text(TimeLabel::SelLength));
}

void clearTimeLabels(LabelSink& labels)
{
    const QString zero = formatTime(0);
    for (TimeLabel l : {TimeLabel::Time, TimeLabel::SelBegin, TimeLabel::SelEnd, TimeLabel::SelLength,
                        TimeLabel::ViewBegin, TimeLabel::ViewEnd, TimeLabel::ViewLength})
        labels.setText(l, zero);
}

void connectSelectionLabels(EditorModel& model, LabelSink& labels, QObject* context)
{
    QObject::connect(&model, &EditorModel::beginSet, context, [&model, &labels] {
        writeBeginLabels(labels, model.selection().beginMs, model.selection().endMs);
    });
    QObject::connect(&model, &EditorModel::endSet, context, [&model, &labels] {
        writeEndLabels(labels, model.selection().beginMs, model.selection().endMs);
    });
}
