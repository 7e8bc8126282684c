#pragma once
#include "app/EditorWindow.h"
#include "app/MainServices.h"
#include "app/SkinnedWindow.h"
#include "editor/AppPaths.h"
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "editor/EditorState.h"

#include <QHash>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>

class ImageControl;
class SkinLabel;
class PathLabel;
class QLineEdit;
class QLabel;
class LabelSink;
class CCommonDialogs;
class ConsoleRunner;
class EditorController;
class EditorModel;
class PlaybackController;
class TimelinePanel;
class frmMenu;
class WaveformLoader;

// The main window: its skin, every control at its designed place, its chrome (hover looks,
// moving, minimising, the menus, the shutdown question) and the progress panels. What the
// controls do is the editor controller's, which it owns; the services are borrowed and must
// outlive the window. Child widgets are owned through Qt's parent ownership.
class frmMain : public SkinnedWindow, public EditorWindow {
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
    // Opens `name` as if it had been chosen in the open dialog (see EditorController).
    bool openGivenFile(const QString& name);
    // Stops a running decode or save (Esc).
    void stopRunningJob();
    // Shows the effects that are on (or nothing) beside Save, as they are now.
    void showEffectsSummary();
    // Quits as after "Are you sure to quit?" was answered OK (a quit signal from the system).
    void quitWithoutAsking();

    const AppPaths& paths() const { return paths_; }
    EditorController& controller() { return *controller_; }
    EditorModel& editor();
    PlaybackController& playback();
    CCommonDialogs& commonDialogs();
    EditorState& state();
    AfterSaveSettings& settings();
    EffectsSettings& effects();
    frmMenu& menuWindow();
    ConsoleRunner* objDOS = nullptr;
    ConsoleRunner* objDOS1 = nullptr;
    LabelSink& timeLabels() { return *labelSink_; }
    QColor transparentColorKey() const { return transparentColorKey_; }

    // EditorWindow
    void showDecodeProgress(bool shown) override;
    void setDecodeProgress(double fraction, const QString& text) override;
    void showSaveProgress(bool shown) override;
    void setSaveProgress(double fraction, const QString& text) override;
    void showTimeline(bool shown) override;
    QString fileCaption() const override;
    void setFileCaption(const QString& caption) override;
    void setControlsEnabled(bool enabled) override;
    void takeFocus() override;
    void postCommand(const QString& keyword) override { postAction(keyword); }
    void popupMenu(int index) override { imgMenu_Click(index); }
    void closeWindow() override;

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

    // The timeline: the markers, lines, shade, playhead, ruler and waveform drawn from the model.
    TimelinePanel* picOpened = nullptr;

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
    PathLabel* lblFileName;
    SkinLabel* lblVersion;
    SkinLabel* lblText;
    // The ring-tone effects that are on, in a few words; a click opens their settings.
    SkinLabel* lblEffects;

    QLineEdit* txtAction;
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
    void showEvent(QShowEvent* event) override;

private:
    void wireControls();
    void wireShortcuts();
    void wireWaveform();
    void backgroundMove();
    void buttonMove(bool transport, int index);
    void buttonPress(bool transport, int index);
    void setBar(ImageControl* bar, int fullWidth, double fraction);
    // The shutdown sequence after the question (see EditorController::shutDown); emits shutDown.
    void shutDownNow();
    void unloadMenu();

    void buildControls();
    void buildTimelinePanel();
    void buildProgressPanels();
    void setButtonTips();
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
    QColor transparentColorKey_;
    QHash<QWidget*, Designed> designed_;
    std::unique_ptr<LabelSink> labelSink_;
    std::unique_ptr<EditorController> controller_;
    std::unique_ptr<frmMenu> menu_;
    WaveformLoader* waveform_ = nullptr;
    bool quitWithoutQuestion_ = false;
};
