#pragma once
// The main window's controls as a test reaches them: by their designed names (the object names
// the window gives them), and clicked as the user clicks them.
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "timeline/TimelinePanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <vector>

// The control named `name` (with the index appended for a control array); a failure when the
// window has none.
template <typename T = QWidget>
T* part(const frmMain& w, const QString& name, int index = -1)
{
    const QString full = index < 0 ? name : name + QString::number(index);
    T* c = w.findChild<T*>(full);
    if (!c)
        ADD_FAILURE() << "the window has no control " << full.toStdString();
    return c;
}

// Every control of an array, in index order.
inline std::vector<ImageControl*> parts(const frmMain& w, const QString& name, int count)
{
    std::vector<ImageControl*> all;
    for (int i = 0; i < count; ++i)
        all.push_back(part<ImageControl>(w, name, i));
    return all;
}

inline TimelinePanel* timelineOf(const frmMain& w) { return part<TimelinePanel>(w, QStringLiteral("picOpened")); }
inline QLabel* label(const frmMain& w, const char* name) { return part<QLabel>(w, QString::fromLatin1(name)); }

// A press and release of the left button in the middle of `c`, as the user clicks it.
inline void clickControl(QWidget* c)
{
    const QPointF at(c->width() / 2.0, c->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, c->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(c, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, c->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(c, &release);
}

// Panel button i (0 open or close, 1 save, 2 random cut, 4 send to friends, 5 settings, 6 help,
// 7 exit) and transport button i (0 play, 1 stop, 2 pause, 3 begin, 4 end, 5 play selection,
// 6 save), clicked.
inline void clickPanel(const frmMain& w, int index) { clickControl(part<ImageControl>(w, "imgButton", index)); }
inline void clickTransport(const frmMain& w, int index) { clickControl(part<ImageControl>(w, "imgCtrlButton", index)); }
inline void clickMenu(const frmMain& w, int index) { clickControl(part<ImageControl>(w, "imgMenu", index)); }
