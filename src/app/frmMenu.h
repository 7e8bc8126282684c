#pragma once
#include <QPoint>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;

// The never-shown window that owns the four pop-up menus of the menu bar. A chosen item posts
// its command keyword through the function it was given; the menus know no action themselves.
// Owns its menus and their items.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    explicit frmMenu(std::function<void(const QString&)> post);

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
    QAction* menuSave;
    QAction* menuS;
    QAction* menuExit;
    QAction* menuRRC;
    QAction* menuSR;
    QAction* menuSettings;
    QAction* menuA;
    QAction* menuHelp;

private:
    QAction* item(QMenu* menu, const QString& caption, const QString& keyword);
    std::function<void(const QString&)> post_;
};
