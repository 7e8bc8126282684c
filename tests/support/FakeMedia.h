#pragma once
// A media device that records every command and answers status queries as the test sets them.
#include "platform/MediaDevice.h"

#include <QStringList>

class FakeMedia : public MediaDevice {
public:
    QStringList commands;
    QList<int> capacities;
    double lengthMs = 0;    // answered to "status sound length" while open
    double positionMs = 0;  // answered to "status sound position" while open
    bool open = false;

    MediaResult send(const QString& command, int replyCapacity = 128) override
    {
        commands << command;
        capacities << replyCapacity;
        if (command.startsWith("open ") && command.endsWith(" alias sound")) {
            open = true;
            return {0, {}};
        }
        if (command == "close sound") {
            const bool was = open;
            open = false;
            return {was ? 0 : 263, {}};
        }
        if (!open)
            return {263, {}};
        if (command == "status sound length")
            return {0, QString::number(lengthMs)};
        if (command == "status sound position")
            return {0, QString::number(positionMs)};
        return {0, {}};
    }
};
