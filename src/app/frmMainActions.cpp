// The main window's commands: the panel and transport rows, the command field and its keyword
// dispatcher, the pop-up menus under the menu bar, the actions (menus, shortcuts) connected to
// the session, and the tool tips that name the shortcuts.
#include "app/ImageControl.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "editor/EditorSession.h"
#include "editor/SelectionHelpers.h"
#include "settings/EffectsSettings.h"
#include "timeline/EditorModel.h"
#include "timeline/TimelinePanel.h"

#include <QAction>
#include <QLineEdit>

namespace {
const char* const kPanelTips[8] = {QT_TRANSLATE_NOOP("frmMain", "Open a Media File"), QT_TRANSLATE_NOOP("frmMain", "Save Music"), QT_TRANSLATE_NOOP("frmMain", "Random Music Cutter"), "",
                                   QT_TRANSLATE_NOOP("frmMain", "Send Music to Your Friends"), QT_TRANSLATE_NOOP("frmMain", "Settings"), QT_TRANSLATE_NOOP("frmMain", "Help"), QT_TRANSLATE_NOOP("frmMain", "Exit")};
const char* const kTransportTips[7] = {QT_TRANSLATE_NOOP("frmMain", "Play"), QT_TRANSLATE_NOOP("frmMain", "Stop"), QT_TRANSLATE_NOOP("frmMain", "Pause"), QT_TRANSLATE_NOOP("frmMain", "Select Start Position"),
                                       QT_TRANSLATE_NOOP("frmMain", "Select End Position"), QT_TRANSLATE_NOOP("frmMain", "Play Selected Section"), QT_TRANSLATE_NOOP("frmMain", "Save Music")};
}  // namespace

// ---- Panel and transport rows ----

void frmMain::imgButton_Click(int index)
{
    EditorSession& s = *session_;
    switch (index) {
    case 0: s.openOrCloseFile(); break;
    case 1: s.save(); break;
    case 2: s.randomCut(); break;
    case 4: s.sendToFriends(); break;
    case 5: s.showSettings(); break;
    case 6: s.openHelp(); break;
    case 7: s.exit(); break;
    default: break;
    }
}

void frmMain::imgCtrlButton_Click(int index)
{
    EditorSession& s = *session_;
    switch (index) {
    case 0: s.play(); break;
    case 1: s.stop(); break;
    case 2: s.pause(); break;
    case 3: s.setBegin(); break;
    case 4: s.setEnd(); break;
    case 5: s.playSelection(); break;
    case 6: s.save(); break;
    default: break;
    }
}

// ---- The command field ----

void frmMain::postAction(const QString& keyword)
{
    // Every choice is dispatched, also when it repeats the text already in the field.
    txtAction->setText(keyword);
    txtAction_Change();
}

void frmMain::txtAction_Change()
{
    const QString text = txtAction->text();
    if (text == QLatin1String("About"))
        session_->showAbout();
    if (text == QLatin1String("Exit"))
        closeWindow();
    const std::pair<const char*, int> panel[] = {{"RRC", 2}, {"SR", 4},           {"Help", 6},
                                                 {"OpenFile", 0}, {"SaveRingTone", 1}, {"Setting", 5}};
    for (const auto& [keyword, index] : panel)
        if (text == QLatin1String(keyword))
            imgButton_Click(index);
}

// ---- Menus ----

frmMenu& frmMain::menuWindow()
{
    if (!menu_) {
        menu_ = std::make_unique<frmMenu>(
            actions_, RecentFilesHooks{[this] { return session_->recentFiles(); },
                                       [this](const QString& name) { session_->openRecentFile(name); }});
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
    if (index < 0 || index > 3 || !imgMenu[size_t(index)]->isEnabled())
        return;
    const QRect r = imgMenu[size_t(index)]->geometry();
    menuWindow().popup(index, mapToGlobal(QPoint(r.x(), r.y() + r.height())));
}

void frmMain::closeWindow()
{
    unloadMenu();
    close();
}

// ---- Actions ----

void frmMain::wireActions()
{
    const EditorActions& a = actions_;
    EditorSession* s = session_.get();
    // Menu commands post their keyword once the menu (or the key) is done, as a menu item does.
    for (QAction* act : a.all()) {
        const QString keyword = keywordOf(a, act);
        if (!keyword.isEmpty())
            connect(act, &QAction::triggered, this, [this, keyword] { postAction(keyword); }, Qt::QueuedConnection);
    }
    connect(a.closeFile, &QAction::triggered, s, &EditorSession::closeFile);
    connect(a.playPause, &QAction::triggered, s, &EditorSession::playPause);
    connect(a.play, &QAction::triggered, s, &EditorSession::play);
    connect(a.stop, &QAction::triggered, s, &EditorSession::stop);
    connect(a.pause, &QAction::triggered, s, &EditorSession::pause);
    connect(a.setBegin, &QAction::triggered, s, &EditorSession::setBegin);
    connect(a.setEnd, &QAction::triggered, s, &EditorSession::setEnd);
    connect(a.playSelection, &QAction::triggered, s, &EditorSession::playSelection);
    connect(a.loopSelection, &QAction::toggled, s, &EditorSession::setLooping);
    connect(a.undo, &QAction::triggered, s, &EditorSession::undo);
    connect(a.redo, &QAction::triggered, s, &EditorSession::redo);
    connect(&s->model(), &EditorModel::historyChanged, this, [this] {
        actions_.undo->setEnabled(session_->model().canUndo());
        actions_.redo->setEnabled(session_->model().canRedo());
    });
    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    connect(a.toStart, &QAction::triggered, s, [s] { s->movePlayheadTo(PlayheadTarget::Start); });
    connect(a.toEnd, &QAction::triggered, s, [s] { s->movePlayheadTo(PlayheadTarget::End); });
    connect(a.toSelectionBegin, &QAction::triggered, s, [s] { s->movePlayheadTo(PlayheadTarget::SelectionBegin); });
    connect(a.toSelectionEnd, &QAction::triggered, s, [s] { s->movePlayheadTo(PlayheadTarget::SelectionEnd); });
    connect(a.back1, &QAction::triggered, s, [s] { s->movePlayheadBy(-1); });
    connect(a.forward1, &QAction::triggered, s, [s] { s->movePlayheadBy(1); });
    connect(a.back10, &QAction::triggered, s, [s] { s->movePlayheadBy(-10); });
    connect(a.forward10, &QAction::triggered, s, [s] { s->movePlayheadBy(10); });
    connect(a.backFine, &QAction::triggered, s, [s] { s->nudgePlayheadFine(-1); });
    connect(a.forwardFine, &QAction::triggered, s, [s] { s->nudgePlayheadFine(1); });
    connect(a.hearBegin, &QAction::triggered, s, &EditorSession::playBeginEdge);
    connect(a.hearEnd, &QAction::triggered, s, &EditorSession::playEndEdge);
    connect(a.zoomIn, &QAction::triggered, s, &EditorSession::zoomIn);
    connect(a.zoomOut, &QAction::triggered, s, &EditorSession::zoomOut);
    connect(a.zoomWhole, &QAction::triggered, s, &EditorSession::showWholeFile);
    connect(a.zoomSelection, &QAction::triggered, s, &EditorSession::zoomToSelection);
    for (int i = 0; i < 4; ++i)
        connect(a.menus[i], &QAction::triggered, this, [this, i] { imgMenu_Click(i); }, Qt::QueuedConnection);
    connect(a.stopJob, &QAction::triggered, s, &EditorSession::stopRunningJob);
    wireSelectionHelpers();

    // Every command's shortcut works anywhere in the window.
    addActions(a.all());
    setButtonTips();
}

void frmMain::wireSelectionHelpers()
{
    const EditorActions& a = actions_;
    EditorSession* s = session_.get();
    connect(a.findHook, &QAction::triggered, s, &EditorSession::findHook);
    connect(a.trimSilence, &QAction::triggered, s, &EditorSession::trimSilence);
    connect(&s->selectionHelpers(), &SelectionHelpers::beatsChanged, picOpened, &TimelinePanel::setBeats);
    // Snapping is kept with the effects, in effects.ini.
    a.snapToBeats->setChecked(s->effects().snapToBeats);
    picOpened->setSnapToBeats(s->effects().snapToBeats);
    connect(a.snapToBeats, &QAction::toggled, this, [this](bool on) {
        session_->effects().snapToBeats = on;
        storeEffectsIni(paths_.effectsIni(), session_->effects());
        picOpened->setSnapToBeats(on);
    });
}

void frmMain::setButtonTips()
{
    const EditorActions& a = actions_;
    const QAction* panel[8] = {a.open, a.save, a.randomCut, nullptr, a.sendToFriends, a.settings, a.help, a.exit};
    const QAction* transport[7] = {a.playPause, nullptr, a.playPause, a.setBegin, a.setEnd, a.playSelection, a.save};
    for (int i = 0; i < 8; ++i)
        if (*kPanelTips[i])
            imgButton[size_t(i)]->setToolTip(tipWithShortcut(tr(kPanelTips[i]), panel[i]));
    for (int i = 0; i < 7; ++i)
        imgCtrlButton[size_t(i)]->setToolTip(tipWithShortcut(tr(kTransportTips[i]), transport[i]));
    // The markers' buttons also name the key that plays their edge.
    for (const auto& [i, hear] : {std::pair{3, a.hearBegin}, std::pair{4, a.hearEnd}})
        imgCtrlButton[size_t(i)]->setToolTip(withHearing(imgCtrlButton[size_t(i)]->toolTip(), hear));
}
