// The main window's actions: the panel, the transport row, the command keywords, the random
// cutter and the documents the desktop opens (help, mail). Opening and saving: frmMainFiles.cpp.
#include "app/AppIdentity.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"
#include "timeline/PlaybackController.h"
#include "timeline/RandomCut.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineInteraction.h"
#include "timeline/WidgetTimelineBoard.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/ProgressParsing.h"
#include "transcode/TranscodeCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <chrono>
#include <cmath>

namespace {
// Draws of the random cutter before it gives up on a selection of more than five seconds.
constexpr int kRandomCutDraws = 1000;
}

void frmMain::imgButton_Click(int index)
{
    switch (index) {
    case 0: openOrCloseFile(); break;
    case 1: saveRingTone(); break;
    case 2: randomCut(); break;
    case 4: sendToFriends(); break;
    case 5:
        if (services_.showSettings)
            services_.showSettings();
        break;
    case 6: openHelp(); break;
    case 7: close(); break;
    default: break;
    }
}

void frmMain::imgCtrlButton_Click(int index)
{
    switch (index) {
    case 0: playback_->play(); break;
    case 1: playback_->stop(); break;
    case 2: playback_->pause(); break;
    case 3: playback_->setBeginAtPlayhead(); break;
    case 4: playback_->setEndAtPlayhead(); break;
    case 5: playback_->playSelection(); break;
    case 6: imgButton_Click(1); break;
    default: break;
    }
}

void frmMain::Timer2_Timer()
{
    playback_->poll();
    if (txtFullTime->text() != state_.txtFullTime)
        txtFullTime->setText(state_.txtFullTime);
    updateSelectionShade();
}

void frmMain::updateSelectionShade()
{
    const bool shown = !imgSelectLine1->isHidden() && !imgSelectLine2->isHidden() &&
                       imgSelectLine2->x() > imgSelectLine1->x() + 1;
    if (shown) {
        imgSelection->setGeometry(imgSelectLine1->x() + 1, imgSelection->y(),
                                  imgSelectLine2->x() - imgSelectLine1->x() - 1, imgSelection->height());
        imgSelection->stackUnder(imgSelectLine1);
    }
    imgSelection->setVisible(shown);
}

// ---- Command menu and keywords ----

frmMenu& frmMain::menuWindow()
{
    if (!menu_)
        menu_ = std::make_unique<frmMenu>([this](const QString& keyword) { postAction(keyword); },
                                          RecentFilesHooks{[this] { return recentFiles(); },
                                                           [this](const QString& name) { openRecentFile(name); }});
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
    if (index < 0 || index > 3)
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
    if (txtAction->text() == QLatin1String("About"))
        showAbout();
    if (txtAction->text() == QLatin1String("Exit")) {
        unloadMenu();
        close();
    }
    if (txtAction->text() == QLatin1String("RRC"))
        imgButton_Click(2);
    if (txtAction->text() == QLatin1String("SR"))
        imgButton_Click(4);
    if (txtAction->text() == QLatin1String("Help"))
        imgButton_Click(6);
    if (txtAction->text() == QLatin1String("OpenFile"))
        imgButton_Click(0);
    if (txtAction->text() == QLatin1String("SaveRingTone"))
        imgButton_Click(1);
    if (txtAction->text() == QLatin1String("Setting"))
        imgButton_Click(5);
}

void frmMain::showAbout()
{
    services_.boxes->show(QString::fromUtf8(kOwnershipLine) + QStringLiteral("\r\n") + QString::fromLatin1(kWebAddress),
                          QStringLiteral("About"), MsgButtons::Ok, MsgIcon::None);
}

void frmMain::openThroughShell(const QString& target, const QString& failureText)
{
    if (!services_.shell->open(target))
        services_.boxes->show(failureText, QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
}

void frmMain::sendToFriends()
{
    const QString to = QString::fromLatin1(kFriendAddress);
    openThroughShell(QStringLiteral("mailto:") + to +
                         QStringLiteral("?subject=I ve cut music by TuneSnip!&body=I ve cut music by TuneSnip! "
                                        "You can see more detail here: ") +
                         QString::fromLatin1(kWebAddress),
                     QStringLiteral("Could not start a mail program for a message to %1.").arg(to));
}

void frmMain::openHelp()
{
    openThroughShell(paths_.helpFile(),
                     QStringLiteral("Could not open the help page \"%1\": no program to show it was found.")
                         .arg(paths_.helpFile()));
}

// ---- Progress bars and the controls a save disables ----

void frmMain::setBar(ImageControl* bar, int fullWidth, double fraction)
{
    const int w = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * fullWidth));
    bar->resize(w, bar->height());
}

void frmMain::setControlsEnabled(bool enabled)
{
    for (ImageControl* c : imgButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgCtrlButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgMenu)
        c->setEnabled(enabled);
}

// ---- Random cutter ----

void frmMain::randomCut()
{
    const double full = state_.fullSeconds();
    if (!(full > 0)) {
        services_.boxes->show(QStringLiteral("Please play the music first"), QStringLiteral("warning"), MsgButtons::Ok,
                              MsgIcon::Warning);
        return;
    }
    random_.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    // Each draw is one that the drag rules keep longer than five seconds; the bound only guards.
    for (int draw = 0; draw < kRandomCutDraws; ++draw) {
        const std::optional<RandomCutPlaces> places = drawRandomCut(full, random_);
        if (!places)
            break;
        for (TimelinePic p : {TimelinePic::SelectTop2, TimelinePic::SelectTop1, TimelinePic::SelectLine1,
                              TimelinePic::SelectLine2, TimelinePic::SelectBottom1, TimelinePic::SelectBottom2})
            board_->setVisible(p, true);
        // The begin marker leaves the way first, so that where it stood cannot push the end.
        for (TimelinePic p : {TimelinePic::SelectTop1, TimelinePic::SelectBottom1})
            board_->setLeft(p, 0);
        board_->setLeft(TimelinePic::SelectLine1, kLineOffset);
        // Each marker is moved by nothing and released, so the drag rules apply to its new place.
        board_->setLeft(TimelinePic::SelectTop2, places->endLeft);
        state_.dragActive = kTrue;
        interaction_->markerMove(MarkerHandle::Top2, state_.dragAnchorX);
        interaction_->markerRelease(MarkerHandle::Top2);
        board_->setLeft(TimelinePic::SelectTop1, places->beginLeft);
        state_.dragActive = kTrue;
        interaction_->markerMove(MarkerHandle::Top1, state_.dragAnchorX);
        interaction_->markerRelease(MarkerHandle::Top1);
        if (static_cast<std::int64_t>(state_.selEndSeconds) - state_.selBeginSeconds > 5)
            return;
    }
    services_.boxes->show(QStringLiteral("This sound is too short for a random ring tone of more than five seconds."),
                          QStringLiteral("warning"), MsgButtons::Ok, MsgIcon::Warning);
}
