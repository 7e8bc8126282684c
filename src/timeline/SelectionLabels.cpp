#include "timeline/SelectionLabels.h"

#include "timeline/EditorModel.h"
#include "timeline/TimeText.h"

void writeBeginLabels(LabelSink& labels, std::int32_t begin, std::int32_t end)
{
    labels.setText(TimeLabel::SelBegin, formatTime(begin));
    labels.setText(TimeLabel::ViewBegin, labels.text(TimeLabel::SelBegin));
    if (static_cast<std::int64_t>(end) - begin >= 1)
        labels.setText(TimeLabel::SelLength, formatTime(end - begin));
    labels.setText(TimeLabel::ViewLength, labels.text(TimeLabel::SelLength));
}

void writeEndLabels(LabelSink& labels, std::int32_t begin, std::int32_t end)
{
    labels.setText(TimeLabel::SelEnd, formatTime(end));
    labels.setText(TimeLabel::ViewEnd, labels.text(TimeLabel::SelEnd));
    labels.setText(TimeLabel::SelLength, formatTime(static_cast<std::int32_t>(static_cast<std::int64_t>(end) - begin)));
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
        writeBeginLabels(labels, model.selection().begin, model.selection().end);
    });
    QObject::connect(&model, &EditorModel::endSet, context, [&model, &labels] {
        writeEndLabels(labels, model.selection().begin, model.selection().end);
    });
}
