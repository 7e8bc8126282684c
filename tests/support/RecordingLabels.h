#pragma once
// A label sink that keeps each label's text and the order of the writes ("<label>=<text>").
// Labels never written read as "00:00:00", as the window's labels start.
#include "timeline/SelectionLabels.h"

#include <QStringList>
#include <map>

class RecordingLabels : public LabelSink {
public:
    std::map<TimeLabel, QString> texts;
    QStringList writes;
    void setText(TimeLabel l, const QString& t) override
    {
        texts[l] = t;
        writes << QString::number(static_cast<int>(l)) + "=" + t;
    }
    QString text(TimeLabel l) const override
    {
        auto it = texts.find(l);
        return it == texts.end() ? QString("00:00:00") : it->second;
    }
};
