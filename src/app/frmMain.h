#pragma once
#include "app/EditorActions.h"
#include "app/MainServices.h"
#include "app/SkinnedWindow.h"
#include "editor/AppPaths.h"

#include <QHash>
#include <array>
#include <memory>

class EditorSession;
class ImageControl;
class LabelSink;
class PathLabel;
class QLabel;
class QLineEdit;
class SkinLabel;
class TimelinePanel;
class WaveformLoader;
class frmMenu;

// The main window: its skin, every control at its designed place, its chrome (hover looks,
// moving, minimising, the menus, the shutdown question) and the progress panels, drawing an
// editor session that it owns. Its actions are connected straight to the session's slots; the
// menus post their command keywords into the command field, whose dispatcher runs them. The
// services are borrowed and must outlive the window. Child widgets are owned through Qt's parent
// ownership. Every control carries its designed name as its object name.
class frmMain : public SkinnedWindow {
    Q_OBJECT
public:
    frmMain(const AppPaths& paths, const MainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    EditorSession& session() { return *session_; }
    const EditorActions& actions() const { return actions_; }

    // Converts the designed geometry for a screen with the given twips per pixel: the window's
    // size, the progress panels' sizes, then the position and font size of every control.
    void convertGeometry(float unitsX, float unitsY);
    // Writes a command keyword into the command field, whose dispatcher then runs it ("About",
    // "Exit", "RRC", "SR", "Help", "OpenFile", "SaveRingTone", "Setting"; any other text does
    // nothing): what a menu item does.
    void postAction(const QString& keyword);
    // Opens `name` as if it had been chosen in the open dialog (see EditorSession::openGivenFile).
    bool openGivenFile(const QString& name);
    // Quits as after "Are you sure to quit?" was answered OK (a quit signal from the system).
    void quitWithoutAsking();
    // Shows the effects that are on (or nothing) beside Save, as they are now.
    void showEffectsSummary();
    // The never-shown window that owns the four pop-up menus (made on first use).
    frmMenu& menuWindow();
    QColor transparentColorKey() const { return transparentColorKey_; }

Q_SIGNALS:
    // The user confirmed quitting: the program ends now.
    void shutDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildTimelinePanel();
    void buildProgressPanels();
    void Form_Load();
    void wireControls();
    void wireSession();
    void wireActions();
    void wireWaveform();
    // While a decode is followed, the buttons of what waits for its end (save, random cut,
    // play selection) rest; their keys and menu entries still tell why in the hint line.
    void showDecodeWait();
    // H, T and the snapping toggle; the beats found go to the timeline.
    void wireSelectionHelpers();
    // The selection row's Begin, End and Length labels take typed times (frmMainTimeFields.cpp).
    void wireTimeFields();
    void setButtonTips();
    // Names every control for assistive technology (roles, names, the labels' meanings) and puts
    // the feedback link at the end of the Tab order.
    void describeControls();
    // Remembers a control's designed rectangle (pixels at 96 dpi) and font size for conversion,
    // and names it.
    void design(QWidget* w, const QString& name, const QRect& r, double fontPoints = 0, bool scaleSize = false);

    // Panel button i: 0 open or close, 1 save, 2 random cut, 4 send to friends, 5 settings,
    // 6 help, 7 exit; any other index does nothing.
    void imgButton_Click(int index);
    // Transport button i: 0 play, 1 stop, 2 pause, 3 set begin, 4 set end, 5 play selection,
    // 6 save.
    void imgCtrlButton_Click(int index);
    // Runs the action named by the command field's text.
    void txtAction_Change();
    // Pops up menu i (0 File, 1 Tools, 2 Setting, 3 About) under its menu name.
    void imgMenu_Click(int index);
    void unloadMenu();
    void closeWindow();
    void backgroundMove();
    void buttonMove(bool transport, int index);
    void buttonPress(bool transport, int index);
    void setBar(ImageControl* bar, int fullWidth, double fraction);
    void setBusy(bool busy);
    // The shutdown sequence after the question (see EditorSession::shutDown); emits shutDown.
    void shutDownNow();

    struct Designed {
        QRect rect;
        double fontPoints;
        bool scaleSize;
    };

    AppPaths paths_;
    MainServices services_;
    QColor transparentColorKey_;
    QHash<QWidget*, Designed> designed_;
    EditorActions actions_;
    class TimeFieldEditor* timeFields_[3] = {};  // Begin, End, Length; children of this window
    std::unique_ptr<LabelSink> labelSink_;
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<frmMenu> menu_;
    WaveformLoader* waveform_ = nullptr;
    bool waveformGrowing_ = false;  // the waveform is read from the file a decode writes
    bool busy_ = false;             // as the session last told (busyChanged)
    bool quitWithoutQuestion_ = false;
    bool buttonHeld_ = false;

    // Controls, by their designed names.
    ImageControl* imgExit = nullptr;
    ImageControl* imgMin = nullptr;
    ImageControl* imgOpen = nullptr;
    ImageControl* imgFeedback = nullptr;
    ImageControl* imgExitLight = nullptr;
    ImageControl* imgMinLight = nullptr;
    ImageControl* imgGettingStartedLight = nullptr;
    std::array<ImageControl*, 4> imgMenu{};
    std::array<ImageControl*, 4> imgMenuData{};
    std::array<ImageControl*, 8> imgButton{};
    std::array<ImageControl*, 8> imgButtonData{};
    std::array<ImageControl*, 7> imgCtrlButton{};
    std::array<ImageControl*, 7> imgCtrlButtonLight{};
    std::array<ImageControl*, 7> imgCtrlButtonPress{};
    // The timeline: the markers, lines, shade, playhead, ruler and waveform drawn from the model.
    TimelinePanel* picOpened = nullptr;
    ImageControl* picPBBack = nullptr;
    ImageControl* imgPB = nullptr;
    QLabel* lblPB = nullptr;
    ImageControl* picPro = nullptr;
    ImageControl* imgPro = nullptr;
    QLabel* lblPro = nullptr;
    SkinLabel* lblTime = nullptr;
    SkinLabel* lblSelBegin = nullptr;
    SkinLabel* lblSelEnd = nullptr;
    SkinLabel* lblSelLength = nullptr;
    SkinLabel* lblViewBegin = nullptr;
    SkinLabel* lblViewEnd = nullptr;
    SkinLabel* lblViewLength = nullptr;
    SkinLabel* lblTimeLeft = nullptr;
    SkinLabel* lblTimeRight = nullptr;
    PathLabel* lblFileName = nullptr;
    SkinLabel* lblVersion = nullptr;
    SkinLabel* lblText = nullptr;
    // The ring-tone effects that are on, in a few words; a click opens their settings.
    SkinLabel* lblEffects = nullptr;
    // The command field, written by the menus and read by the dispatcher; never shown.
    QLineEdit* txtAction = nullptr;
};
