#include "app/frmMain.h"

#include "app/AppAccessible.h"
#include "app/GeometryScale.h"
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "app/WidgetLabelSink.h"
#include "app/frmMenu.h"
#include "dialogs/CCommonDialogs.h"
#include "editor/AppIdentity.h"
#include "editor/EditorSession.h"
#include "platform/Language.h"
#include "platform/TempFolder.h"
#include "settings/EffectsSettings.h"
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
}  // namespace

frmMain::frmMain(const AppPaths& paths, const MainServices& services, QWidget* parent)
    : SkinnedWindow(parent), paths_(paths), services_(services), actions_(makeEditorActions(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setFocusPolicy(Qt::ClickFocus);  // holds the focus while no control has it (showEvent)
    setWindowIcon(QIcon(QStringLiteral(":/skin/main/app_icon_256.png")));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(8.25);
    setFont(f);
    setSkin(localizedFile(QStringLiteral(":/skin/main/background.png"), QLocale()));  // its words in the program's language
    if (skin().isNull())
        setFixedSize(765, 565);
    designed_.insert(this, {QRect(0, 0, width(), height()), 0, true});

    buildControls();
    labelSink_ = std::make_unique<WidgetLabelSink>(std::array<QLabel*, 7>{
        lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength});
    session_ = std::make_unique<EditorSession>(paths_, services_.session(), *labelSink_);
    session_->commonDialogs().Init(this);
    buildTimelinePanel();
    buildProgressPanels();

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
    wireControls();
    wireSession();
    wireActions();
    wireWaveform();
    describeControls();
    wireTimeFields();
    setAcceptDrops(true);
}

frmMain::~frmMain()
{
    session_->pollTimer().stop();
    // The panel draws the session's model: it goes first.
    delete picOpened;
    picOpened = nullptr;
}

void frmMain::Form_Load()
{
    buttonHeld_ = false;
    transparentColorKey_ = QColor(255, 0, 255);  // the skin's magenta shapes the window (setSkin)

    // A folder that cannot be made private is left alone: decoding then fails with a message.
    ensurePrivateFolder(paths_.tempDir);

    for (SkinLabel* l : {lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength, lblText})
        setTextColour(l, QColor(11, 77, 109));
    for (SkinLabel* l : {lblTimeLeft, static_cast<SkinLabel*>(lblFileName), lblTimeRight})
        setTextColour(l, QColor(71, 99, 113));

    setTextColour(lblEffects, QColor(22, 128, 138));
    showEffectsSummary();
    lblVersion->setText(tr("- Ver %1.%2.%3")
                            .arg(TUNESNIP_VERSION_MAJOR)
                            .arg(TUNESNIP_VERSION_MINOR)
                            .arg(TUNESNIP_VERSION_PATCH));

    QApplication::processEvents();

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const float units = twipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0);
    convertGeometry(units, units);
}

void frmMain::wireSession()
{
    EditorSession& s = *session_;
    connect(&s, &EditorSession::busyChanged, this, &frmMain::setBusy);
    connect(&s, &EditorSession::decodeProgressShown, this, [this](bool shown) { showAbove(picPBBack, shown); });
    connect(&s, &EditorSession::decodeProgress, this, [this](double fraction, const QString& text) {
        setBar(imgPB, 361, fraction);
        lblPB->setText(text);
        setProgressPercent(picPBBack, int(fraction * 100));
    });
    connect(&s, &EditorSession::saveProgressShown, this, [this](bool shown) { showAbove(picPro, shown); });
    connect(&s, &EditorSession::saveProgress, this, [this](double fraction, const QString& text) {
        setBar(imgPro, 281, fraction);
        lblPro->setText(text);
        setProgressPercent(picPro, int(fraction * 100));
    });
    connect(&s, &EditorSession::timelineShown, this, [this](bool shown) {
        picOpened->setVisible(shown);
        // With a file open, the Open button closes it: a screen reader says so.
        imgButton[0]->setAccessibleDescription(shown ? tr("Closes the open file, after asking") : QString());
        update();
    });
    connect(&s, &EditorSession::fileCaptionChanged, lblFileName, &PathLabel::setPath);
    connect(&s, &EditorSession::hint, lblText, &QLabel::setText);
    connect(&s, &EditorSession::focusWanted, this, [this] { activateWindow(); });
    connect(&s, &EditorSession::closeRequested, this, &frmMain::closeWindow);
    connect(&s, &EditorSession::settingsRequested, this, [this] {
        if (services_.showSettings)
            services_.showSettings();
    });
    connect(&s, &EditorSession::loopingChanged, this, [this](bool looping) {
        actions_.loopSelection->setChecked(looping);
        picOpened->setLooping(looping);
    });
    // The timeline's pointer.
    connect(picOpened, &TimelinePanel::playheadTaken, &s, &EditorSession::takePlayhead);
    connect(picOpened, &TimelinePanel::playheadReleased, &s, &EditorSession::releasePlayheadMs);
    connect(picOpened, &TimelinePanel::trackPressed, &s, &EditorSession::pressTrack);
}

void frmMain::wireWaveform()
{
    // The waveform of every zoom is built off the UI thread once a file is decoded.
    waveform_ = new WaveformLoader(this);
    connect(waveform_, &WaveformLoader::pyramidReady, picOpened, &TimelinePanel::setPyramid);
    // While a decode runs it fills in from the part written; its last delivery is the same
    // pyramid as the finished file's, so a decode that ends does not start another.
    connect(waveform_, &WaveformLoader::pyramidGrowing, picOpened, &TimelinePanel::setPyramid);
    connect(session_.get(), &EditorSession::decodingChanged, this, [this](bool decoding, const QString& growingPath) {
        if (decoding) {
            picOpened->setPyramid(nullptr);
            waveform_->requestGrowingPyramid(growingPath);
            waveformGrowing_ = true;
        }
        showDecodeWait();
    });
    connect(session_.get(), &EditorSession::fileDecoded, this, [this](const QString& wav) {
        const bool growing = waveformGrowing_ && waveform_->busy();
        waveformGrowing_ = false;
        if (growing)
            return;
        picOpened->setPyramid(nullptr);
        waveform_->requestPyramid(wav);
    });
    connect(session_.get(), &EditorSession::fileClosed, this, [this] {
        waveformGrowing_ = false;
        waveform_->cancel();
        picOpened->setPyramid(nullptr);
    });
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

bool frmMain::openGivenFile(const QString& name) { return session_->openGivenFile(name); }

void frmMain::showEffectsSummary()
{
    lblEffects->setText(effectsSummary(session_->effects()));
}

// ---- The window's side of the session ----

void frmMain::setBar(ImageControl* bar, int fullWidth, double fraction)
{
    const int w = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * fullWidth));
    bar->resize(w, bar->height());
}

void frmMain::setBusy(bool busy)
{
    // While a transcoder runs, only Esc and quitting work; the buttons, the menus and the
    // timeline rest.
    for (QAction* act : actions_.all())
        if (act != actions_.stopJob && act != actions_.exit)
            act->setEnabled(!busy);
    if (!busy) {
        actions_.undo->setEnabled(session_->model().canUndo());
        actions_.redo->setEnabled(session_->model().canRedo());
    }
    for (ImageControl* c : imgButton)
        c->setEnabled(!busy);
    for (ImageControl* c : imgCtrlButton)
        c->setEnabled(!busy);
    for (ImageControl* c : imgMenu)
        c->setEnabled(!busy);
    if (busy)
        picOpened->cancelDrag();
    picOpened->setEnabled(!busy);
    busy_ = busy;
    showDecodeWait();
}

void frmMain::showDecodeWait()
{
    const bool enabled = !busy_ && !session_->isDecoding();
    for (ImageControl* c : {imgButton[1], imgButton[2], imgCtrlButton[5], imgCtrlButton[6]})
        c->setEnabled(enabled);
}
