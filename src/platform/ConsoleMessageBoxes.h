#pragma once
#include "platform/MessageBoxes.h"

#include <cstdio>

// Message boxes for a run without a person: each message is written to `out` (standard error
// by default) as "title: text" and answered OK.
class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::FILE* out = stderr) : out_(out) {}
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

private:
    std::FILE* out_;
};
