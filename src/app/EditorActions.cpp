#include "app/EditorActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

namespace {

QAction* make(QObject* owner, const char* name, const QString& text, QList<QKeySequence> keys = {})
{
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setShortcutVisibleInContextMenu(true);
    return a;
}

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

}  // namespace

EditorActions makeEditorActions(QObject* owner)
{
    EditorActions a{};
    a.open = make(owner, "open", QCoreApplication::translate("EditorActions", "Open Audio File(&O)"), {ctrl(Qt::Key_O)});
    a.closeFile = make(owner, "closeFile", QCoreApplication::translate("EditorActions", "Close Audio File(&C)"), {ctrl(Qt::Key_W)});
    a.save = make(owner, "save", QCoreApplication::translate("EditorActions", "Save RingTone(&S)"), {ctrl(Qt::Key_S)});
    a.exit = make(owner, "exit", QCoreApplication::translate("EditorActions", "Exit(&E)"), {ctrl(Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)});
    a.randomCut = make(owner, "randomCut", QCoreApplication::translate("EditorActions", "Random RingTone Cutter(&R)"), {ctrl(Qt::Key_R)});
    a.sendToFriends = make(owner, "sendToFriends", QCoreApplication::translate("EditorActions", "Send RingTone to Friends(&S)"));
    a.settings = make(owner, "settings", QCoreApplication::translate("EditorActions", "Setting(&S)"));
    a.about = make(owner, "about", QCoreApplication::translate("EditorActions", "About(&A)"));
    a.help = make(owner, "help", QCoreApplication::translate("EditorActions", "Help(&H)"), {QKeySequence(Qt::Key_F1)});

    a.playPause = make(owner, "playPause", QCoreApplication::translate("EditorActions", "Play/Pause(&P)"), {QKeySequence(Qt::Key_Space)});
    a.play = make(owner, "play", QCoreApplication::translate("EditorActions", "Play"));
    a.stop = make(owner, "stop", QCoreApplication::translate("EditorActions", "Stop"));
    a.pause = make(owner, "pause", QCoreApplication::translate("EditorActions", "Pause"));
    a.setBegin = make(owner, "setBegin", QCoreApplication::translate("EditorActions", "Select Start Position(&B)"),
                      {QKeySequence(Qt::Key_B), QKeySequence(Qt::Key_BracketLeft)});
    a.setEnd = make(owner, "setEnd", QCoreApplication::translate("EditorActions", "Select End Position(&E)"),
                    {QKeySequence(Qt::Key_E), QKeySequence(Qt::Key_BracketRight)});
    a.playSelection = make(owner, "playSelection", QCoreApplication::translate("EditorActions", "Play Selected Section(&P)"), {QKeySequence(Qt::Key_P)});
    a.loopSelection = make(owner, "loopSelection", QCoreApplication::translate("EditorActions", "Loop Selected Section(&L)"), {QKeySequence(Qt::Key_L)});
    a.loopSelection->setCheckable(true);
    a.undo = make(owner, "undo", QCoreApplication::translate("EditorActions", "Undo Selection(&U)"), {ctrl(Qt::Key_Z)});
    a.redo = make(owner, "redo", QCoreApplication::translate("EditorActions", "Redo Selection(&D)"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ctrl(Qt::Key_Y)});

    a.toStart = make(owner, "toStart", QCoreApplication::translate("EditorActions", "Playhead to Start"), {QKeySequence(Qt::Key_Home)});
    a.toEnd = make(owner, "toEnd", QCoreApplication::translate("EditorActions", "Playhead to End"), {QKeySequence(Qt::Key_End)});
    a.toSelectionBegin = make(owner, "toSelectionBegin", QCoreApplication::translate("EditorActions", "Playhead to Selection Start"), {QKeySequence(Qt::SHIFT | Qt::Key_Home)});
    a.toSelectionEnd = make(owner, "toSelectionEnd", QCoreApplication::translate("EditorActions", "Playhead to Selection End"), {QKeySequence(Qt::SHIFT | Qt::Key_End)});
    a.back1 = make(owner, "back1", QCoreApplication::translate("EditorActions", "Back 1 Second"), {QKeySequence(Qt::Key_Left)});
    a.forward1 = make(owner, "forward1", QCoreApplication::translate("EditorActions", "Forward 1 Second"), {QKeySequence(Qt::Key_Right)});
    a.back10 = make(owner, "back10", QCoreApplication::translate("EditorActions", "Back 10 Seconds"), {QKeySequence(Qt::SHIFT | Qt::Key_Left)});
    a.forward10 = make(owner, "forward10", QCoreApplication::translate("EditorActions", "Forward 10 Seconds"), {QKeySequence(Qt::SHIFT | Qt::Key_Right)});

    a.backFine = make(owner, "backFine", QObject::tr("Back One Step"), {QKeySequence(Qt::ALT | Qt::Key_Left)});
    a.forwardFine = make(owner, "forwardFine", QObject::tr("Forward One Step"), {QKeySequence(Qt::ALT | Qt::Key_Right)});
    a.hearBegin = make(owner, "hearBegin", QObject::tr("Hear the Start, 2 s(&B)"), {QKeySequence(Qt::SHIFT | Qt::Key_B)});
    a.hearEnd = make(owner, "hearEnd", QObject::tr("Hear the End, 2 s(&E)"), {QKeySequence(Qt::SHIFT | Qt::Key_E)});

    // Ctrl+= is Ctrl++ without Shift on most layouts; both zoom in.
    a.zoomIn = make(owner, "zoomIn", QCoreApplication::translate("EditorActions", "Zoom In(&I)"), {ctrl(Qt::Key_Equal), ctrl(Qt::Key_Plus)});
    a.zoomOut = make(owner, "zoomOut", QCoreApplication::translate("EditorActions", "Zoom Out(&O)"), {ctrl(Qt::Key_Minus)});
    a.zoomWhole = make(owner, "zoomWhole", QCoreApplication::translate("EditorActions", "Whole File(&W)"), {ctrl(Qt::Key_0)});
    a.zoomSelection = make(owner, "zoomSelection", QCoreApplication::translate("EditorActions", "Zoom to Selection(&Z)"), {ctrl(Qt::Key_E)});

    a.findHook = make(owner, "findHook", QCoreApplication::translate("EditorActions", "Find the Hook(&H)"), {QKeySequence(Qt::Key_H)});
    a.trimSilence = make(owner, "trimSilence", QCoreApplication::translate("EditorActions", "Trim Silence(&T)"), {QKeySequence(Qt::Key_T)});
    a.snapToBeats = make(owner, "snapToBeats", QCoreApplication::translate("EditorActions", "Snap to Beats(&N)"));
    a.snapToBeats->setCheckable(true);

    const Qt::Key letters[4] = {Qt::Key_F, Qt::Key_T, Qt::Key_S, Qt::Key_A};
    for (int i = 0; i < 4; ++i)
        a.menus[i] = make(owner, "menu", QString(), {QKeySequence(Qt::ALT | letters[i])});
    a.stopJob = make(owner, "stopJob", QCoreApplication::translate("EditorActions", "Stop the Transcoder"), {QKeySequence(Qt::Key_Escape)});
    return a;
}

QList<QAction*> EditorActions::all() const
{
    return {open, closeFile, save, exit, randomCut, sendToFriends, settings, about, help,
            playPause, play, stop, pause, setBegin, setEnd, playSelection, loopSelection, undo, redo,
            toStart, toEnd, toSelectionBegin, toSelectionEnd, back1, forward1, back10, forward10,
            backFine, forwardFine, hearBegin, hearEnd,
            zoomIn, zoomOut, zoomWhole, zoomSelection, findHook, trimSilence, snapToBeats, menus[0], menus[1], menus[2], menus[3], stopJob};
}

QString keywordOf(const EditorActions& a, const QAction* action)
{
    const std::pair<const QAction*, const char*> table[] = {
        {a.open, "OpenFile"}, {a.save, "SaveRingTone"}, {a.exit, "Exit"}, {a.randomCut, "RRC"},
        {a.sendToFriends, "SR"}, {a.settings, "Setting"}, {a.about, "About"}, {a.help, "Help"}};
    for (const auto& [act, keyword] : table)
        if (act == action)
            return QString::fromLatin1(keyword);
    return {};
}

QString tipWithShortcut(const QString& tip, const QAction* action)
{
    if (!action || action->shortcut().isEmpty())
        return tip;
    return tip + QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
}

QString withHearing(const QString& tip, const QAction* hear)
{
    if (!hear || hear->shortcut().isEmpty())
        return tip;
    const QString key = hear->shortcut().toString(QKeySequence::NativeText);
    const QString hearing = QObject::tr("%1: hear 2 s").arg(key);
    if (tip.endsWith(QLatin1Char(')')))
        return tip.chopped(1) + QStringLiteral("; ") + hearing + QLatin1Char(')');
    return tip + QStringLiteral(" (") + hearing + QLatin1Char(')');
}
