#pragma once
// Records what the widgets tell assistive technology: while one of these lives, Qt's
// accessibility is on and every event goes to its log instead of a platform bridge.
#include <QAccessible>
#include <QPointer>
#include <QVariant>
#include <vector>

struct AccessibleEventLog {
    struct Entry {
        QAccessible::Event type;
        QPointer<QObject> object;
        QVariant value;  // the new value of a value change
    };

    AccessibleEventLog()
    {
        entries().clear();
        previous_ = QAccessible::installUpdateHandler(&record);
        QAccessible::setActive(true);
    }
    ~AccessibleEventLog()
    {
        QAccessible::installUpdateHandler(previous_);
        QAccessible::setActive(false);
        entries().clear();
    }
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

private:
    static void record(QAccessibleEvent* event)
    {
        Entry e{event->type(), event->object(), {}};
        if (event->type() == QAccessible::ValueChanged)
            e.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        entries().push_back(e);
    }

    QAccessible::UpdateHandler previous_ = nullptr;
};
