// The main window's controls wired to their handlers: hover and pressed pictures, the hint
// line, dragging the window, the timeline handles, and the shutdown sequence.
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "app/AppIdentity.h"
#include "timeline/PlaybackController.h"
#include "timeline/TimelineInteraction.h"
#include "transcode/ConsoleRunner.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMouseEvent>

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
    connect(imgFeedback, &ImageControl::clicked, this, [this] {
        const QString to = QString::fromLatin1(kSupportAddress);
        openThroughShell(QStringLiteral("mailto:") + to + QStringLiteral("?subject=Feedback/Bug Report"),
                         QStringLiteral("Could not start a mail program. Please write to %1.").arg(to));
    });
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
        connect(imgButton[i], &ImageControl::mouseUp, this, [this] { state_.buttonHeld = kFalse; });
        connect(imgButton[i], &ImageControl::clicked, this, [this, i] { imgButton_Click(i); });
    }
    for (int i = 0; i < 7; ++i) {
        connect(imgCtrlButton[i], &ImageControl::mouseMove, this, [this, i] { buttonMove(true, i); });
        connect(imgCtrlButton[i], &ImageControl::mouseDown, this, [this, i] { buttonPress(true, i); });
        connect(imgCtrlButton[i], &ImageControl::mouseUp, this, [this] { state_.buttonHeld = kFalse; });
        connect(imgCtrlButton[i], &ImageControl::clicked, this, [this, i] { imgCtrlButton_Click(i); });
    }
    connect(lblVersion, &SkinLabel::mouseDown, this, [this] { beginWindowMove(); });
    auto* stopJob = new QAction(this);
    stopJob->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(stopJob, &QAction::triggered, this, &frmMain::stopRunningJob);
    addAction(stopJob);
    connect(&Timer2, &QTimer::timeout, this, &frmMain::Timer2_Timer);
    wireTimeline();
}

void frmMain::wireTimeline()
{
    struct MarkerWire {
        ImageControl* handle;
        MarkerHandle which;
    };
    for (const MarkerWire& m : {MarkerWire{imgSelectTop1, MarkerHandle::Top1}, MarkerWire{imgSelectBottom1, MarkerHandle::Bottom1},
                                MarkerWire{imgSelectTop2, MarkerHandle::Top2}, MarkerWire{imgSelectBottom2, MarkerHandle::Bottom2}}) {
        const MarkerHandle which = m.which;
        connect(m.handle, &ImageControl::mouseDown, this, [this, which](Qt::MouseButton, int x, int) {
            interaction_->markerPress(which, x);
        });
        connect(m.handle, &ImageControl::mouseMove, this, [this, which](Qt::MouseButtons, int x, int) {
            interaction_->markerMove(which, x);
            updateSelectionShade();
        });
        connect(m.handle, &ImageControl::mouseUp, this, [this, which](Qt::MouseButton, int, int) {
            interaction_->markerRelease(which);
        });
    }
    for (auto [handle, which] : {std::pair{imgTopPoint, PlayheadHandle::Top}, std::pair{imgBottomPoint, PlayheadHandle::Bottom}}) {
        const PlayheadHandle h = which;
        connect(handle, &ImageControl::mouseDown, this, [this, h](Qt::MouseButton, int x, int) {
            interaction_->playheadPress(h, x);
        });
        connect(handle, &ImageControl::mouseMove, this, [this, h](Qt::MouseButtons, int x, int) {
            interaction_->playheadMove(h, x);
        });
        connect(handle, &ImageControl::mouseUp, this, [this, h](Qt::MouseButton, int, int) {
            interaction_->playheadRelease(h);
            Timer2_Timer();  // place the playhead from the device at once
        });
    }
    auto* panel = static_cast<ImageControl*>(picOpened);
    connect(panel, &ImageControl::mouseDown, this, [this](Qt::MouseButton, int x, int) { interaction_->panelPress(x); });
    // Clicks on a boundary's line seek like clicks on the panel around it.
    for (QWidget* line : {imgLine, imgSelectLine1, imgSelectLine2})
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmMain::buttonMove(bool transport, int index)
{
    if (!isSet(state_.buttonHeld)) {
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
    state_.buttonHeld = kTrue;
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
    state_.buttonHeld = kFalse;
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
    if (!shuttingDown_ && !quitWithoutQuestion_ &&
        services_.boxes->show(QStringLiteral("Are you sure to quit?"), QStringLiteral("Exit"), MsgButtons::OkCancel,
                              MsgIcon::Warning) != MsgResult::Ok &&
        !shuttingDown_) {  // a quit signal may have arrived while the question was open
        event->ignore();
        return;
    }
    if (!shuttingDown_)
        shutDownNow();
    event->accept();
}

void frmMain::shutDownNow()
{
    shuttingDown_ = true;
    // A decode's WAV is ours and deleted anyway; a save's transcoder finishes the ring tone.
    objDOS->stop();
    services_.media->send(QStringLiteral("stop sound"));
    services_.media->send(QStringLiteral("close sound"));
    QApplication::processEvents();
    Timer2.stop();
    if (!objDOS1->isRunning() && QFile::exists(paths_.tempWav))
        QFile::remove(paths_.tempWav);
    unloadMenu();
    Q_EMIT shutDown();
}

void frmMain::quitWithoutAsking()
{
    if (shuttingDown_) {
        // Asked again while a save still runs: the user wants out now.
        objDOS1->stop();
        return;
    }
    quitWithoutQuestion_ = true;
    close();
    if (!shuttingDown_)
        shutDownNow();  // the window was not shown: close() sends no close event then
}

void frmMain::stopRunningJob()
{
    objDOS->stop();
    objDOS1->stop();
}
