#pragma once
#include "timeline/SelectionLabels.h"

#include <QLabel>
#include <array>

// The time label rules writing to the window's real labels. Owns no labels.
class WidgetLabelSink : public LabelSink {
public:
    // `labels` in the order of TimeLabel.
    explicit WidgetLabelSink(const std::array<QLabel*, 7>& labels) : labels_(labels) {}
    void setText(TimeLabel label, const QString& text) override { labels_[static_cast<int>(label)]->setText(text); }
    QString text(TimeLabel label) const override { return labels_[static_cast<int>(label)]->text(); }

private:
    std::array<QLabel*, 7> labels_;
};
