#pragma once
// Recording stand-ins for the seams: they answer as told and remember what they were asked.
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QStringList>
#include <deque>
#include <vector>

struct ShownMessage {
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;  // answers used in order; Ok when empty
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        if (answers.empty())
            return MsgResult::Ok;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
};

class RecordingShell : public Shell {
public:
    QStringList opened;
    bool succeeds = true;  // false: as a desktop without a program for the target
    bool open(const QString& target) override
    {
        opened << target;
        return succeeds;
    }
};
