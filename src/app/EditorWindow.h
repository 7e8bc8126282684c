#pragma once
#include <QString>

// What the editor's controller asks of the window that shows it: the progress panels, the
// timeline panel, the file-name label, the controls a run disables, the menus and closing.
// The main window implements it; tests may record it.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;
    // The decode progress panel: shown over the window, hidden; its bar (0 to 1) and percent text.
    virtual void showDecodeProgress(bool shown) = 0;
    virtual void setDecodeProgress(double fraction, const QString& text) = 0;
    // The save progress panel, the same way.
    virtual void showSaveProgress(bool shown) = 0;
    virtual void setSaveProgress(double fraction, const QString& text) = 0;
    // The timeline panel, shown once a file is decoded.
    virtual void showTimeline(bool shown) = 0;
    virtual QString fileCaption() const = 0;
    virtual void setFileCaption(const QString& caption) = 0;
    // The panel, transport and menu-bar buttons and the timeline; they are off while a run lasts.
    virtual void setControlsEnabled(bool enabled) = 0;
    // Brings the window forward (back from a dialog), so that Esc reaches it during a run.
    virtual void takeFocus() = 0;
    // Writes a command keyword into the command field, whose dispatcher then runs it.
    virtual void postCommand(const QString& keyword) = 0;
    // Pops up menu i of the menu bar (0 File, 1 Tools, 2 Setting, 3 About).
    virtual void popupMenu(int index) = 0;
    // Closes the window through its shutdown sequence (which asks first).
    virtual void closeWindow() = 0;
};
