// The main window's command field and menus: the keyword dispatcher, the pop-up menus under the
// menu bar, the shortcuts shared with them, and the tool tips that name the shortcuts.
#include "editor/AppIdentity.h"
#include "app/EditorController.h"
#include "app/ImageControl.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"

#include <QAction>
#include <QLineEdit>

namespace {
const char* const kPanelTips[8] = {"Open a Media File", "Save Music", "Random Music Cutter", "",
                                   "Send Music to Your Friends", "Settings", "Help", "Exit"};
const char* const kTransportTips[7] = {"Play", "Stop", "Pause", "Select Start Position",
                                       "Select End Position", "Play Selected Section", "Save Music"};
}  // namespace

frmMenu& frmMain::menuWindow()
{
    if (!menu_) {
        menu_ = std::make_unique<frmMenu>(
            controller_->actions(),
            RecentFilesHooks{[this] { return controller_->recentFiles(); },
                             [this](const QString& name) { controller_->openRecentFile(name); }});
    }
    return *menu_;
}

void frmMain::unloadMenu()
{
    // The menu window may be on the call stack (an item's handler): let the event loop delete it.
    if (menu_)
        menu_.release()->deleteLater();
}

void frmMain::imgMenu_Click(int index)
{
    if (index < 0 || index > 3 || !imgMenu[index]->isEnabled())
        return;
    const QRect r = imgMenu[index]->geometry();
    const float x = static_cast<float>(r.x());
    const float y = static_cast<float>(r.y()) + static_cast<float>(r.height());
    menuWindow().popup(index, mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y))));
}

void frmMain::postAction(const QString& keyword)
{
    // Every choice is dispatched, also when it repeats the text already in the field.
    txtAction->setText(keyword);
    txtAction_Change();
}

void frmMain::txtAction_Change()
{
    controller_->dispatch(txtAction->text());
}

void frmMain::closeWindow()
{
    unloadMenu();
    close();
}

void frmMain::wireShortcuts()
{
    // Every command's shortcut works anywhere in the window.
    addActions(controller_->actions().all());
    setButtonTips();
}

void frmMain::setButtonTips()
{
    const EditorActions& a = controller_->actions();
    const QAction* panel[8] = {a.open, a.save, a.randomCut, nullptr, a.sendToFriends, a.settings, a.help, a.exit};
    const QAction* transport[7] = {a.playPause, nullptr, a.playPause, a.setBegin, a.setEnd, a.playSelection, a.save};
    for (int i = 0; i < 8; ++i)
        if (*kPanelTips[i])
            imgButton[i]->setToolTip(tipWithShortcut(QString::fromLatin1(kPanelTips[i]), panel[i]));
    for (int i = 0; i < 7; ++i)
        imgCtrlButton[i]->setToolTip(tipWithShortcut(QString::fromLatin1(kTransportTips[i]), transport[i]));
}
