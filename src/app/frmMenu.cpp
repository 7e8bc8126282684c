#include "app/frmMenu.h"

#include "app/EditorActions.h"
#include "editor/FileHistory.h"

#include <QAction>
#include <QMenu>

frmMenu::frmMenu(const EditorActions& a, RecentFilesHooks recent) : QWidget(nullptr), recent_(std::move(recent))
{
    setWindowTitle(QStringLiteral("frmMenu"));
    menuFile = new QMenu(tr("File"), this);
    menuFile->addAction(menuOpen = a.open);
    menuFile->addAction(menuClose = a.closeFile);
    menuFile->addAction(menuSave = a.save);
    menuRecent = menuFile->addMenu(tr("Recent Files(&R)"));
    connect(menuFile, &QMenu::aboutToShow, this, &frmMenu::refreshRecent);
    menuS = menuFile->addSeparator();
    menuFile->addAction(menuExit = a.exit);

    menuTools = new QMenu(tr("Tools"), this);
    menuTools->addAction(menuRRC = a.randomCut);
    menuTools->addAction(menuSR = a.sendToFriends);
    // The selection's history, the view, the loop and the selection helpers, after the designed
    // items.
    for (QAction* item : std::initializer_list<QAction*>{nullptr, a.undo, a.redo, nullptr, a.zoomIn, a.zoomOut, a.zoomSelection, a.zoomWhole, nullptr,
                          a.loopSelection, a.hearBegin, a.hearEnd, nullptr, a.findHook, a.trimSilence, a.snapToBeats}) {
        if (item)
            menuTools->addAction(item);
        else
            menuTools->addSeparator();
    }

    menuSetting = new QMenu(tr("Setting"), this);
    menuSetting->addAction(menuSettings = a.settings);

    menuAbout = new QMenu(tr("About"), this);
    menuAbout->addAction(menuA = a.about);
    menuAbout->addAction(menuHelp = a.help);
    refreshRecent();
}

void frmMenu::refreshRecent()
{
    menuRecent->clear();
    const QStringList files = recent_.files ? recent_.files() : QStringList();
    for (int i = 0; i < files.size(); ++i) {
        QAction* a = menuRecent->addAction(recentMenuCaption(i, files[i]));
        const QString file = files[i];
        connect(a, &QAction::triggered, this, [this, file] {
            if (recent_.open)
                recent_.open(file);
        }, Qt::QueuedConnection);
    }
    menuRecent->menuAction()->setEnabled(!files.isEmpty());
}

QMenu* frmMenu::menuAt(int index) const
{
    switch (index) {
    case 0: return menuFile;
    case 1: return menuTools;
    case 2: return menuSetting;
    case 3: return menuAbout;
    default: return nullptr;
    }
}

void frmMenu::popup(int index, const QPoint& globalPos)
{
    if (QMenu* m = menuAt(index))
        m->exec(globalPos);
}
