#pragma once
#include "app/SkinnedWindow.h"
#include "platform/AppPaths.h"
#include "settings/SetupIni.h"
#include "timeline/EditorState.h"

#include <QHash>
#include <QTimer>
#include <array>
#include <memory>

class ImageControl;
class SkinLabel;
class QLineEdit;
class QListWidget;
class QLabel;
class MessageBoxes;
class Shell;
class WidgetTimelineBoard;
class LabelSink;

// The desktop services the main window talks to; tests pass recording stand-ins.
struct MainServices {
    MessageBoxes* boxes = nullptr;
    Shell* shell = nullptr;
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

    const AppPaths& paths() const { return paths_; }
    EditorState& state() { return state_; }
    AfterSaveSettings& settings() { return settings_; }
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

private:
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
    QColor transparentColorKey_;
    QHash<QWidget*, Designed> designed_;
    std::unique_ptr<WidgetTimelineBoard> board_;
    std::unique_ptr<LabelSink> labelSink_;
};
