#pragma once
#include "app/SkinnedWindow.h"
#include "platform/AppPaths.h"
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "timeline/EditorState.h"

#include <QHash>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <random>

class ImageControl;
class SkinLabel;
class QLineEdit;
class QListWidget;
class QLabel;
class MessageBoxes;
class Shell;
class WidgetTimelineBoard;
class LabelSink;
class DialogBackend;
class MediaDevice;
class CCommonDialogs;
class ConsoleRunner;
class PlaybackController;
class SelectionPreview;
class TimelineInteraction;
class frmMenu;
class FileHistory;
class WaveformLoader;
struct WaveformPeaks;

// What the file-name label shows while no file is open.
inline constexpr const char* kNoFileCaption = "No file open";

// The desktop services the main window talks to; tests pass recording stand-ins. The window
// borrows them: they must outlive it.
struct MainServices {
    MessageBoxes* boxes = nullptr;
    Shell* shell = nullptr;
    DialogBackend* dialogs = nullptr;
    MediaDevice* media = nullptr;
    // Shows the settings window (non-modal, ownerless, one at a time); may be empty.
    std::function<void()> showSettings;
    // Recent files and the dialogs' starting folders; nullptr: nothing is remembered and the
    // dialogs start where the common dialog wrapper puts them.
    FileHistory* history = nullptr;
};

// The main window: its skin, every control at its designed place, the editor state and the
// run-time settings. Child widgets are owned through Qt's parent ownership; the services are
// borrowed and must outlive the window.
class frmMain : public SkinnedWindow {
    Q_OBJECT
public:
    frmMain(const AppPaths& paths, const MainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Converts the designed geometry for a screen with the given twips per pixel: the window's
    // size, the progress panels' sizes, then the position and font size of every control.
    void convertGeometry(float unitsX, float unitsY);

    // Panel button i: 0 open or close, 1 save, 2 random cut, 4 send to friends, 5 settings,
    // 6 help, 7 exit; any other index does nothing.
    void imgButton_Click(int index);
    // Transport button i: 0 play, 1 stop, 2 pause, 3 set begin, 4 set end, 5 play selection,
    // 6 save.
    void imgCtrlButton_Click(int index);
    // Writes a command keyword into txtAction and runs the dispatcher on it.
    void postAction(const QString& keyword);
    // Runs the action named by txtAction's text ("About", "Exit", "RRC", "SR", "Help",
    // "OpenFile", "SaveRingTone", "Setting"); any other text does nothing.
    void txtAction_Change();
    // Pops up menu i (0 File, 1 Tools, 2 Setting, 3 About) under its menu name.
    void imgMenu_Click(int index);
    // One tick of the playback poll.
    void Timer2_Timer();
    // Opens `name` as if it had been chosen in the open dialog (command line, drop, recent
    // files): an open file is offered for closing first, and a name that is no file gives the
    // open dialog's "File not found" message. Does nothing while the transcoder runs. Returns
    // true when `name` is open afterwards.
    bool openGivenFile(const QString& name);
    // Stops a running decode or save (Esc): its transcoder is ended and the run is handled like
    // a failed one, without a message. Does nothing when no transcoder runs.
    void stopRunningJob();
    // Quits as after "Are you sure to quit?" was answered OK (a quit signal from the system).
    // Asked again while the program already quits, it also stops a save's transcoder.
    void quitWithoutAsking();

    const AppPaths& paths() const { return paths_; }
    PlaybackController& playback() { return *playback_; }
    CCommonDialogs& commonDialogs() { return *commonDialogs_; }
    frmMenu& menuWindow();
    ConsoleRunner* objDOS = nullptr;
    ConsoleRunner* objDOS1 = nullptr;
    EditorState& state() { return state_; }
    AfterSaveSettings& settings() { return settings_; }
    EffectsSettings& effects() { return effects_; }
    WidgetTimelineBoard& timeline() { return *board_; }
    LabelSink& timeLabels() { return *labelSink_; }
    QColor transparentColorKey() const { return transparentColorKey_; }

    // Controls, by their names.
    ImageControl* imgExit;
    ImageControl* imgMin;
    ImageControl* imgOpen;
    ImageControl* imgFeedback;
    ImageControl* imgExitLight;
    ImageControl* imgMinLight;
    ImageControl* imgGettingStartedLight;
    std::array<ImageControl*, 4> imgMenu{};
    std::array<ImageControl*, 4> imgMenuData{};
    std::array<ImageControl*, 8> imgButton{};
    std::array<ImageControl*, 8> imgButtonData{};
    std::array<ImageControl*, 7> imgCtrlButton{};
    std::array<ImageControl*, 7> imgCtrlButtonLight{};
    std::array<ImageControl*, 7> imgCtrlButtonPress{};

    QWidget* picOpened;
    ImageControl* imgWave;       // the open sound's waveform across the track
    ImageControl* imgSelection;  // shade between the two markers while both are shown
    ImageControl* imgTopPoint;
    ImageControl* imgLine;
    ImageControl* imgBottomPoint;
    ImageControl* imgSelectTop1;
    ImageControl* imgSelectLine1;
    ImageControl* imgSelectBottom1;
    ImageControl* imgSelectTop2;
    ImageControl* imgSelectLine2;
    ImageControl* imgSelectBottom2;

    ImageControl* picPBBack;
    ImageControl* imgPB;
    QLabel* lblPB;
    ImageControl* picPro;
    ImageControl* imgPro;
    QLabel* lblPro;

    SkinLabel* lblTime;
    SkinLabel* lblSelBegin;
    SkinLabel* lblSelEnd;
    SkinLabel* lblSelLength;
    SkinLabel* lblViewBegin;
    SkinLabel* lblViewEnd;
    SkinLabel* lblViewLength;
    SkinLabel* lblTimeLeft;
    SkinLabel* lblTimeRight;
    SkinLabel* lblFileName;
    SkinLabel* lblVersion;
    SkinLabel* lblText;

    QLineEdit* txtFullTime;
    QLineEdit* txtAction;
    QLineEdit* txtSave;
    QListWidget* lstFile;
    QTimer Timer2;

Q_SIGNALS:
    // The user confirmed quitting: the program ends now.
    void shutDown();
    // The file `name` is open: its decode finished and fileDecoded follows.
    void fileOpened(const QString& name);
    // A decode finished and `wav` holds the open file's sound.
    void fileDecoded(const QString& wav);
    // The user closed the current file.
    void fileClosed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void wireControls();
    void wireTimeline();
    void backgroundMove();
    void buttonMove(bool transport, int index);
    void buttonPress(bool transport, int index);
    void setControlsEnabled(bool enabled);
    void setBar(ImageControl* bar, int fullWidth, double fraction);

    // Panel actions.
    void openOrCloseFile();
    void closeCurrentFile();
    void openFile();
    void decodeFile(const QString& name);
    void prepareOpenDialog();
    void prepareSaveDialog();
    void rememberSaved(const QString& output);
    void openRecentFile(const QString& name);
    QStringList recentFiles() const;
    void wireFileRequests();
    bool transcoderRunning() const;
    void decodeOutput(QString& chunk);
    void decodeOver();
    void saveRingTone();
    void saveOutput(QString& chunk);
    void saveOver();
    // Tells that `what` failed, with the transcoder's reason on a line of its own.
    void tellRunFailure(const QString& what, const QString& ending, const ConsoleRunner& runner);
    // Opens a document, folder or mail link through the desktop; shows `failureText` (which
    // names what could not be opened, and for mail the address) when nothing could open it.
    void openThroughShell(const QString& target, const QString& failureText);
    // The shutdown sequence after the question: sound, timers, the WAV (unless a save still
    // reads it), the menu; a decode's transcoder is stopped. Emits shutDown.
    void shutDownNow();
    void randomCut();
    void sendToFriends();
    void openHelp();
    void showAbout();
    bool decodeSucceeded() const;
    void unloadMenu();
    void showWaveform(const WaveformPeaks& peaks);
    void updateSelectionShade();

    void buildControls();
    void buildTimelinePanel();
    void buildProgressPanels();
    void Form_Load();
    // Remembers a control's designed rectangle (pixels at 96 dpi) and font size for conversion.
    void design(QWidget* w, const QRect& r, double fontPoints = 0, bool scaleSize = false);

    struct Designed {
        QRect rect;
        double fontPoints;
        bool scaleSize;
    };

    AppPaths paths_;
    MainServices services_;
    EditorState state_;
    AfterSaveSettings settings_;
    EffectsSettings effects_;
    QColor transparentColorKey_;
    QHash<QWidget*, Designed> designed_;
    std::unique_ptr<WidgetTimelineBoard> board_;
    std::unique_ptr<LabelSink> labelSink_;
    std::unique_ptr<CCommonDialogs> commonDialogs_;
    std::unique_ptr<PlaybackController> playback_;
    std::unique_ptr<SelectionPreview> preview_;
    std::unique_ptr<TimelineInteraction> interaction_;
    std::unique_ptr<frmMenu> menu_;
    std::mt19937 random_;
    WaveformLoader* waveform_ = nullptr;
    bool saveFinished_ = false;
    bool shuttingDown_ = false;
    bool quitWithoutQuestion_ = false;
};
