#pragma once
#include "editor/AppPaths.h"
#include "editor/EditorState.h"
#include "editor/SessionServices.h"
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "timeline/EditorModel.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <random>

class CCommonDialogs;
class ConsoleRunner;
struct ChildOutput;
class WavFile;
class LabelSink;
class PlaybackController;
class SelectionHelpers;
class SelectionPreview;

// What a window session is, without a widget: the open file and its decoded sound, the editor's
// model and flags, playback and its 100 ms poll, the two transcoder runs (decoding, saving), the
// common dialogs, the after-save settings and the ring-tone effects. Every command is one slot;
// what the window shows is told by typed signals. Owns the model, the flags, the playback
// controller, the runners, the dialogs, the selection helpers and the poll timer; borrows the
// labels it writes the times to and the desktop services.
class EditorSession : public QObject {
    Q_OBJECT
public:
    EditorSession(const AppPaths& paths, const SessionServices& services, LabelSink& labels,
                  QObject* parent = nullptr);
    ~EditorSession() override;

    const AppPaths& paths() const { return paths_; }
    EditorModel& model() { return model_; }
    const EditorModel& model() const { return model_; }
    EditorState& state() { return state_; }
    PlaybackController& playback() { return *playback_; }
    CCommonDialogs& commonDialogs() { return *commonDialogs_; }
    AfterSaveSettings& settings() { return settings_; }
    EffectsSettings& effects() { return effects_; }
    // The two transcoder runs: decoding a file (objDOS) and saving a cut (objDOS1).
    ConsoleRunner& decodeRunner() { return *objDOS_; }
    ConsoleRunner& saveRunner() { return *objDOS1_; }
    // Finding the hook and trimming silence on the open file's sound.
    SelectionHelpers& selectionHelpers() { return *helpers_; }
    // The playback poll (100 ms); it runs from the start.
    QTimer& pollTimer() { return poll_; }

    bool isFileOpen() const { return isSet(state_.fileIsOpen); }
    // A save runs, or a decode whose sound cannot be followed yet: every command but Esc and
    // quitting rests. While a decode is followed (isDecoding) the file can be played and marked.
    bool isBusy() const;
    // A decode runs and the part of the sound it has written is open for playing and marking;
    // saving, the random cutter and the selection's playback wait until it is done.
    bool isDecoding() const { return following_; }
    bool isShuttingDown() const { return shuttingDown_; }
    // The caption of the path box: the open file's path, or "No file open".
    const QString& fileCaption() const { return caption_; }
    // The output path of the last save that was started.
    const QString& savePath() const { return savePath_; }
    QStringList recentFiles() const;
    // The question the window asks before it quits: "Are you sure to quit?", or, while a save
    // runs, one that names the file being saved and tells that quitting stops the save.
    QString quitQuestion() const;

public Q_SLOTS:
    // ---- Files ----
    // Panel button 0: closes the open file (after asking), else opens one through the dialog.
    void openOrCloseFile();
    // "Current Audio file will be closed, are you sure?"; nothing when no file is open.
    void closeFile();
    // Opens `name` as if it had been chosen in the open dialog (command line, drop, recent
    // files): an open file is offered for closing first, and a name that is no file gives the
    // open dialog's "File not found" message. Does nothing while the transcoder runs. Returns
    // true when `name` is open afterwards.
    bool openGivenFile(const QString& name);
    // A recent file: one that no longer exists is dropped from the list, then it is opened.
    void openRecentFile(const QString& name);
    // Saves the selection through the save dialog and the transcoder (panel button 1).
    void save();
    // Stops a running decode or save (Esc): its transcoder is ended and the run is handled like
    // a failed one, without a message; stops a running analysis of the selection helpers. Does
    // nothing when neither runs.
    void stopRunningJob();

    // ---- The panel's other buttons ----
    void randomCut();
    // H and T (see SelectionHelpers): the hook as the selection, the selection's silence
    // trimmed. Without a sound, the random cutter's warning.
    void findHook();
    void trimSilence();
    void sendToFriends();
    // The feedback link: a mail to the support address; tells when no mail program can.
    void sendFeedback();
    void openHelp();
    void showAbout();
    // Asks the window for the settings window (settingsRequested).
    void showSettings();
    // Asks the window to close (closeRequested): its shutdown sequence asks first.
    void exit();

    // ---- Playing and the selection ----
    void play();
    void stop();
    void pause();
    // Space: pauses while sound plays, plays otherwise.
    void playPause();
    void setBegin();
    void setEnd();
    // "Play Selected Section" (the one place that starts a selection playback).
    void playSelection();
    // Hearing the cut's edges: the 2 s that begin at the begin marker, or the 2 s that end at
    // the end marker (a hidden marker stands at the file's start or end); within the file.
    void playBeginEdge();
    void playEndEdge();
    // Looping of the selection on or off; turned on while the selection is not playing, it
    // starts playing it.
    void setLooping(bool looping);
    void undo();
    void redo();

    // ---- The playhead and the view ----
    // Moves the playhead by whole seconds, or to a place; while playing this seeks, otherwise
    // the playhead is cued there for Play.
    void movePlayheadBy(std::int32_t seconds);
    void movePlayheadTo(PlayheadTarget target);
    // Moves the playhead by one unit of the view's precision (at least 1 ms): back when
    // `direction` is negative, on otherwise.
    void nudgePlayheadFine(int direction);
    // Zooms the view around the playhead (or the middle when it is out of view).
    void zoomIn();
    void zoomOut();
    void showWholeFile();
    void zoomToSelection();
    // The timeline's pointer: a playhead handle taken (the poll rests and the sound closes), let
    // go at `ms` milliseconds (play from there), or a press on the track at the panel's x (play
    // the time under the pointer, at the view's precision).
    void takePlayhead();
    void releasePlayheadMs(std::int64_t ms);
    void pressTrack(double panelX);

public:
    // A time typed into the Begin, End or Length field: applied as one undo step when `text`
    // reads as a time that fits the selection and the file. Returns the empty text when it was
    // applied, else what is wrong (the accepted forms, or the limit it broke); nothing changes then.
    QString applyTypedTime(TimeField field, const QString& text);
    // What the field shows for editing: the begin, end or length as the labels write it.
    QString typedTimeText(TimeField field) const;

public Q_SLOTS:

    // One tick of the playback poll.
    void poll();
    // The program quits: the sound is closed, the poll stopped, a running decode or save stopped
    // (a stopped save leaves its target as it was) and the WAV removed once no transcoder reads
    // it. Later runs' ends do nothing visible.
    void shutDown();

Q_SIGNALS:
    // A transcoder started (true) or ended (false): the window rests its controls meanwhile.
    void busyChanged(bool busy);
    // The decode's progress panel shown or hidden, its bar (0 to 1) and percent text.
    void decodeProgressShown(bool shown);
    void decodeProgress(double fraction, const QString& text);
    // The save's progress panel, the same way.
    void saveProgressShown(bool shown);
    void saveProgress(double fraction, const QString& text);
    // The timeline is shown once a file is decoded, hidden when it is closed.
    void timelineShown(bool shown);
    void fileCaptionChanged(const QString& caption);
    // A decode is followed from now on (true, `growingPath` opens the file being written, for
    // the waveform), or not any more (false, `growingPath` empty): it ended, was stopped or failed.
    void decodingChanged(bool decoding, const QString& growingPath);
    // A command did nothing, and `text` says why (for the hint line; no box is shown).
    void hint(const QString& text);
    // Back from a dialog or a message: the window should take the keyboard again.
    void focusWanted();
    // "Exit": the window closes through its shutdown sequence.
    void closeRequested();
    void settingsRequested();
    // The file `name` is open: its decode finished and fileDecoded follows.
    void fileOpened(const QString& name);
    // A decode finished and `wav` holds the open file's sound.
    void fileDecoded(const QString& wav);
    // The user closed the current file, or a followed decode failed or was stopped.
    void fileClosed();
    void loopingChanged(bool looping);
    // A save wrote `path` completely.
    void saveFinished(const QString& path);

private:
    void setBusy(bool busy);
    void setCaption(const QString& caption);
    void openFile();
    void decodeFile(const QString& name);
    bool decodeSucceeded() const;
    void decodeOutput(QString& chunk);
    void decodeOver();
    // Once the decode's sound is on its way (its length told, its WAV's header written), opens
    // the file being written and shows the file as a growing one. Does nothing before.
    void followDecode();
    // The decoded part as far as the file being written holds it now.
    void updateDecodedEnd();
    // The decode ended: the file is no longer followed; `keepSound` leaves a sound playing
    // from it alone (the decode succeeded).
    void stopFollowing(bool keepSound);
    // The open (or followed) file's sound goes: looping off, playback stopped, the model and the
    // time labels emptied.
    void forgetSound();
    // True while a decode is followed, and then `why` (what waits for its end) is hinted.
    bool waitsForDecode(const QString& why);
    // A file is open, or the decode of one is followed: the Open button closes it.
    bool showsFile() const { return isFileOpen() || following_; }
    // Once the decode's header tells the length and the format of the WAV, stops the decode when
    // the private folder has no room for it, and remembers why.
    void checkDecodeSpace(const QString& chunk);
    void saveSelection();
    void saveOutput(QString& chunk);
    void saveOver();
    void prepareOpenDialog();
    void prepareSaveDialog();
    // Tells that `what` failed, with the transcoder's reason on a line of its own.
    void tellRunFailure(const QString& what, const QString& ending, const ConsoleRunner& runner);
    // Opens a document, folder or mail link through the desktop; shows `failureText` (which
    // names what could not be opened, and for mail the address) when nothing could open it.
    void openThroughShell(const QString& target, const QString& failureText);
    void warn(const QString& text, const QString& title);
    void afterKeyboardMove(std::int64_t ms);
    void seekToMs(std::int64_t ms);
    // Makes the selection helpers and follows the open file with them.
    void makeSelectionHelpers();
    // The random cutter's warning when no sound is open; false then.
    bool soundOpenOrWarn();

    AppPaths paths_;
    SessionServices services_;
    LabelSink& labels_;
    QTimer poll_;
    EditorState state_;
    EditorModel model_;
    AfterSaveSettings settings_;
    EffectsSettings effects_;
    std::unique_ptr<CCommonDialogs> commonDialogs_;
    std::unique_ptr<PlaybackController> playback_;
    std::unique_ptr<SelectionPreview> preview_;
    ConsoleRunner* objDOS_ = nullptr;   // child of this session
    ConsoleRunner* objDOS1_ = nullptr;  // child of this session
    SelectionHelpers* helpers_ = nullptr; // child of this session
    std::mt19937 random_;
    QString caption_;
    QString savePath_;
    bool saveFinished_ = false;
    bool shuttingDown_ = false;
    bool looping_ = false;
    QString decodeHeader_;    // the decode's first output, until the space check is done
    bool spaceChecked_ = false;
    QString spaceShortage_;   // why a decode was stopped for want of room
    bool following_ = false;  // the running decode's sound is open while it is written
    std::unique_ptr<ChildOutput> decodeTarget_;  // the file the decode writes, held open
    std::unique_ptr<WavFile> growingWav_;        // the same file, read as a growing WAV
};
