// The session's commands: playing and the selection, the playhead and the view, the timeline's
// pointer, the random cutter, the documents the desktop opens (help, mail) and quitting.
// Opening, closing and saving: SessionFiles.cpp.
#include "editor/EditorSession.h"

#include "dialogs/CCommonDialogs.h"
#include "editor/AppIdentity.h"
#include "editor/FileHistory.h"
#include "editor/PlaybackController.h"
#include "editor/SelectionHelpers.h"
#include "platform/ChildOutput.h"
#include "platform/Language.h"
#include "platform/WavFile.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "timeline/RandomCut.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeParse.h"
#include "timeline/TimeText.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/SelectionPreview.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>

EditorSession::EditorSession(const AppPaths& paths, const SessionServices& services, LabelSink& labels,
                             QObject* parent)
    : QObject(parent), paths_(paths), services_(services), labels_(labels)
{
    if (QFile::exists(paths_.setupIni()))
        settings_ = loadSetupIni(paths_.setupIni());
    effects_ = loadEffectsIni(paths_.effectsIni());
    caption_ = tr(kNoFileCaption);
    objDOS_ = new ConsoleRunner(*services_.boxes, this);
    objDOS1_ = new ConsoleRunner(*services_.boxes, this);
    connect(objDOS_, &ConsoleRunner::ReceiveOutputs, this, &EditorSession::decodeOutput);
    connect(objDOS_, &ConsoleRunner::CommandOver, this, &EditorSession::decodeOver);
    connect(objDOS1_, &ConsoleRunner::ReceiveOutputs, this, &EditorSession::saveOutput);
    connect(objDOS1_, &ConsoleRunner::CommandOver, this, &EditorSession::saveOver);
    commonDialogs_ = std::make_unique<CCommonDialogs>(*services_.dialogs, paths_.appDir);
    commonDialogs_->Init(nullptr);
    playback_ = std::make_unique<PlaybackController>(
        state_, model_, *services_.media, labels_, paths_.tempWav, [] { QCoreApplication::processEvents(); },
        [this](const QString& why) { warn(why, QString::fromLatin1(kProductName)); });
    // With fades or loudness on, "Play selection" plays the selection as a save will write it.
    preview_ = std::make_unique<SelectionPreview>(*services_.boxes, paths_.coder(), paths_.tempWav, paths_.previewWav,
                                                  effects_);
    playback_->setSelectionSound([this](std::int64_t begin, std::int64_t end) { return preview_->prepare(begin, end); });
    connect(this, &EditorSession::fileClosed, this, [this] { preview_->discard(); });
    connectSelectionLabels(model_, labels_, this);
    makeSelectionHelpers();
    if (FileHistory* history = services_.history) {
        connect(this, &EditorSession::fileOpened, this, [history](const QString& name) { history->noteOpened(name); });
        connect(this, &EditorSession::fileClosed, this, [history] { history->noteClosed(); });
    }
    random_.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    // The poll runs with the session; it parks the playhead until a sound is open.
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, &EditorSession::poll);
    poll_.start();
}

EditorSession::~EditorSession()
{
    poll_.stop();
}

bool EditorSession::isBusy() const
{
    return (objDOS_->isRunning() && !following_) || objDOS1_->isRunning();
}

void EditorSession::setBusy(bool busy)
{
    Q_EMIT busyChanged(busy);
}

void EditorSession::setCaption(const QString& caption)
{
    caption_ = caption;
    Q_EMIT fileCaptionChanged(caption_);
}

QStringList EditorSession::recentFiles() const
{
    return services_.history ? services_.history->recentFiles() : QStringList();
}

// ---- Playing and the selection ----

void EditorSession::play()
{
    // Nothing would sound from the very end: say so rather than play nothing.
    if (isFileOpen() && playback_->isCued() && !isSet(state_.playPaused) && model_.duration() > 0 &&
        model_.playheadSeconds() >= model_.duration()) {
        Q_EMIT hint(tr("The playhead is at the end of the file: press Home to play from the start."));
        return;
    }
    playback_->play();
}

void EditorSession::stop()
{
    playback_->stop();
}

void EditorSession::pause()
{
    playback_->pause();
}

void EditorSession::playPause()
{
    if (playback_->isPlaying())
        playback_->pause();
    else
        play();
}

void EditorSession::setBegin()
{
    if (!model_.setBeginAtPlayhead())
        Q_EMIT hint(tr("The begin was not set: it must lie before the end (%1). Move the playhead back.")
                        .arg(formatTimeMs(model_.selection().endMs)));
}

void EditorSession::setEnd()
{
    if (!model_.setEndAtPlayhead())
        Q_EMIT hint(tr("The end was not set: it must not lie before the begin (%1). Move the playhead on.")
                        .arg(formatTimeMs(model_.selection().beginMs)));
}

void EditorSession::playSelection()
{
    if (waitsForDecode(tr("Playing the selection waits until the file is decoded.")))
        return;
    playback_->playSelection();
}

namespace {
// How much of a cut's edge the edge keys play.
constexpr Millis kEdgeMs = 2000;
}

void EditorSession::playBeginEdge()
{
    if (!isFileOpen())
        return;
    const Millis from = model_.markerMs(Boundary::Begin);
    const Millis to = std::min(from + kEdgeMs, model_.editableEndMs());
    if (looping_)
        setLooping(false);
    playback_->playRange(from, to);
}

void EditorSession::playEndEdge()
{
    if (!isFileOpen())
        return;
    const Millis to = std::min(model_.markerMs(Boundary::End), model_.editableEndMs());
    if (looping_)
        setLooping(false);
    playback_->playRange(std::max(Millis(0), to - kEdgeMs), to);
}

void EditorSession::setLooping(bool looping)
{
    if (looping_ == looping)
        return;
    if (looping && waitsForDecode(tr("Looping the selection waits until the file is decoded."))) {
        Q_EMIT loopingChanged(false);  // a toggle that was turned on turns off again
        return;
    }
    looping_ = looping;
    playback_->setLooping(looping);
    Q_EMIT loopingChanged(looping);
    if (looping && !(playback_->isPlaying() && isSet(state_.playingSelection)))
        playSelection();
}

void EditorSession::undo()
{
    model_.undo();
}

void EditorSession::redo()
{
    model_.redo();
}

// ---- The playhead and the view ----

void EditorSession::seekToMs(std::int64_t ms)
{
    playback_->seekToMs(ms);
}

void EditorSession::afterKeyboardMove(std::int64_t ms)
{
    if (playback_->isPlaying())
        seekToMs(ms);
    else
        playback_->cuePlayhead();
}

void EditorSession::movePlayheadBy(std::int32_t seconds)
{
    afterKeyboardMove(model_.movePlayheadByMs(Millis(seconds) * kMsPerSecond));
}

void EditorSession::nudgePlayheadFine(int direction)
{
    const Millis step = model_.precisionMs();
    afterKeyboardMove(model_.movePlayheadByMs(direction < 0 ? -step : step));
}

void EditorSession::movePlayheadTo(PlayheadTarget target)
{
    afterKeyboardMove(model_.movePlayheadTo(target));
}

void EditorSession::zoomIn()
{
    model_.zoomAround(model_.keyboardAnchor(), 2);
}

void EditorSession::zoomOut()
{
    model_.zoomAround(model_.keyboardAnchor(), 0.5);
}

void EditorSession::showWholeFile()
{
    model_.showWholeFile();
}

void EditorSession::zoomToSelection()
{
    model_.zoomToSelection();
}

void EditorSession::takePlayhead()
{
    poll_.stop();  // the poll does not fight the drag
    playback_->stopAndClose();
}

void EditorSession::releasePlayheadMs(std::int64_t ms)
{
    poll_.start();
    seekToMs(ms);
    poll();  // the playhead from the device at once
}

void EditorSession::pressTrack(double panelX)
{
    const Millis t = msUnderPointer(model_.view(), model_.soundEnd(), panelX, model_.precisionMs());
    model_.setPlayhead(secondsOf(t));
    seekToMs(t);
}

QString EditorSession::applyTypedTime(TimeField field, const QString& text)
{
    const std::optional<Millis> t = parseTime(text);
    const TypedTimeError e = t ? model_.setTypedTime(field, *t) : TypedTimeError::NotATime;
    switch (e) {
    case TypedTimeError::None: return {};
    case TypedTimeError::NotATime:
        return tr("Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, "
                  "minutes and seconds (1:02:03.5).");
    case TypedTimeError::PastEnd:
        return tr("The file ends at %1.").arg(formatTimeMs(model_.lengthMs()));
    case TypedTimeError::EndNotAfterBegin:
        return tr("The end must lie after the begin (%1).").arg(formatTimeMs(model_.markerMs(Boundary::Begin)));
    case TypedTimeError::BeginNotBeforeEnd:
        return tr("The begin must lie before the end (%1).").arg(formatTimeMs(model_.markerMs(Boundary::End)));
    }
    return {};
}

QString EditorSession::typedTimeText(TimeField field) const
{
    const Millis begin = model_.markerMs(Boundary::Begin);
    const Millis end = model_.markerMs(Boundary::End);
    switch (field) {
    case TimeField::Begin: return formatTimeMs(begin);
    case TimeField::End: return formatTimeMs(end);
    case TimeField::Length: return formatTimeMs(end - begin);
    }
    return {};
}

void EditorSession::poll()
{
    followDecode();  // a transcoder that prints nothing more once its header is out
    updateDecodedEnd();
    playback_->poll();
}

// ---- Random cutter, mail, help, about, settings ----

void EditorSession::warn(const QString& text, const QString& title)
{
    services_.boxes->show(text, title, MsgButtons::Ok, MsgIcon::Warning);
}

void EditorSession::randomCut()
{
    if (waitsForDecode(tr("The random cutter waits until the file is decoded."))) {
        // said in the hint line
    } else if (model_.duration() <= 0) {
        warn(tr("Please play the music first"), tr("warning"));
    } else if (const std::optional<RandomCut> cut = ::randomCut(model_.duration(), random_)) {
        model_.applyRandomCut(cut->begin, cut->end);
    } else {
        warn(tr("This sound is too short for a random ring tone of more than five seconds."),
             tr("warning"));
    }
    if (!shuttingDown_)
        Q_EMIT focusWanted();
}

void EditorSession::showAbout()
{
    const QString version = QStringLiteral("%1 %2.%3.%4")
                                .arg(QString::fromLatin1(kProductName))
                                .arg(TUNESNIP_VERSION_MAJOR)
                                .arg(TUNESNIP_VERSION_MINOR)
                                .arg(TUNESNIP_VERSION_PATCH);
    services_.boxes->show(version + QStringLiteral("\r\n") + QString::fromUtf8(kOwnershipLine) + QStringLiteral("\r\n") +
                              QString::fromLatin1(kWebAddress),
                          tr("About"), MsgButtons::Ok, MsgIcon::None);
}

void EditorSession::openThroughShell(const QString& target, const QString& failureText)
{
    if (!services_.shell->open(target))
        services_.boxes->show(failureText, QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
}

void EditorSession::sendToFriends()
{
    const QString to = QString::fromLatin1(kFriendAddress);
    openThroughShell(QStringLiteral("mailto:") + to +
                         QStringLiteral("?subject=") + tr("I ve cut music by TuneSnip!") + QStringLiteral("&body=") +
                         tr("I ve cut music by TuneSnip! You can see more detail here: ") +
                         QString::fromLatin1(kWebAddress),
                     tr("Could not start a mail program for a message to %1.").arg(to));
}

void EditorSession::sendFeedback()
{
    const QString to = QString::fromLatin1(kSupportAddress);
    openThroughShell(QStringLiteral("mailto:") + to + QStringLiteral("?subject=") + tr("Feedback/Bug Report"),
                     tr("Could not start a mail program. Please write to %1.").arg(to));
}

void EditorSession::openHelp()
{
    const QString page = localizedFile(paths_.helpFile(), QLocale());  // the page of the program's language
    openThroughShell(page, tr("Could not open the help page \"%1\": no program to show it was found.").arg(page));
}

void EditorSession::showSettings()
{
    Q_EMIT settingsRequested();
}

void EditorSession::exit()
{
    Q_EMIT closeRequested();
}

// ---- Quitting ----

QString EditorSession::quitQuestion() const
{
    if (objDOS1_->isRunning())
        return tr("Saving \"%1\" is not finished.\r\nQuit anyway? The save stops and the file is left as it "
                              "was before.")
            .arg(savePath_);
    return tr("Are you sure to quit?");
}

void EditorSession::shutDown()
{
    shuttingDown_ = true;
    // A decode's WAV is ours and deleted anyway. A save is stopped at once: the transcoder
    // writes its output whole or not at all, so the target stays as it was and no part is left.
    objDOS_->stop();
    objDOS1_->stop();
    services_.media->send(QStringLiteral("stop sound"));
    services_.media->send(QStringLiteral("close sound"));
    QCoreApplication::processEvents();
    poll_.stop();
    if (!objDOS1_->isRunning() && QFile::exists(paths_.tempWav))
        QFile::remove(paths_.tempWav);
}

void EditorSession::stopRunningJob()
{
    objDOS_->stop();
    objDOS1_->stop();
    helpers_->cancel();
}
