#pragma once
#include <QString>

// Hands a document, a folder or a link (mailto:, file path) to the desktop's default program.
// Returns false when nothing could open it; callers ignore the result like a shell would.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QString& target) = 0;
};

// The real shell: QDesktopServices::openUrl. Local paths become file URLs; "mailto:" links
// are passed on as written.
class DesktopShell : public Shell {
public:
    bool open(const QString& target) override;
};
