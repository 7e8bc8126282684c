#pragma once
#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;
struct EditorActions;

// Where the File menu's recent files come from and what choosing one does; either may be empty.
struct RecentFilesHooks {
    std::function<QStringList()> files;        // newest first
    std::function<void(const QString&)> open;  // runs after the menu has closed
};

// The never-shown window that owns the four pop-up menus of the menu bar. Its items are the
// editor's shared commands (their owner keeps them; each carries its caption and shortcut and
// posts its own keyword when chosen): the menus know no action themselves. Owns its menus.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    explicit frmMenu(const EditorActions& actions, RecentFilesHooks recent = {});

    // The pop-up of menu-bar name i (0 File, 1 Tools, 2 Setting, 3 About); null for others.
    QMenu* menuAt(int index) const;
    // Shows menu i with its top-left corner at `globalPos` and returns when an item was chosen
    // or the menu dismissed.
    void popup(int index, const QPoint& globalPos);

    QMenu* menuFile;
    QMenu* menuTools;
    QMenu* menuSetting;
    QMenu* menuAbout;
    QAction* menuOpen;
    QAction* menuClose;
    QAction* menuSave;
    QMenu* menuRecent;  // "Recent Files", refilled each time the File menu opens
    QAction* menuS;
    QAction* menuExit;
    QAction* menuRRC;
    QAction* menuSR;
    QAction* menuSettings;
    QAction* menuA;
    QAction* menuHelp;

    // Refills menuRecent from the hooks: one entry per file, disabled when there is none.
    void refreshRecent();

private:
    RecentFilesHooks recent_;
};
