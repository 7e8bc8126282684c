#pragma once
#include "app/EditorActions.h"
#include "app/MainServices.h"
#include "editor/AppPaths.h"
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "timeline/EditorModel.h"
#include "editor/EditorState.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <random>

class CCommonDialogs;
class ConsoleRunner;
class EditorWindow;
class LabelSink;
class PlaybackController;
class QTimer;
class SelectionPreview;
class QWidget;
class TimelinePanel;

// The editor's commands, whoever asks for them: the panel and transport buttons, the menus
// (through the command keywords), the keyboard and the timeline. Opens, closes and saves files
// through the transcoder, drives playback, the random cutter, the selection's undo history, the
// view's zoom and the playhead from the keyboard. Owns the editor's flags and model, the
// playback controller, the two transcoder runners, the common dialogs and the shared actions;
// borrows the window (through EditorWindow), its labels, its poll timer and the services.
class EditorController : public QObject {
    Q_OBJECT
public:
    EditorController(const AppPaths& paths, const MainServices& services, EditorWindow& window, LabelSink& labels,
                     QTimer& poll, QWidget* dialogOwner);
    ~EditorController() override;

    EditorState& state() { return state_; }
    EditorModel& model() { return model_; }
    PlaybackController& playback() { return *playback_; }
    CCommonDialogs& commonDialogs() { return *commonDialogs_; }
    AfterSaveSettings& settings() { return settings_; }
    EffectsSettings& effects() { return effects_; }
    ConsoleRunner* decodeRunner() const { return objDOS_; }
    ConsoleRunner* saveRunner() const { return objDOS1_; }
    const EditorActions& actions() const { return actions_; }

    // Seeks and pauses of the timeline panel's pointer go through here.
    void attachTimeline(TimelinePanel& panel);

    // Runs the action of a command keyword ("About", "Exit", "RRC", "SR", "Help", "OpenFile",
    // "SaveRingTone", "Setting"); any other text does nothing.
    void dispatch(const QString& keyword);
    // Panel button i: 0 open or close, 1 save, 2 random cut, 4 send to friends, 5 settings,
    // 6 help, 7 exit; any other index does nothing.
    void panelAction(int index);
    // Transport button i: 0 play, 1 stop, 2 pause, 3 set begin, 4 set end, 5 play selection,
    // 6 save.
    void transportAction(int index);
    // One tick of the playback poll.
    void poll();

    // Space: pauses while sound plays, plays otherwise.
    void playPause();
    // "Play Selected Section" (the one place that starts a selection playback).
    void playSelection();
    // Moves the playhead by whole seconds, or to a place; while playing this seeks, otherwise
    // the playhead is cued there for Play.
    void movePlayheadBy(std::int32_t seconds);
    void movePlayheadTo(PlayheadTarget target);
    // Looping of the selection on or off; turned on while the selection is not playing, it
    // starts playing it.
    void setLooping(bool looping);
    // Opens a mail to the support address (the feedback link); tells when no mail program can.
    void sendFeedback();
    // Zooms the view by `factor` around the playhead (or the middle when it is out of view).
    void zoomFromKeyboard(double factor);

    // Opens `name` as if it had been chosen in the open dialog (command line, drop, recent
    // files): an open file is offered for closing first, and a name that is no file gives the
    // open dialog's "File not found" message. Does nothing while the transcoder runs. Returns
    // true when `name` is open afterwards.
    bool openGivenFile(const QString& name);
    void openRecentFile(const QString& name);
    QStringList recentFiles() const;
    // "Current Audio file will be closed, are you sure?"; nothing when no file is open.
    void closeCurrentFile();
    bool transcoderRunning() const;
    // Stops a running decode or save (Esc): its transcoder is ended and the run is handled like
    // a failed one, without a message. Does nothing when no transcoder runs.
    void stopRunningJob();
    // The question the window asks before it quits: "Are you sure to quit?", or, while a save
    // runs, one that names the file being saved and tells that quitting stops the save.
    QString quitQuestion() const;
    // The program quits: the sound is closed, the poll stopped, a running decode or save stopped
    // (a stopped save leaves its target as it was) and the WAV removed once no transcoder reads
    // it. Later runs' ends do nothing visible.
    void shutDown();
    bool isShuttingDown() const { return shuttingDown_; }
    // The output path of the last save that was started.
    const QString& savePath() const { return savePath_; }

Q_SIGNALS:
    // The file `name` is open: its decode finished and fileDecoded follows.
    void fileOpened(const QString& name);
    // A decode finished and `wav` holds the open file's sound.
    void fileDecoded(const QString& wav);
    // The user closed the current file.
    void fileClosed();
    void loopingChanged(bool looping);
    // A command did nothing, and `text` says why (for the hint line; no box is shown).
    void hint(const QString& text);

private:
    void wireActions();
    void setRunning(bool running);
    void openOrCloseFile();
    void openFile();
    void decodeFile(const QString& name);
    bool decodeSucceeded() const;
    void decodeOutput(QString& chunk);
    void decodeOver();
    void saveRingTone();
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
    void randomCut();
    void sendToFriends();
    void openHelp();
    void showAbout();
    void afterKeyboardMove(std::int32_t seconds);
    // Play, unless the playhead waits at the file's end, where nothing would sound: then says so.
    void playOrTellWhy();
    void setBeginOrTellWhy();
    void setEndOrTellWhy();
    void seekTo(std::int32_t seconds);

    AppPaths paths_;
    MainServices services_;
    EditorWindow& window_;
    LabelSink& labels_;
    QTimer& poll_;
    EditorState state_;
    EditorModel model_;
    AfterSaveSettings settings_;
    EffectsSettings effects_;
    std::unique_ptr<CCommonDialogs> commonDialogs_;
    std::unique_ptr<PlaybackController> playback_;
    std::unique_ptr<SelectionPreview> preview_;
    ConsoleRunner* objDOS_ = nullptr;
    ConsoleRunner* objDOS1_ = nullptr;
    EditorActions actions_;
    std::mt19937 random_;
    QString savePath_;
    bool saveFinished_ = false;
    bool shuttingDown_ = false;
};
