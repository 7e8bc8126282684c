#include "app/frmMenu.h"

#include "app/FileHistory.h"

#include <QAction>
#include <QMenu>

frmMenu::frmMenu(std::function<void(const QString&)> post, RecentFilesHooks recent)
    : QWidget(nullptr), post_(std::move(post)), recent_(std::move(recent))
{
    setWindowTitle(QStringLiteral("frmMenu"));
    menuFile = new QMenu(QStringLiteral("File"), this);
    menuOpen = item(menuFile, QStringLiteral("Open Audio File(&O)"), QStringLiteral("OpenFile"));
    menuSave = item(menuFile, QStringLiteral("Save RingTone(&S)"), QStringLiteral("SaveRingTone"));
    menuRecent = menuFile->addMenu(QStringLiteral("Recent Files(&R)"));
    connect(menuFile, &QMenu::aboutToShow, this, &frmMenu::refreshRecent);
    menuS = menuFile->addSeparator();
    menuExit = item(menuFile, QStringLiteral("Exit(&E)"), QStringLiteral("Exit"));

    menuTools = new QMenu(QStringLiteral("Tools"), this);
    menuRRC = item(menuTools, QStringLiteral("Random RingTone Cutter(&R)"), QStringLiteral("RRC"));
    menuSR = item(menuTools, QStringLiteral("Send RingTone to Friends(&S)"), QStringLiteral("SR"));

    menuSetting = new QMenu(QStringLiteral("Setting"), this);
    menuSettings = item(menuSetting, QStringLiteral("Setting(&S)"), QStringLiteral("Setting"));

    menuAbout = new QMenu(QStringLiteral("About"), this);
    menuA = item(menuAbout, QStringLiteral("About(&A)"), QStringLiteral("About"));
    menuHelp = item(menuAbout, QStringLiteral("Help(&H)"), QStringLiteral("Help"));
    refreshRecent();
}

QAction* frmMenu::item(QMenu* menu, const QString& caption, const QString& keyword)
{
    QAction* a = menu->addAction(caption);
    // Queued: the menu closes first, then the action runs (it may open dialogs of its own).
    connect(a, &QAction::triggered, this, [this, keyword] { post_(keyword); }, Qt::QueuedConnection);
    return a;
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
