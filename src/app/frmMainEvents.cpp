// The main window's controls wired to their handlers: hover and pressed pictures, the hint
// line, dragging the window, and the shutdown sequence.
#include "editor/AppIdentity.h"
#include "editor/EditorSession.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "platform/MessageBoxes.h"
#include "timeline/TimelinePanel.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include <algorithm>

void frmMain::wireControls()
{
    connect(imgExit, &ImageControl::mouseMove, this, [this] {
        imgExit->setPicture(imgExitLight->picture());
        imgMin->clearPicture();
    });
    connect(imgMin, &ImageControl::mouseMove, this, [this] {
        imgMin->setPicture(imgMinLight->picture());
        imgExit->clearPicture();
        lblText->setText(imgMin->toolTip());
    });
    connect(imgOpen, &ImageControl::mouseMove, this,
            [this] { imgOpen->setPicture(imgGettingStartedLight->picture()); });
    connect(imgExit, &ImageControl::clicked, this, [this] { close(); });
    connect(imgMin, &ImageControl::clicked, this, [this] { showMinimized(); });
    connect(imgOpen, &ImageControl::clicked, this, [this] { imgButton_Click(0); });
    connect(imgFeedback, &ImageControl::clicked, session_.get(), &EditorSession::sendFeedback);
    for (int i = 0; i < 4; ++i) {
        connect(imgMenu[i], &ImageControl::mouseMove, this, [this, i] {
            for (ImageControl* m : imgMenu)
                m->clearPicture();
            imgMenu[i]->setPicture(imgMenuData[i]->picture());
        });
        connect(imgMenu[i], &ImageControl::clicked, this, [this, i] { imgMenu_Click(i); });
    }
    for (int i = 0; i < 8; ++i) {
        connect(imgButton[i], &ImageControl::mouseMove, this, [this, i] { buttonMove(false, i); });
        connect(imgButton[i], &ImageControl::mouseDown, this, [this, i] { buttonPress(false, i); });
        connect(imgButton[i], &ImageControl::mouseUp, this, [this] { buttonHeld_ = false; });
        connect(imgButton[i], &ImageControl::clicked, this, [this, i] { imgButton_Click(i); });
    }
    for (int i = 0; i < 7; ++i) {
        connect(imgCtrlButton[i], &ImageControl::mouseMove, this, [this, i] { buttonMove(true, i); });
        connect(imgCtrlButton[i], &ImageControl::mouseDown, this, [this, i] { buttonPress(true, i); });
        connect(imgCtrlButton[i], &ImageControl::mouseUp, this, [this] { buttonHeld_ = false; });
        connect(imgCtrlButton[i], &ImageControl::clicked, this, [this, i] { imgCtrlButton_Click(i); });
    }
    connect(lblVersion, &SkinLabel::mouseDown, this, [this] { beginWindowMove(); });
    connect(lblEffects, &SkinLabel::mouseDown, this, [this] {
        if (services_.showRingToneSettings)
            services_.showRingToneSettings();
    });
    // Tab walks the panel row, the transport row with the selection's typed times (left to right
    // as they stand) and the timeline's markers.
    QWidget* previous = nullptr;
    const std::initializer_list<QWidget*> typed{lblSelBegin, lblSelEnd, lblSelLength};
    for (QWidget* w : std::initializer_list<QWidget*>{imgButton[0], imgButton[1], imgButton[2], imgButton[4], imgButton[5], imgButton[6], imgButton[7],
                       imgCtrlButton[0], imgCtrlButton[1], imgCtrlButton[2], imgCtrlButton[3], imgCtrlButton[4],
                       imgCtrlButton[5], lblSelBegin, lblSelEnd, lblSelLength, imgCtrlButton[6], static_cast<QWidget*>(picOpened)}) {
        if (std::find(typed.begin(), typed.end(), w) != typed.end())
            w->setFocusPolicy(Qt::StrongFocus);  // a click takes them too: it starts typing
        else if (w != picOpened)
            w->setFocusPolicy(Qt::TabFocus);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void frmMain::showEvent(QShowEvent* event)
{
    SkinnedWindow::showEvent(event);
    // The window keeps the keyboard focus itself until Tab brings it to a control, so that a
    // button never takes Space or Enter from the window's shortcuts without the user's doing.
    if (!focusWidget())
        setFocus(Qt::OtherFocusReason);
}

void frmMain::buttonMove(bool transport, int index)
{
    if (!buttonHeld_) {
        if (transport) {
            for (ImageControl* b : imgCtrlButton)
                b->clearPicture();
            imgCtrlButton[index]->setPicture(imgCtrlButtonLight[index]->picture());
        } else {
            for (ImageControl* b : imgButton)
                b->clearPicture();
            imgButton[index]->setPicture(imgButtonData[index]->picture());
        }
    }
    lblText->setText(transport ? imgCtrlButton[index]->toolTip() : imgButton[index]->toolTip());
}

void frmMain::buttonPress(bool transport, int index)
{
    if (transport)
        imgCtrlButton[index]->setPicture(imgCtrlButtonPress[index]->picture());
    else
        imgButton[index]->clearPicture();
    buttonHeld_ = true;
}

void frmMain::backgroundMove()
{
    for (ImageControl* c : {imgExit, imgMin, imgOpen})
        c->clearPicture();
    for (ImageControl* c : imgButton)
        c->clearPicture();
    for (ImageControl* c : imgMenu)
        c->clearPicture();
    for (ImageControl* c : imgCtrlButton)
        c->clearPicture();
    lblText->setText(QString());
    buttonHeld_ = false;
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    // Only presses on the bare background reach the window itself: every control takes its own.
    beginWindowMove();
    event->accept();
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    if (isManualMoveActive()) {
        SkinnedWindow::mouseMoveEvent(event);
        return;
    }
    backgroundMove();
    event->accept();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!session_->isShuttingDown() && !quitWithoutQuestion_ &&
        services_.boxes->show(session_->quitQuestion(), tr("Exit"), MsgButtons::OkCancel,
                              MsgIcon::Warning) != MsgResult::Ok &&
        !session_->isShuttingDown()) {  // a quit signal may have arrived while the question was open
        event->ignore();
        return;
    }
    if (!session_->isShuttingDown())
        shutDownNow();
    event->accept();
}

void frmMain::shutDownNow()
{
    session_->shutDown();
    unloadMenu();
    Q_EMIT shutDown();
}

void frmMain::quitWithoutAsking()
{
    if (session_->isShuttingDown())
        return;
    quitWithoutQuestion_ = true;
    close();
    if (!session_->isShuttingDown())
        shutDownNow();  // the window was not shown: close() sends no close event then
}
