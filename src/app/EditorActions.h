#pragma once
#include <QList>

class QAction;
class QObject;

// One QAction per command of the editor, shared by the menus, the buttons and the keyboard:
// each carries its menu caption and its shortcuts, and its member's name as its object name.
// Commands of the menus post their keyword (see keywordOf); the rest are connected to the
// session's slots. Owned by the object given to makeEditorActions.
struct EditorActions {
    // The menus' commands.
    QAction* open;
    QAction* closeFile;
    QAction* save;
    QAction* exit;
    QAction* randomCut;
    QAction* sendToFriends;
    QAction* settings;
    QAction* about;
    QAction* help;
    // Playing and the selection.
    QAction* playPause;
    QAction* play;
    QAction* stop;
    QAction* pause;
    QAction* setBegin;
    QAction* setEnd;
    QAction* playSelection;
    QAction* loopSelection;  // checkable
    QAction* undo;
    QAction* redo;
    // The playhead.
    QAction* toStart;
    QAction* toEnd;
    QAction* toSelectionBegin;
    QAction* toSelectionEnd;
    QAction* back1;
    QAction* forward1;
    QAction* back10;
    QAction* forward10;
    // One unit of the view's precision (Alt+Left / Alt+Right).
    QAction* backFine;
    QAction* forwardFine;
    // Hearing the cut's edges: 2 s from the begin (Shift+B), the 2 s up to the end (Shift+E).
    QAction* hearBegin;
    QAction* hearEnd;
    // The view.
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* zoomWhole;
    QAction* zoomSelection;
    // The selection helpers: the hook, trimming silence, and markers snapping to beats.
    QAction* findHook;
    QAction* trimSilence;
    QAction* snapToBeats;  // checkable
    // The menu bar's access keys: Alt+F, Alt+T, Alt+S, Alt+A.
    QAction* menus[4];
    // Esc: stops a running decode or save; the only command that works while one runs.
    QAction* stopJob;

    // Every action above, in this order.
    QList<QAction*> all() const;
};

// Makes the actions, owned by `owner`, with their captions and shortcuts; none is connected.
EditorActions makeEditorActions(QObject* owner);

// The command keyword a menu command posts ("OpenFile", "SaveRingTone", "Exit", "RRC", "SR",
// "Setting", "About", "Help"); empty for the other actions.
QString keywordOf(const EditorActions& actions, const QAction* action);

// A tool tip that names the shortcut: "Play (Space)"; the tip alone without one.
QString tipWithShortcut(const QString& tip, const QAction* action);

// A marker button's tip with the key that plays its edge: "Select Start Position (B)" and
// Shift+B give "Select Start Position (B; Shift+B: hear 2 s)"; the tip alone without a key.
QString withHearing(const QString& tip, const QAction* hear);
