#pragma once
// Records what a timeline panel tells assistive technology. Qt hands accessibility events to an
// update handler (QAccessible::installUpdateHandler) only while a platform bridge is active
// (QAccessible::isActive()), which the offscreen platform of the tests never has, so a handler
// would see nothing here: the log listens to the panel's announcer instead, which states every
// event it hands to Qt. The events on the real bus are checked by accessibility_bus_test.
#include "timeline/TimelineAccessible.h"
#include "timeline/TimelinePanel.h"

#include <QAccessible>
#include <QPointer>
#include <QVariant>
#include <gtest/gtest.h>
#include <vector>

struct AccessibleEventLog {
    struct Entry {
        QAccessible::Event type;
        QPointer<QObject> object;
        QVariant value;  // the new value of a value change
    };

    explicit AccessibleEventLog(TimelinePanel* panel)
    {
        entries().clear();
        auto* announcer = panel->findChild<TimelineAnnouncer*>();
        if (!announcer) {
            ADD_FAILURE() << "the timeline has no announcer";
            return;
        }
        QObject::connect(announcer, &TimelineAnnouncer::announced, panel,
                         [panel](QAccessible::Event type, const QVariant& value) {
                             entries().push_back({type, panel, value});
                         });
    }
    ~AccessibleEventLog() { entries().clear(); }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    // The values of the value changes of `object`, oldest first.
    std::vector<QVariant> valueChanges(const QObject* object) const
    {
        std::vector<QVariant> out;
        for (const Entry& e : entries())
            if (e.type == QAccessible::ValueChanged && e.object == object)
                out.push_back(e.value);
        return out;
    }
    int count(QAccessible::Event type, const QObject* object) const
    {
        int n = 0;
        for (const Entry& e : entries())
            n += e.type == type && e.object == object;
        return n;
    }
    void clear() { entries().clear(); }

    static std::vector<Entry>& entries()
    {
        static std::vector<Entry> log;
        return log;
    }
};
