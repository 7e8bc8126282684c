#pragma once
// A media device that records every command and answers status queries as the test sets them.
#include "platform/MediaDevice.h"

#include <QMap>
#include <QSet>
#include <QStringList>

class FakeMedia : public MediaDevice {
public:
    QStringList commands;
    QList<int> capacities;
    double lengthMs = 0;    // answered to "status sound length" while open
    double positionMs = 0;  // answered to "status sound position" while open
    bool open = false;      // "sound" is open
    QSet<QString> others;   // other aliases that are open ("chime")
    QString chimeMode = QStringLiteral("playing");  // answered to "status chime mode"
    QMap<QString, int> openFailures;                  // alias -> error code its "open" returns

    MediaResult send(const QString& command, int replyCapacity = 128) override
    {
        commands << command;
        capacities << replyCapacity;
        // The word after "alias" names it ("open <path> alias sound growing"); else the last word.
        const QStringList words = command.split(QLatin1Char(' '));
        const qsizetype at = words.lastIndexOf(QStringLiteral("alias"));
        const QString alias = at >= 0 && at + 1 < words.size() ? words[at + 1] : words.last();
        if (command.startsWith("open ") && command.contains(" alias ")) {
            if (openFailures.contains(alias))
                return {openFailures.value(alias), {}};
            if ((alias == "sound" && open) || others.contains(alias))
                return {289, {}};  // as the real device: an alias is opened once
            if (alias == "sound")
                open = true;
            else
                others.insert(alias);
            return {0, {}};
        }
        if (command == "close sound") {
            const bool was = open;
            open = false;
            return {was ? 0 : 263, {}};
        }
        if (command.startsWith("close "))
            return {others.remove(alias) ? 0 : 263, {}};
        if (command == "status chime mode")
            return others.contains("chime") ? MediaResult{0, chimeMode} : MediaResult{263, {}};
        if (command.contains(" chime"))
            return {others.contains("chime") ? 0 : 263, {}};
        if (!open)
            return {263, {}};
        if (command == "status sound length")
            return {0, QString::number(lengthMs)};
        if (command == "status sound position")
            return {0, QString::number(positionMs)};
        return {0, {}};
    }
};
