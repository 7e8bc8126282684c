#include "app/frmMain.h"

#include "editor/AppIdentity.h"
#include "app/EditorController.h"
#include "app/GeometryScale.h"
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "app/WidgetLabelSink.h"
#include "app/frmMenu.h"
#include "platform/TempFolder.h"
#include "timeline/TimelinePanel.h"
#include "timeline/WaveformLoader.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {
// A progress panel shows above the timeline and the other controls.
void showAbove(QWidget* panel, bool shown)
{
    panel->setVisible(shown);
    if (shown)
        panel->raise();
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}
}

frmMain::frmMain(const AppPaths& paths, const MainServices& services, QWidget* parent)
    : SkinnedWindow(parent), paths_(paths), services_(services)
{
    setWindowTitle(QString::fromLatin1(kProductName));
    setFocusPolicy(Qt::ClickFocus);  // holds the focus while no control has it (showEvent)
    setWindowIcon(QIcon(QStringLiteral(":/skin/main/app_icon_256.png")));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(8.25);
    setFont(f);
    setSkin(QStringLiteral(":/skin/main/background.png"));
    if (skin().isNull())
        setFixedSize(765, 565);
    designed_.insert(this, {QRect(0, 0, width(), height()), 0, true});

    buildControls();
    labelSink_ = std::make_unique<WidgetLabelSink>(std::array<QLabel*, 7>{
        lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength});
    controller_ = std::make_unique<EditorController>(paths_, services_, *this, *labelSink_, Timer2, this);
    objDOS = controller_->decodeRunner();
    objDOS1 = controller_->saveRunner();
    buildTimelinePanel();
    buildProgressPanels();

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
    wireControls();
    wireShortcuts();
    wireWaveform();
    setAcceptDrops(true);
    // The poll runs with the window; it parks the playhead until a sound is open.
    Timer2.start();
}

frmMain::~frmMain()
{
    Timer2.stop();
    // The panel draws the controller's model: it goes first.
    delete picOpened;
    picOpened = nullptr;
}

void frmMain::Form_Load()
{
    state().buttonHeld = kFalse;
    transparentColorKey_ = QColor(255, 0, 255);  // the skin's magenta shapes the window (setSkin)

    // A folder that cannot be made private is left alone: decoding then fails with a message.
    ensurePrivateFolder(paths_.tempDir);

    for (SkinLabel* l : {lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength, lblText})
        setTextColour(l, QColor(11, 77, 109));
    for (SkinLabel* l : {lblTimeLeft, static_cast<SkinLabel*>(lblFileName), lblTimeRight})
        setTextColour(l, QColor(71, 99, 113));

    setTextColour(lblEffects, QColor(22, 128, 138));
    showEffectsSummary();
    lblVersion->setText(QStringLiteral("- Ver %1.%2.%3")
                            .arg(TUNESNIP_VERSION_MAJOR)
                            .arg(TUNESNIP_VERSION_MINOR)
                            .arg(TUNESNIP_VERSION_PATCH));

    QApplication::processEvents();

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const float units = twipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0);
    convertGeometry(units, units);
}

void frmMain::wireWaveform()
{
    // The waveform of every zoom is built off the UI thread once a file is decoded.
    waveform_ = new WaveformLoader(this);
    connect(waveform_, &WaveformLoader::pyramidReady, picOpened, &TimelinePanel::setPyramid);
    connect(controller_.get(), &EditorController::fileDecoded, this, [this](const QString& wav) {
        picOpened->setPyramid(nullptr);
        waveform_->requestPyramid(wav);
    });
    connect(controller_.get(), &EditorController::fileClosed, this, [this] {
        waveform_->cancel();
        picOpened->setPyramid(nullptr);
    });
    connect(controller_.get(), &EditorController::hint, lblText, &QLabel::setText);
    connect(controller_.get(), &EditorController::fileOpened, this, &frmMain::fileOpened);
    connect(controller_.get(), &EditorController::fileDecoded, this, &frmMain::fileDecoded);
    connect(controller_.get(), &EditorController::fileClosed, this, &frmMain::fileClosed);
}

void frmMain::convertGeometry(float unitsX, float unitsY)
{
    for (auto it = designed_.cbegin(); it != designed_.cend(); ++it) {
        QWidget* w = it.key();
        const Designed& d = it.value();
        const QRect r = convertDesignRect(d.rect, unitsX, unitsY, d.scaleSize);
        if (w == this) {
            if (skin().isNull())
                setFixedSize(r.size());
            continue;
        }
        w->setGeometry(r);
        if (d.fontPoints > 0) {
            QFont f = w->font();
            f.setPointSizeF(convertFontPoints(d.fontPoints, unitsX));
            w->setFont(f);
        }
    }
}

// ---- What the controller owns, by the names the window has always given it ----

EditorModel& frmMain::editor() { return controller_->model(); }
PlaybackController& frmMain::playback() { return controller_->playback(); }
CCommonDialogs& frmMain::commonDialogs() { return controller_->commonDialogs(); }
EditorState& frmMain::state() { return controller_->state(); }
AfterSaveSettings& frmMain::settings() { return controller_->settings(); }
EffectsSettings& frmMain::effects() { return controller_->effects(); }

void frmMain::imgButton_Click(int index) { controller_->panelAction(index); }
void frmMain::imgCtrlButton_Click(int index) { controller_->transportAction(index); }
void frmMain::Timer2_Timer() { controller_->poll(); }
bool frmMain::openGivenFile(const QString& name) { return controller_->openGivenFile(name); }
void frmMain::stopRunningJob() { controller_->stopRunningJob(); }

void frmMain::showEffectsSummary()
{
    lblEffects->setText(effectsSummary(controller_->effects()));
}

// ---- The window's side of the editor ----

void frmMain::setBar(ImageControl* bar, int fullWidth, double fraction)
{
    const int w = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * fullWidth));
    bar->resize(w, bar->height());
}

void frmMain::showDecodeProgress(bool shown)
{
    showAbove(picPBBack, shown);
}

void frmMain::setDecodeProgress(double fraction, const QString& text)
{
    setBar(imgPB, 361, fraction);
    lblPB->setText(text);
}

void frmMain::showSaveProgress(bool shown)
{
    showAbove(picPro, shown);
}

void frmMain::setSaveProgress(double fraction, const QString& text)
{
    setBar(imgPro, 281, fraction);
    lblPro->setText(text);
}

void frmMain::showTimeline(bool shown)
{
    picOpened->setVisible(shown);
    update();
}

QString frmMain::fileCaption() const
{
    return lblFileName->path();
}

void frmMain::setFileCaption(const QString& caption)
{
    lblFileName->setPath(caption);
}

void frmMain::setControlsEnabled(bool enabled)
{
    for (ImageControl* c : imgButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgCtrlButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgMenu)
        c->setEnabled(enabled);
    if (!enabled)
        picOpened->cancelDrag();
    picOpened->setEnabled(enabled);
}

void frmMain::takeFocus()
{
    activateWindow();
}
