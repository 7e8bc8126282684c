#pragma once
#include "dialogs/DialogRules.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class QWidget;

// What a file dialog is asked to show.
struct FileRequest {
    QString title;
    QString directory;             // folder it opens in
    QString initialName;           // text in the name box (empty: none)
    QList<FilterEntry> filters;    // file types, in order
    int selectedFilter = 0;        // index into filters
    QString defaultSuffix;         // appended when the user types no extension (empty: none)
    bool confirmOverwrite = true;  // save dialogs ask before replacing a file
};

// What the font dialog starts with.
struct FontRequest {
    QString family;
    int pixelHeight = 0;  // character height at the screen's resolution; 0: the dialog's default
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// What the font dialog returns.
struct FontChoice {
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
};

// The standard dialogs, each modal to `owner` (none: to the application). Every call returns
// the user's choice, or nothing / false when the user cancelled or the dialog could not run.
// The window library implements it with Qt's dialogs; tests answer it themselves.
class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    virtual std::optional<QString> getOpenFileName(QWidget* owner, const FileRequest& request) = 0;
    virtual std::optional<QString> getSaveFileName(QWidget* owner, const FileRequest& request) = 0;
    // The custom colours start black at every call.
    virtual std::optional<QColor> getColor(QWidget* owner, const QColor& initial, bool fullOpen) = 0;
    virtual std::optional<FontChoice> getFont(QWidget* owner, const FontRequest& request) = 0;
    virtual std::optional<QString> getExistingDirectory(QWidget* owner, const QString& title) = 0;
    virtual bool print(QWidget* owner) = 0;
    virtual bool pageSetup(QWidget* owner) = 0;
};
